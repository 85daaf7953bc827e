#include "tools/word_splitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tesvar {
namespace cli {
namespace {

// "word@offset" for each word, separated by blanks.
std::string Split(std::string_view line, size_t start, OffsetUnit unit,
                  const std::vector<uint8_t>* markup = nullptr) {
  WordSplitter splitter(line, start, unit, markup);
  std::string out;
  LineWord word;
  while (splitter.Next(&word)) {
    if (!out.empty()) out += ' ';
    out.append(word.text);
    out += '@' + std::to_string(word.offset);
  }
  return out;
}

TEST(WordSplitterTest, WordsAreWholeRunsOfLetters) {
  struct Case {
    std::string line;
    std::string words;
  };
  const Case cases[] = {
      {"", ""},
      {" \t ", ""},
      {"Dal naQ", "Dal@0 naQ@4"},
      // The apostrophe is a letter, also first and last.
      {"lo'ey, 'ej pa'.", "lo'ey@0 'ej@7 pa'@11"},
      // Letters outside the alphabet stay inside their word.
      {"Dalmeyk xyzzy fox", "Dalmeyk@0 xyzzy@8 fox@14"},
      // Digits, hyphens, underscores and other punctuation separate.
      {"jIrom-Dat 42Dal_naQ", "jIrom@0 Dat@6 Dal@12 naQ@16"},
      {std::string("Dal\0naQ\r", 8), "Dal@0 naQ@4"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.words, Split(c.line, 0, OffsetUnit::kUtf8Characters)) << c.line;
    EXPECT_EQ(c.words, Split(c.line, 0, OffsetUnit::kBytes)) << c.line;
  }
}

TEST(WordSplitterTest, UnicodeLettersApostrophesAndOffsets) {
  struct Case {
    std::string line;
    size_t start;
    std::string characters;  // UTF-8 characters
    std::string bytes;       // an 8-bit encoding
  };
  const Case cases[] = {
      // Guillemets and a dash separate; offsets count characters. (Read
      // as Latin-1, the bytes are letters and symbols: \xC2 and \xE2 are
      // letters there.)
      {"\xC2\xAB"
       "Dal\xC2\xBB \xE2\x80\x94 naQ",
       0, "Dal@1 naQ@8", "\xC2@0 Dal\xC2@2 \xE2@8 naQ@12"},
      // A letter with a diacritic is part of the word; in an 8-bit
      // encoding the same bytes are the Latin-1 letters \xC3 and \xA4,
      // which is a separator there.
      {"D\xC3\xA4t Dal", 0, "D\xC3\xA4t@0 Dal@4", "D\xC3@0 t@3 Dal@5"},
      // Greek and Cyrillic letters are letters.
      {"\xCE\xB1\xCE\xB2 \xD0\xB4\xD0\xB0", 0,
       "\xCE\xB1\xCE\xB2@0 \xD0\xB4\xD0\xB0@3", "\xCE@0 \xCE@2 \xD0@5 \xD0@7"},
      // Typographic apostrophes are letters in UTF-8 (in Latin-1 their
      // first byte is a letter, the others are not).
      {"ghompu\xE2\x80\x99wI\xE2\x80\x99 \xE2\x80\x98"
       "ej",
       0,
       "ghompu\xE2\x80\x99wI\xE2\x80\x99@0 \xE2\x80\x98"
       "ej@11",
       "ghompu\xE2@0 wI\xE2@9 \xE2@15 ej@18"},
      // A skipped escape character is still counted.
      {"^Dal naQ", 1, "Dal@1 naQ@5", "Dal@1 naQ@5"},
      {"^", 1, "", ""},
      // A byte that begins no UTF-8 character is one character.
      {"\xFF"
       "Dal \x80 naQ",
       0,
       "\xFF"
       "Dal@0 naQ@7",
       "\xFF"
       "Dal@0 naQ@7"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.characters, Split(c.line, c.start, OffsetUnit::kUtf8Characters))
        << c.line;
    EXPECT_EQ(c.bytes, Split(c.line, c.start, OffsetUnit::kBytes)) << c.line;
  }
}

TEST(WordSplitterTest, MarkupSeparatesAndHoldsNoWords) {
  const std::string line = "<b>Dal</b>mey naQ";
  std::vector<uint8_t> markup(line.size(), 0);
  for (size_t i : {0, 1, 2, 6, 7, 8, 9}) markup[i] = 1;
  EXPECT_EQ("Dal@3 mey@10 naQ@14",
            Split(line, 0, OffsetUnit::kUtf8Characters, &markup));
}

TEST(WordSplitterTest, ApostrophesAndTheAlphabet) {
  EXPECT_EQ("ghompu'wI' 'ej",
            WithPlainApostrophes("ghompu\xE2\x80\x99wI\xCA\xBC"
                                 " \xE2\x80\x98"
                                 "ej"));
  EXPECT_TRUE(
      IsAlphabetWord("lo\xE2\x80\x99"
                     "ey"));
  EXPECT_TRUE(IsAlphabetWord("Qapla'"));
  EXPECT_FALSE(IsAlphabetWord("Dalk"));
  EXPECT_FALSE(IsAlphabetWord("D\xC3\xA4t"));
  EXPECT_FALSE(IsAlphabetWord("\xE2\x80"));
}

}  // namespace
}  // namespace cli
}  // namespace tesvar
