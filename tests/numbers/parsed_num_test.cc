// Number words: the glosses most easily broken, and refusals; the golden
// cases hold the rest.

#include "numbers/parsed_num.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/test_lexicon.h"

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
      // Whole words with a gloss of their own, the ordinal spelling rule,
      // and a suffix that must end the word.
      {"wa'", "wa'DIch", 1, "first"},
      {"wa'", "wa'maHDIch", 1, "tenth"},
      {"cha'", "cha'maHDIch", 1, "twentieth"},
      {"wa'", "wa'vatlhleS", 1, "one hundred days from now"},
      {"wa'", "wa'DIchlogh", 0, ""},
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

}  // namespace
}  // namespace tesvar
