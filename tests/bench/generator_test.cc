// The benchmark inputs must be trustworthy: the same bytes on every run,
// lexicons the loader accepts with headwords the parser takes as they are,
// and words of the well-formed kinds that the parser can read.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "bench/lexicon_generator.h"
#include "bench/realistic_words.h"
#include "bench/word_generator.h"
#include "tesvar/lexicon.h"
#include "tesvar/lexicon_tsv.h"
#include "tesvar/parser.h"

namespace tesvar {
namespace bench {
namespace {

// Exposes the parser's spelling normaliser.
class Normaliser : public CTesvarParser {
 public:
  static std::string Normalise(std::string word) {
    AdjustCase(word);
    return word;
  }
};

// The published splitmix64 reference outputs for seed 1234567: every
// generated input depends on this stream staying exactly the same.
TEST(RandomTest, MatchesReferenceStream) {
  const uint64_t expected[] = {6457827717110365317ULL, 3203168211198807973ULL,
                               9817491932198370423ULL, 4593380528125082431ULL,
                               16408922859458223821ULL};
  Random random(1234567);
  for (const uint64_t value : expected) EXPECT_EQ(random.Next(), value);
}

TEST(RandomTest, DrawsStayInRangeAndFollowWeights) {
  struct Row {
    uint32_t weight;
  };
  const Row rows[] = {{0}, {3}, {0}, {1}};
  size_t picked[4] = {};
  Random random(5);
  for (int i = 0; i < 4000; ++i) {
    ++picked[random.PickWeighted(rows)];
    EXPECT_LT(random.Uniform(7), 7u);
  }
  EXPECT_EQ(picked[0], 0u);
  EXPECT_EQ(picked[2], 0u);
  EXPECT_GT(picked[1], 2 * picked[3]);
  EXPECT_GT(picked[3], 0u);
}

// Each band [2^b - 1, 2^(b+1) - 1) below n gets about the same share of
// the draws, so the chance of a number falls as it grows: 0 alone gets as
// many as the 32,768 numbers of band 15 together.
TEST(RandomTest, ZipfDrawsFallWithTheNumber) {
  for (const uint64_t n : {1u, 2u, 3u, 1000u}) {
    Random random(n);
    for (int i = 0; i < 1000; ++i) EXPECT_LT(random.Zipf(n), n) << n;
  }
  constexpr uint64_t kN = uint64_t{1} << 16;  // 17 bands, the last cut to one
  constexpr int kDraws = 170000;
  Random random(11);
  size_t zero = 0;
  size_t band_15 = 0;
  for (int i = 0; i < kDraws; ++i) {
    const uint32_t drawn = random.Zipf(kN);
    zero += drawn == 0 ? 1 : 0;
    band_15 += drawn >= kN / 2 - 1 && drawn < kN - 1 ? 1 : 0;
  }
  EXPECT_NEAR(static_cast<double>(zero), kDraws / 17.0, kDraws / 170.0);
  EXPECT_NEAR(static_cast<double>(band_15), kDraws / 17.0, kDraws / 170.0);
}

CLexicon Load(size_t entries, uint64_t seed) {
  CLexicon lexicon;
  const Status status =
      ParseLexiconTsv(GenerateLexiconTsv(entries, seed), "gen.tsv", &lexicon);
  EXPECT_TRUE(status.ok()) << entries << " entries, seed " << seed << ": "
                           << status.ToString();
  return lexicon;
}

TEST(LexiconGeneratorTest, SameSeedSameBytesOtherSeedOtherBytes) {
  EXPECT_EQ(GenerateLexiconTsv(500, 1), GenerateLexiconTsv(500, 1));
  EXPECT_NE(GenerateLexiconTsv(500, 1), GenerateLexiconTsv(500, 2));
}

TEST(LexiconGeneratorTest, SmallerLexiconIsPrefixOfLarger) {
  const CLexicon small = Load(300, 9);
  const CLexicon large = Load(3000, 9);
  ASSERT_EQ(small.size(), 300u);
  for (size_t i = 0; i < small.size(); ++i) {
    EXPECT_EQ(small.entries()[i].key, large.entries()[i].key) << i;
  }
}

TEST(LexiconGeneratorTest, LoadsWithCanonicalHeadwords) {
  const struct {
    size_t entries;
    uint64_t seed;
  } cases[] = {{0, 1}, {1, 1}, {40, 3}, {5000, 42}, {20000, 7}};
  for (const auto& c : cases) {
    const CLexicon lexicon = Load(c.entries, c.seed);
    EXPECT_EQ(lexicon.size(), c.entries) << c.entries;
    for (const CLexicon::Entry& entry : lexicon.entries()) {
      const CTWord& word = entry.word;
      EXPECT_FALSE(word.m_strHeadword.empty()) << entry.key;
      EXPECT_EQ(Normaliser::Normalise(std::string(word.m_strHeadword)),
                word.m_strHeadword)
          << entry.key;
      EXPECT_EQ(Normaliser::Normalise(std::string(word.m_strIrregularPlural)),
                word.m_strIrregularPlural)
          << entry.key;
    }
  }
}

// Every part of speech and every flag occurs, nouns and verbs dominate.
TEST(LexiconGeneratorTest, HasEveryKindOfEntry) {
  const CLexicon lexicon = Load(5000, 42);
  size_t by_pos[kQuestion + 1] = {};
  int32_t flags[5] = {};
  for (const CLexicon::Entry& entry : lexicon.entries()) {
    const CTWord& w = entry.word;
    ASSERT_GE(w.m_nPOS, kNoun) << entry.key;
    ASSERT_LE(w.m_nPOS, kQuestion) << entry.key;
    ++by_pos[w.m_nPOS];
    flags[0] += w.m_bLanguage;
    flags[1] += w.m_bBodyPart;
    flags[2] += w.m_bInherentPlural;
    flags[3] += w.m_bIrregularPlural;
    flags[4] += w.m_bStative;
    if (!w.m_strIrregularPlural.empty()) {
      EXPECT_TRUE(w.m_bIrregularPlural) << entry.key;
    }
  }
  for (int32_t pos = kNoun; pos <= kQuestion; ++pos) {
    EXPECT_GT(by_pos[pos], 0u) << PartOfSpeechLabel(pos);
  }
  for (int32_t count : flags) EXPECT_GT(count, 0);
  EXPECT_GT(by_pos[kNoun] + by_pos[kVerb], lexicon.size() * 4 / 5);
  EXPECT_LT(by_pos[kPronoun] + by_pos[kNumber], lexicon.size() / 50);
}

TEST(WordGeneratorTest, SameSeedSameWords) {
  const CLexicon lexicon = Load(1000, 42);
  EXPECT_EQ(GenerateWordList(lexicon, 500, 7),
            GenerateWordList(lexicon, 500, 7));
  EXPECT_NE(GenerateWordList(lexicon, 500, 7),
            GenerateWordList(lexicon, 500, 8));
}

// Words built from entries and affixes in their proper order are read by
// the parser; only their grammar may be faulted, never their shape.
TEST(WordGeneratorTest, WellFormedKindsParse) {
  const struct {
    const char* name;
    WordKind kind;
  } kinds[] = {
      {"plain", WordKind::kPlain},   {"noun", WordKind::kNoun},
      {"verb", WordKind::kVerb},     {"long verb", WordKind::kLongVerb},
      {"number", WordKind::kNumber},
  };
  const CLexicon lexicon = Load(2000, 42);
  WordGenerator generator(lexicon, 3);
  CTesvarParser parser(&lexicon);
  for (const auto& kind : kinds) {
    for (int i = 0; i < 100; ++i) {
      const std::string word = generator.Make(kind.kind);
      ParseResults results;
      EXPECT_GT(parser.ParseWord(word, results), 0)
          << kind.name << ": " << word;
    }
  }
}

// The mixed list carries the faults of typed text: some words need
// normalising and some have no reading at all.
TEST(WordGeneratorTest, MixedListHasFaultyWords) {
  const CLexicon lexicon = Load(2000, 42);
  size_t changed = 0;
  size_t unread = 0;
  CTesvarParser parser(&lexicon);
  for (const std::string& word : GenerateWordList(lexicon, 1000, 7)) {
    if (Normaliser::Normalise(word) != word) ++changed;
    ParseResults results;
    if (parser.ParseWord(word, results) == 0) ++unread;
  }
  EXPECT_GT(changed, 50u);
  EXPECT_GT(unread, 20u);
  EXPECT_LT(unread, 300u);
}

// The realistic list is flawless words with a share of them mistyped: with
// no typos every word has a flawless best reading; with the default share
// some have not, but far fewer than in the mix.
TEST(RealisticWordListTest, FlawlessWordsAndAFewTypos) {
  const CLexicon lexicon = Load(2000, 42);
  const CTesvarParser parser(&lexicon);
  ParseScratch scratch;
  const auto not_flawless = [&](const std::vector<std::string>& words) {
    size_t count = 0;
    for (const std::string& word : words) {
      ParseResults results;
      EXPECT_TRUE(parser.Parse(word, &results, &scratch).ok()) << word;
      double best = 0;
      for (const CParseResult& r : results) best = std::max(best, r.m_dScore);
      count += best == 1.0 ? 0 : 1;
    }
    return count;
  };
  EXPECT_EQ(not_flawless(GenerateRealisticWordList(lexicon, 1000, 7, 0)), 0u);
  const std::vector<std::string> realistic =
      GenerateRealisticWordList(lexicon, 1000, 7);
  EXPECT_EQ(realistic, GenerateRealisticWordList(lexicon, 1000, 7));
  const size_t typos = not_flawless(realistic);
  EXPECT_GT(typos, 10u);
  EXPECT_LT(typos, 100u);
}

// Drawn as the words of a text, the list is made mostly of the first
// entries of each kind: the first noun and the first verb, one in a
// thousand of the entries, are the root of about one word in ten. The
// words are still flawless without typos.
TEST(RealisticWordListTest, ZipfDrawFavoursTheFirstEntries) {
  const CLexicon lexicon = Load(2000, 42);
  std::string first[2];
  for (const CLexicon::Entry entry : lexicon.entries()) {
    const int kind = entry.word.m_nPOS == kNoun   ? 0
                     : entry.word.m_nPOS == kVerb ? 1
                                                  : -1;
    if (kind >= 0 && first[kind].empty()) {
      first[kind] = std::string(entry.word.m_strHeadword);
    }
  }
  const auto made_of_first = [&](const std::vector<std::string>& words) {
    size_t count = 0;
    for (const std::string& word : words) {
      const bool hit = word.find(first[0]) != std::string::npos ||
                       word.find(first[1]) != std::string::npos;
      count += hit ? 1 : 0;
    }
    return count;
  };
  const std::vector<std::string> zipf =
      GenerateRealisticWordList(lexicon, 1000, 7, 0, EntryDraw::kZipf);
  EXPECT_EQ(zipf,
            GenerateRealisticWordList(lexicon, 1000, 7, 0, EntryDraw::kZipf));
  EXPECT_GT(made_of_first(zipf), 50u);
  EXPECT_LT(made_of_first(GenerateRealisticWordList(lexicon, 1000, 7, 0)), 10u);
  const CTesvarParser parser(&lexicon);
  ParseScratch scratch;
  for (const std::string& word : zipf) {
    ParseResults results;
    ASSERT_TRUE(parser.Parse(word, &results, &scratch).ok()) << word;
    double best = 0;
    for (const CParseResult& r : results) best = std::max(best, r.m_dScore);
    EXPECT_EQ(best, 1.0) << word;
  }
}

}  // namespace
}  // namespace bench
}  // namespace tesvar
