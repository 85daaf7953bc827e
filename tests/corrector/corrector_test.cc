#include "tesvar/corrector.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_lexicon.h"
#include "tesvar/parser.h"
#include "tesvar/sample_lexicon.h"

namespace tesvar {
namespace {

using testing::Entry;

std::string Join(const std::vector<std::string>& words) {
  std::string out;
  for (const std::string& word : words) out += (out.empty() ? "" : " ") + word;
  return out;
}

CLexicon Sample() {
  CLexicon lexicon;
  EXPECT_TRUE(LoadSampleLexicon(&lexicon).ok());
  return lexicon;
}

struct Case {
  std::string typed;
  std::string offered;  // the corrections, joined by blanks
};

TEST(CorrectorTest, SlipsInRootsAndSuffixes) {
  const CLexicon lexicon = Sample();
  const Corrector corrector(lexicon);
  const Case cases[] = {
      // A slip in a suffix keeps the root; in the root, prefix and
      // suffixes are kept. Equal weights of one entry go by bytes.
      {"Dalmay", "Dalmaj Dalmey"},
      {"vIghIrbe'", "vIghIlbe'"},
      {"jIrm", "jIrom"},
      // What normalisation settles costs nothing, so it comes first.
      {"DALMEY", "Dalmey Datmey DalHey"},
      {"ej", "'ej wej"},
      {"ghompu\xE2\x80\x99wI\xE2\x80\x99",
       "ghompu'wI' ghompu'lI' ghompu'wIj rompu'wI'"},
      // A character outside the alphabet is a letter typed wrongly.
      {"D\xC3\xA4t", "Dat"},
      {"Dalmeyk", "Dalmey"},
      // Nothing near enough, or nothing to read.
      {"xyzzy", ""},
      {"", ""},
      {"42", ""},
      {std::string(Corrector::kMaxLetters + 1, 'a'), ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.offered, Join(corrector.Suggest(c.typed))) << c.typed;
  }
}

// Of corrections one slip away, the likely slips come first, whatever the
// lexicon order; equal weights go by lexicon order.
TEST(CorrectorTest, LikelySlipsFirstThenLexiconOrder) {
  const CLexicon lexicon = testing::Lexicon({
      Entry("vagh", kNoun, "five"),
      Entry("qagh", kNoun, "mistake"),
      Entry("Dab", kNoun, "dwelling"),
      Entry("Daq", kNoun, "place"),
      Entry("wav", kNoun, "division"),
      Entry("wa'", kNoun, "one"),
      Entry("tlhIm", kNoun, "shelf"),
      Entry("tIm", kNoun, "time"),
  });
  const Corrector corrector(lexicon);
  const Case cases[] = {
      {"Qagh", "qagh vagh"},  // q for Q
      {"Daw", "Daq Dab"},     // w beside q
      {"wa", "wa' wav"},      // apostrophe left out
      {"tIIm", "tIm tlhIm"},  // a letter doubled
      {"tIm", "tlhIm"},       // t for tlh
      {"Dqa", "Daq"},         // swapped neighbours
      {"Dak", "Dab Daq"},     // lexicon order
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.offered, Join(corrector.Suggest(c.typed))) << c.typed;
  }
  const CLexicon reversed = testing::Lexicon({
      Entry("Daq", kNoun, "place"),
      Entry("Dab", kNoun, "dwelling"),
  });
  EXPECT_EQ("Daq Dab", Join(Corrector(reversed).Suggest("Dak")));
}

// Corrections two slips away are offered only when none is one slip away.
TEST(CorrectorTest, TwoSlipsOnlyWhenNothingIsNearer) {
  const CLexicon far = testing::Lexicon({Entry("Dal", kNoun, "house")});
  EXPECT_EQ("Dalmey Daloy", Join(Corrector(far).Suggest("Dolmy")));
  const CLexicon near = testing::Lexicon({
      Entry("Dal", kNoun, "house"),
      Entry("Dol", kNoun, "entity"),
  });
  EXPECT_EQ("Dolmey Doloy", Join(Corrector(near).Suggest("Dolmy")));
}

// Whatever the word: the corrections read flawlessly, differ from the
// word, come lightest first, at most as many as asked, and the same each
// time.
TEST(CorrectorTest, EveryCorrectionReadsFlawlessly) {
  const CLexicon lexicon = Sample();
  const Corrector corrector(lexicon);
  CTesvarParser parser(&lexicon);
  const std::string words[] = {
      "vIghIl",     "Dalpu'", "tuvHa'ghachmey", "QAGH",    "lurgh",
      "romlaH''a'", "wa'maH", "mIyy",           "naDevvo", "cha'DIc",
      "ghoom",      "HIghoj", "Qapla'",         "Dal",     "qoq"};
  for (const std::string& word : words) {
    std::vector<Correction> corrections;
    corrector.SuggestWeighted(word, 5, &corrections);
    EXPECT_LE(corrections.size(), 5u) << word;
    for (size_t i = 0; i < corrections.size(); ++i) {
      const Correction& c = corrections[i];
      EXPECT_NE(word, c.word);
      if (i > 0) {
        EXPECT_LE(corrections[i - 1].weight, c.weight) << word;
      }
      EXPECT_LE(c.weight, 2 * Corrector::kPlainSlipWeight) << word;
      ParseResults results;
      parser.ParseWord(c.word, results);
      bool flawless = false;
      for (const CParseResult& r : results) flawless |= r.m_dScore == 1.0;
      EXPECT_TRUE(flawless) << word << " -> " << c.word;
    }
    std::vector<std::string> first_three;
    for (size_t i = 0; i < 3 && i < corrections.size(); ++i) {
      first_three.push_back(corrections[i].word);
    }
    EXPECT_EQ(first_three, corrector.Suggest(word, 3)) << word;
    EXPECT_TRUE(corrector.Suggest(word, 0).empty()) << word;
  }
}

// Work is bounded and reported: a word whose near spellings all have
// costly flawed readings stops at the limits instead of reading them all.
TEST(CorrectorTest, WorkIsBoundedAndReported) {
  const CLexicon lexicon = Sample();
  const Corrector corrector(lexicon);
  std::vector<Correction> corrections;
  SuggestWork work;
  corrector.SuggestWeighted("Dalmay", 10, &corrections, &work);
  EXPECT_GT(work.units, 0u);
  EXPECT_FALSE(work.cut_short);
  std::string hostile = "Dal";
  for (int i = 0; i < 9; ++i) hostile += "pu'";
  corrector.SuggestWeighted(hostile, 10, &corrections, &work);
  EXPECT_TRUE(work.cut_short);
  EXPECT_LT(work.units, uint64_t{3} << 20);
  corrector.SuggestWeighted("", 10, &corrections, &work);
  EXPECT_EQ(0u, work.units);
}

// Words of more letters than the limit cost nothing, however many bytes
// they take; a word at the limit is searched, whatever its bytes.
TEST(CorrectorTest, OnlyWordsWithinTheLetterLimitAreSearched) {
  const CLexicon lexicon = Sample();
  const Corrector corrector(lexicon);
  std::vector<Correction> corrections;
  SuggestWork work;
  const std::string wide = "\xF0\x9F\x98\x80";  // one letter of four bytes
  std::string at_limit;
  for (size_t i = 0; i < Corrector::kMaxLetters; ++i) at_limit += wide;
  corrector.SuggestWeighted(at_limit, 10, &corrections, &work);
  EXPECT_GT(work.units, 0u);
  corrector.SuggestWeighted(at_limit + "a", 10, &corrections, &work);
  EXPECT_EQ(0u, work.units);
  corrector.SuggestWeighted(std::string(10 << 20, 'a'), 10, &corrections,
                            &work);
  EXPECT_EQ(0u, work.units);
  EXPECT_TRUE(corrections.empty());
}

}  // namespace
}  // namespace tesvar
