#include "tools/lsp/word_finder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace tesvar {
namespace lsp {
namespace {

// Each word as "text@line:start-end", end in UTF-16 units.
std::string Describe(const std::string& text) {
  std::vector<WordSpan> words;
  FindWords(text, &words);
  std::string out;
  for (const WordSpan& word : words) {
    if (!out.empty()) out += " ";
    out += text.substr(word.begin, word.end - word.begin) + "@" +
           std::to_string(word.range.start.line) + ":" +
           std::to_string(word.range.start.character) + "-" +
           std::to_string(word.range.end.line) + ":" +
           std::to_string(word.range.end.character);
  }
  return out;
}

TEST(WordFinderTest, FindsRunsOfLetters) {
  const struct {
    std::string text;
    std::string words;
  } cases[] = {
      {"", ""},
      {"Dat DAT", "Dat@0:0-0:3 DAT@0:4-0:7"},
      // f, k, x, z and digits are no letters; the apostrophe is one.
      {"'ej fox qa'7k", "'ej@0:0-0:3 o@0:5-0:6 qa'@0:8-0:11"},
      // U+2019 is an apostrophe: one UTF-16 unit, three bytes.
      {"Dalpu\xE2\x80\x99 x", "Dalpu\xE2\x80\x99@0:0-0:6"},
      // Other characters separate words and count their UTF-16 units.
      {"\xF0\x9F\x98\x80tIn\xC3\xA9rom", "tIn@0:2-0:5 rom@0:6-0:9"},
      {"\xE2\x80\x98qoj\xE2\x80\x9D", "qoj@0:1-0:4"},  // curly quotes
      {"a\r\nb\rc\nd\n\re",
       "a@0:0-0:1 b@1:0-1:1 c@2:0-2:1 d@3:0-3:1 e@5:0-5:1"},
  };
  for (const auto& row : cases) {
    EXPECT_EQ(Describe(row.text), row.words) << row.text;
  }
}

// The finder counts positions in one pass; the document maps positions
// back to bytes its own way. On any text the two must agree.
TEST(WordFinderTest, RangesAgreeWithTheDocument) {
  const std::string pieces[] = {"a",
                                "Q",
                                "'",
                                " ",
                                "\n",
                                "\r",
                                "\r\n",
                                "\xC3\xA9",
                                "\xE2\x80\x99",
                                "\xF0\x9F\x98\x80",
                                "k"};
  std::mt19937 random(18);
  for (int round = 0; round < 300; ++round) {
    std::string text;
    for (int i = random() % 40; i > 0; --i) {
      text += pieces[random() % std::size(pieces)];
    }
    const TextDocument document(text, 0);
    std::vector<WordSpan> words;
    FindWords(text, &words);
    for (const WordSpan& word : words) {
      EXPECT_EQ(document.OffsetOf(word.range.start), word.begin) << text;
      EXPECT_EQ(document.OffsetOf(word.range.end), word.end) << text;
    }
  }
}

TEST(WordFinderTest, ApostrophesKeepTheirTypedForm) {
  const std::string curly = "Dalpu\xE2\x80\x99";
  EXPECT_EQ(AnalysedForm(curly), "Dalpu'");
  EXPECT_EQ(AnalysedForm("\xE2\x80\x99"
                         "a\xE2\x80\x99"),
            "'a'");
  EXPECT_EQ(InTypedApostrophes("ghompu'wI'", curly),
            "ghompu\xE2\x80\x99wI\xE2\x80\x99");
  EXPECT_EQ(InTypedApostrophes("ghompu'wI'", "Dalpu'"), "ghompu'wI'");
}

}  // namespace
}  // namespace lsp
}  // namespace tesvar
