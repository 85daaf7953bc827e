#include "words/parsed_word.h"

#include <gtest/gtest.h>

#include "support/test_lexicon.h"
#include "tesvar/lexicon_tsv.h"

namespace tesvar {
namespace {

using testing::Entry;

TEST(ParsedWordTest, MatchesOnlyTheWholeHeadwordExactly) {
  const testing::TestWord entry = Entry("vaj", 3, "so, then, thus");
  struct Case {
    std::string_view word;
    int result;
  };
  const Case cases[] = {
      {"vaj", 1}, {"vajvaj", 0}, {"va", 0}, {"Vaj", 0}, {"", 0},
  };
  for (const Case& c : cases) {
    CParsedWord word;
    EXPECT_EQ(word.Parse(c.word, entry), c.result) << c.word;
    if (c.result == 0) {
      EXPECT_EQ(word.m_dScore, 0.0) << c.word;
      EXPECT_TRUE(word.m_strWord.empty()) << c.word;
    }
  }
}

TEST(ParsedWordTest, MatchFillsTheRecordAndLeavesTheListsAlone) {
  // The record refers to the entry's texts, so the entry is kept.
  const testing::TestWord entry = Entry("vaj", 5, "so, then, thus");
  CParsedWord word;
  word.m_lstErrors.push_back("kept");
  ASSERT_EQ(word.Parse("vaj", entry), 1);
  EXPECT_EQ(word.m_strWord, "vaj");
  EXPECT_EQ(word.m_strHeadword, "vaj");
  EXPECT_EQ(word.m_strGloss, "so, then, thus");
  EXPECT_EQ(word.m_dScore, 1.0);
  EXPECT_EQ(word.POS(), "CONJ");
  EXPECT_EQ(word.ToString(), "so, then, thus");
  EXPECT_EQ(word.ToStringTesvar(), "vaj");
  EXPECT_EQ(word.HasErrors(), 1);
  EXPECT_EQ(word.HasSuggestions(), 0);

  word.Clear();
  EXPECT_EQ(word.HasErrors(), 0);
  EXPECT_EQ(word.m_nPOS, 0);
  EXPECT_EQ(word.m_dScore, 0.0);
  EXPECT_TRUE(word.m_strGloss.empty());
}

TEST(ParsedWordTest, EmptyHeadwordMatchesOnlyTheEmptyWord) {
  const testing::TestWord entry = Entry("", 6, "nothing");
  CParsedWord word;
  EXPECT_EQ(word.Parse("a", entry), 0);
  EXPECT_EQ(word.Parse("", entry), 1);
}

// Suggestions reuse the storage of those a Clear let go: each has the size
// asked for, and an empty one none of the old text.
TEST(ParsedWordTest, ReusedSuggestionsHaveTheSizeAskedFor) {
  CParsedWord word;
  word.AddSuggestion() = "an old suggestion";
  word.AddSuggestion() = "a much longer old suggestion";
  word.AddSuggestion() = "ab";
  word.Clear();
  // The spares come back last first.
  EXPECT_EQ(word.AddSuggestionOfSize(5).size(), 5u);
  EXPECT_EQ(word.AddSuggestionOfSize(3).size(), 3u);
  EXPECT_EQ(word.AddSuggestion(), "");
  EXPECT_EQ(word.AddSuggestionOfSize(4).size(), 4u);  // no spare left
  EXPECT_EQ(word.m_lstSuggestions.size(), 4u);
}

}  // namespace
}  // namespace tesvar
