#include "tesvar/lexicon.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/test_lexicon.h"

namespace tesvar {
namespace {

using testing::Entry;

// The reference: test every entry in turn.
std::vector<uint32_t> ScanAll(const CLexicon& lexicon, std::string_view word) {
  std::vector<uint32_t> positions;
  for (uint32_t i = 0; i < lexicon.size(); ++i) {
    if (word.find(lexicon.entries()[i].word.m_strHeadword) !=
        std::string_view::npos) {
      positions.push_back(i);
    }
  }
  return positions;
}

std::vector<uint32_t> Indexed(const CLexicon& lexicon, std::string_view word) {
  std::vector<uint32_t> positions = {999};  // overwritten, not appended to
  lexicon.FindHeadwordsIn(word, &positions);
  return positions;
}

TEST(LexiconTest, KeysAreUniqueAndOrderIsInsertionOrder) {
  CLexicon lexicon;
  EXPECT_TRUE(lexicon.Add("b", Entry("qet", kVerb, "run")));
  EXPECT_TRUE(lexicon.Add("a", Entry("qet", kNoun, "running")));
  EXPECT_FALSE(lexicon.Add("b", Entry("other", kNoun, "x")));
  ASSERT_EQ(lexicon.size(), 2u);
  EXPECT_EQ(lexicon.entries()[0].key, "b");
  EXPECT_EQ(lexicon.entries()[1].key, "a");
  EXPECT_EQ(lexicon.Find("b")->m_strDefinition, "run");
  EXPECT_EQ(lexicon.Find("c"), nullptr);
  lexicon.Clear();
  EXPECT_TRUE(lexicon.empty());
  EXPECT_EQ(Indexed(lexicon, "qet"), std::vector<uint32_t>{});
}

TEST(LexiconTest, HeadwordIndexAgreesWithAFullScan) {
  CLexicon lexicon;
  const char* headwords[] = {"qet", "qetlaH", "", "et", "qet", "a",
                             "tlh", "'",      "", "a'", "'a'", "qetqet"};
  int key = 0;
  for (const char* headword : headwords) {
    lexicon.Add(std::to_string(key++), Entry(headword, kNoun, "x"));
  }
  const char* words[] = {"",    "qet", "qetlaH", "qetqetqet",
                         "'a'", "a",   "xyz",    "tlhet",
                         "'e'", "qe",  "laHqet", "a'a'a'"};
  for (const char* word : words) {
    EXPECT_EQ(Indexed(lexicon, word), ScanAll(lexicon, word)) << word;
  }
}

TEST(LexiconTest, IndexFollowsCopiesAndLaterAdditions) {
  CLexicon original;
  original.Add("1", Entry("qet", kVerb, "run"));
  CLexicon copy = original;
  copy.Add("2", Entry("et", kNoun, "x"));
  original = CLexicon();  // the copy must not depend on the original
  EXPECT_EQ(Indexed(copy, "qet"), (std::vector<uint32_t>{0, 1}));
  CLexicon moved = std::move(copy);
  EXPECT_EQ(Indexed(moved, "qet"), (std::vector<uint32_t>{0, 1}));
}

TEST(LexiconTest, HeadwordIndexAgreesWithAFullScanOnRandomInput) {
  // Small alphabet so that headwords occur in words often.
  const std::string alphabet = "aqt'";
  uint64_t state = 12345;
  auto next = [&state]() {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<uint32_t>(state >> 33);
  };
  auto random_text = [&](size_t max_length) {
    std::string text;
    for (size_t n = next() % (max_length + 1); n > 0; --n) {
      text += alphabet[next() % alphabet.size()];
    }
    return text;
  };
  CLexicon lexicon;
  for (int i = 0; i < 300; ++i) {
    lexicon.Add(std::to_string(i), Entry(random_text(5), kNoun, "x"));
  }
  for (int i = 0; i < 2000; ++i) {
    const std::string word = random_text(12);
    ASSERT_EQ(Indexed(lexicon, word), ScanAll(lexicon, word)) << word;
  }
}

}  // namespace
}  // namespace tesvar
