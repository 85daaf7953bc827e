// Number words: each element after the root, the whole words with glosses
// of their own, the ordinal spelling rule, refusals, and the parser's
// number branch.

#include "numbers/parsed_num.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/test_lexicon.h"
#include "tesvar/parser.h"

namespace tesvar {
namespace {

using testing::Entry;

CLexicon NumberLexicon() {
  return testing::Lexicon({
      Entry("wa'", kNumber, "one"),
      Entry("cha'", kNumber, "two"),
      Entry("wej", kNumber, "three"),
      Entry("loS", kNumber, "four"),
      Entry("vagh", kNumber, "five"),
      Entry("Hut", kNumber, "nine"),
      Entry("pagh", kNumber, "zero"),
  });
}

struct NumberCase {
  std::string root;
  std::string word;
  int parsed;
  std::string gloss;  // checked only when parsed
};

TEST(ParsedNumTest, ReadsAndGlosses) {
  const CLexicon lexicon = NumberLexicon();
  const NumberCase cases[] = {
      {"wa'", "wa'", 1, "one"},
      {"wa'", "wa'maH", 1, "ten"},
      {"Hut", "HutmaH", 1, "ninety"},
      {"pagh", "paghmaH", 1, "zero"},
      {"wa'", "wa'vatlh", 1, "one hundred"},
      {"cha'", "cha'SaD", 1, "two thousand"},
      {"wej", "wejSanID", 1, "three thousand"},
      {"loS", "loSbIp", 1, "four hundred thousand"},
      {"vagh", "vagh'uy'", 1, "five million"},
      {"wej", "wejmaHvatlh", 1, "thirty hundred"},
      {"cha'", "cha'leS", 1, "two days from now"},
      {"cha'", "cha'Hu'", 1, "two days ago"},
      {"wej", "wejnem", 1, "three years from now"},
      {"wej", "wejben", 1, "three years ago"},
      {"loS", "loSlogh", 1, "four times"},
      {"loS", "loSDIch", 1, "fourth"},
      {"wa'", "wa'leS", 1, "tomorrow"},
      {"wa'", "wa'Hu'", 1, "yesterday"},
      {"wa'", "wa'nem", 1, "next year"},
      {"wa'", "wa'ben", 1, "last year"},
      {"wa'", "wa'DIch", 1, "first"},
      {"cha'", "cha'logh", 1, "twice"},
      // Special words are whole words: a longer word builds its gloss.
      {"wa'", "wa'maHDIch", 1, "tenth"},
      {"cha'", "cha'maHDIch", 1, "twentieth"},
      {"wa'", "wa'vatlhleS", 1, "one hundred days from now"},
      {"wa'", "wa'vatlhSaD", 0, ""},
      {"wa'", "wa'DIchlogh", 0, ""},
      {"wa'", "wa'qa", 0, ""},
      {"wa'", "cha'wa'", 0, ""},
  };
  for (const NumberCase& c : cases) {
    CParsedNum number;
    const std::optional<CTWord> entry = lexicon.Find(c.root + ":4");
    ASSERT_TRUE(entry.has_value()) << c.root;
    EXPECT_EQ(c.parsed, number.Parse(c.word, *entry)) << c.word;
    if (c.parsed) {
      EXPECT_EQ(c.gloss, number.ToString()) << c.word;
      EXPECT_EQ(c.word, number.ToStringTesvar()) << c.word;
      EXPECT_EQ(1.0, number.m_dScore) << c.word;
      EXPECT_EQ("NUM", number.POS()) << c.word;
    }
    EXPECT_EQ(0, number.HasErrors() + number.HasSuggestions()) << c.word;
  }
}

TEST(ParsedNumTest, RefusesOtherEntriesUntouched) {
  CParsedNum number;
  number.Clear();
  EXPECT_EQ(0, number.Parse("wa'", Entry("wa'", kNoun, "one")));
  EXPECT_EQ(0, number.m_nPOS);
  EXPECT_EQ("", number.m_strWord);
}

TEST(ParsedNumTest, ThroughTheParser) {
  const CLexicon lexicon = NumberLexicon();
  CTesvarParser parser(&lexicon);
  ParseResults results;
  ASSERT_EQ(1, parser.ParseWord("cha'maHDIch", results));
  EXPECT_EQ("NUM cha':4 \"twentieth\" 1 errors=[] suggestions=[]",
            testing::Dump(results[0]));
}

}  // namespace
}  // namespace tesvar
