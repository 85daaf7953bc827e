#include "tools/word_splitter.h"

#include <gtest/gtest.h>

#include <string>

namespace tesvar {
namespace cli {
namespace {

// "word@offset" for each word, separated by blanks.
std::string Split(std::string_view line, size_t start, OffsetUnit unit) {
  WordSplitter splitter(line, start, unit);
  std::string out;
  LineWord word;
  while (splitter.Next(&word)) {
    if (!out.empty()) out += ' ';
    out.append(word.text);
    out += '@' + std::to_string(word.offset);
  }
  return out;
}

TEST(WordSplitterTest, WordsAreRunsOfTheAlphabet) {
  struct Case {
    std::string line;
    std::string words;
  };
  const Case cases[] = {
      {"", ""},
      {" \t ", ""},
      {"Dal naQ", "Dal@0 naQ@4"},
      {"  Dal\tnaQ  ", "Dal@2 naQ@6"},
      // The apostrophe is a letter, also first and last.
      {"lo'ey, 'ej pa'.", "lo'ey@0 'ej@7 pa'@11"},
      // f, k, x and z are not letters of the alphabet.
      {"fox kaz", "o@1 a@5"},
      {"jIrom-Dat 42Dal_naQ", "jIrom@0 Dat@6 Dal@12 naQ@16"},
      {std::string("Dal\0naQ\r", 8), "Dal@0 naQ@4"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.words, Split(c.line, 0, OffsetUnit::kUtf8Characters)) << c.line;
    EXPECT_EQ(c.words, Split(c.line, 0, OffsetUnit::kBytes)) << c.line;
  }
}

TEST(WordSplitterTest, OffsetsCountCharactersOrBytes) {
  struct Case {
    std::string line;
    size_t start;
    std::string characters;  // UTF-8 characters
    std::string bytes;
  };
  const Case cases[] = {
      // Two- and three-byte characters before a word.
      {"\xC2\xAB"
       "Dal\xC2\xBB \xE2\x80\x94 naQ",
       0, "Dal@1 naQ@8", "Dal@2 naQ@12"},
      // A Latin-1 byte stands for one character in either count when it
      // is not followed by continuation bytes.
      {"caf\xE9 Dal", 0, "ca@0 Dal@5", "ca@0 Dal@5"},
      // A skipped escape character is still counted.
      {"^Dal naQ", 1, "Dal@1 naQ@5", "Dal@1 naQ@5"},
      {"^\xC2\xAB"
       "Dal",
       1, "Dal@2", "Dal@3"},
      {"^", 1, "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.characters, Split(c.line, c.start, OffsetUnit::kUtf8Characters))
        << c.line;
    EXPECT_EQ(c.bytes, Split(c.line, c.start, OffsetUnit::kBytes)) << c.line;
  }
}

}  // namespace
}  // namespace cli
}  // namespace tesvar
