#include "tools/lsp/word_cache.h"

#include <gtest/gtest.h>

#include <string>

#include "tesvar/sample_lexicon.h"

namespace tesvar {
namespace lsp {
namespace {

class WordCacheTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(LoadSampleLexicon(&lexicon_).ok()); }
  CLexicon lexicon_;
};

TEST_F(WordCacheTest, JudgesWords) {
  WordCache cache(&lexicon_);
  const struct {
    std::string word;
    WordKind kind;
  } cases[] = {
      {"Dalmey", WordKind::kCorrect},
      {"mIy", WordKind::kCorrect},  // two flawless readings
      {"Dalpu'", WordKind::kFlawed},
      {"DAT", WordKind::kFlawed},  // only the case is wrong
      {"naDevDaq", WordKind::kUnknown},
      {"", WordKind::kUnknown},
  };
  for (const auto& row : cases) {
    EXPECT_EQ(cache.Analyse(row.word)->kind, row.kind) << row.word;
  }
}

// A word past the parser's limits is not checked, with the parser's
// reason; the limits are the host's to choose.
TEST_F(WordCacheTest, WordsPastTheLimitsAreNotChecked) {
  // A budget just short of what "Dalpu'" needs (it has a suggestion to
  // check), which the other words stay within.
  const CTesvarParser probe(&lexicon_);
  ParseScratch scratch;
  ParseResults readings;
  const auto work = [&](std::string_view word) {
    EXPECT_TRUE(probe.Parse(word, &readings, &scratch).ok());
    return scratch.last_work();
  };
  ParseLimits limits;
  limits.max_word_bytes = 8;
  limits.max_work = work("Dalpu'") - 1;
  ASSERT_LE(work("Dalmey"), limits.max_work);
  ASSERT_LE(work("naDevDaq"), limits.max_work);
  WordCache cache(&lexicon_, limits);
  const struct {
    std::string word;
    WordKind kind;
    std::string reason;
  } cases[] = {
      {"Dalmey", WordKind::kCorrect, ""},
      {"naDevDaq", WordKind::kUnknown, ""},
      {"naDevDaqq", WordKind::kNotChecked, "word longer than 8 bytes"},
      {"Dalpu'pu'", WordKind::kNotChecked, "word longer than 8 bytes"},
      {"Dalpu'", WordKind::kNotChecked, "word too complex"},
  };
  for (const auto& row : cases) {
    const auto report = cache.Analyse(row.word);
    EXPECT_EQ(report->kind, row.kind) << row.word;
    EXPECT_EQ(report->reason, row.reason) << row.word;
    EXPECT_TRUE(row.reason.empty() || report->readings.empty()) << row.word;
  }
}

TEST_F(WordCacheTest, AnalysesEachWordOnce) {
  WordCache cache(&lexicon_);
  const auto first = cache.Analyse("Dalpu'");
  const auto again = cache.Analyse("Dalpu'");
  EXPECT_EQ(first, again);
  EXPECT_EQ(cache.analysed(), 1u);
  ASSERT_EQ(first->readings.size(), 1u);
  EXPECT_EQ(first->readings[0].m_strKey, "Dal:N");
}

// Spelling corrections are the corrector's, found once per word, also for
// a word not analysed before; a trimmed word is looked at afresh.
TEST_F(WordCacheTest, FindsSpellingCorrectionsOncePerWord) {
  WordCache cache(&lexicon_);
  const Corrector corrector(lexicon_);
  const auto dalmay = cache.Spelling("Dalmay");
  EXPECT_EQ(*dalmay, corrector.Suggest("Dalmay"));
  EXPECT_EQ(dalmay->at(1), "Dalmey");
  EXPECT_EQ(cache.analysed(), 1u);
  EXPECT_EQ(cache.Spelling("Dalmay"), dalmay);
  EXPECT_EQ(cache.Analyse("Dalmay")->kind, WordKind::kUnknown);
  EXPECT_EQ(cache.spelled(), 1u);
  EXPECT_EQ(cache.analysed(), 1u);
  for (size_t i = 0; i < kMaxCachedWords; ++i) {
    cache.Analyse("q" + std::to_string(i));
  }
  cache.Trim();
  EXPECT_EQ(*cache.Spelling("Dalmay"), *dalmay);
  EXPECT_EQ(cache.spelled(), 2u);
}

TEST_F(WordCacheTest, TrimKeepsTheRecentlyUsedWords) {
  WordCache cache(&lexicon_);
  cache.Analyse("Dat");
  for (size_t i = 0; i < kMaxCachedWords; ++i) {
    cache.Analyse("q" + std::to_string(i));
  }
  cache.Analyse("Dat");  // used again: now among the newest
  cache.Trim();
  EXPECT_EQ(cache.size(), kMaxCachedWords / 4 * 3);
  const uint64_t analysed = cache.analysed();
  cache.Analyse("Dat");
  cache.Analyse("q" + std::to_string(kMaxCachedWords - 1));
  EXPECT_EQ(cache.analysed(), analysed);
  cache.Analyse("q0");  // among the oldest: forgotten
  EXPECT_EQ(cache.analysed(), analysed + 1);
}

}  // namespace
}  // namespace lsp
}  // namespace tesvar
