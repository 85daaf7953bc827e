#include "tools/spell_checker.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_lexicon.h"
#include "tools/line_reader.h"

namespace tesvar {
namespace cli {
namespace {

using testing::Entry;

// "correct", "root ROOT", "corrections A B" or "unknown".
std::string Describe(const SpellAnswer& answer) {
  switch (answer.verdict) {
    case Verdict::kCorrect:
      return "correct";
    case Verdict::kRoot:
      return "root " + answer.root;
    case Verdict::kCorrections: {
      std::string out = "corrections";
      for (const std::string& c : answer.corrections) out += " " + c;
      return out;
    }
    case Verdict::kUnknown:
      return "unknown";
  }
  return "?";
}

struct Case {
  std::string word;
  std::string verdict;
};

void ExpectVerdicts(SpellChecker* checker, const std::vector<Case>& cases) {
  SpellAnswer answer;
  for (const Case& c : cases) {
    checker->Check(c.word, &answer);
    EXPECT_EQ(c.verdict, Describe(answer)) << c.word;
  }
}

TEST(SpellCheckerTest, VerdictFromTheReadings) {
  const CLexicon lexicon = testing::Lexicon({
      Entry("Dal", kNoun, "house"),
      Entry("rom", kVerb, "eat"),
      Entry("'ej", kConjunction, "and"),
  });
  SpellChecker checker(&lexicon);
  ExpectVerdicts(&checker, {
                               {"Dal", "correct"},
                               {"'ej", "correct"},
                               {"Dalmey", "root Dal"},
                               {"jIrom", "root rom"},
                               {"DAL", "corrections Dal"},
                               {"ej", "corrections 'ej"},
                               {"qaghwi", "unknown"},
                               {"", "unknown"},
                           });
}

// A word past the command line's word limit would cost seconds to parse
// (each repeated suffix adds corrections); it is unknown without a parse.
TEST(SpellCheckerTest, WordsPastTheLimitAreUnknown) {
  const CLexicon lexicon = testing::Lexicon({Entry("Dal", kNoun, "house")});
  SpellChecker checker(&lexicon);
  std::string long_word = "Dal";
  while (long_word.size() <= kMaxLineBytes * 4) long_word += "mey";
  ExpectVerdicts(&checker, {{long_word, "unknown"}, {"Dalmey", "root Dal"}});
}

TEST(SpellCheckerTest, TheWordItselfWinsOverARoot) {
  // The verb reading through a prefix comes first; the noun that is the
  // whole word still makes it plainly correct.
  const CLexicon lexicon = testing::Lexicon({
      Entry("rom", kVerb, "eat"),
      Entry("jIrom", kNoun, "meal"),
  });
  SpellChecker checker(&lexicon);
  ExpectVerdicts(&checker, {{"jIrom", "correct"}, {"vIrom", "root rom"}});
}

TEST(SpellCheckerTest, CorrectionsAreListedOnce) {
  // Two entries with one headword: both readings suggest "Dal".
  const CLexicon lexicon = testing::Lexicon({
      Entry("Dal", kNoun, "house"),
      Entry("Dal", kAdverbial, "at home"),
      Entry("naQ", kAdverbial, "quickly"),
  });
  SpellChecker checker(&lexicon);
  ExpectVerdicts(&checker, {{"DAL", "corrections Dal"}});
}

TEST(SpellCheckerTest, AcceptedWordsAreCorrectByteForByte) {
  const CLexicon lexicon = testing::Lexicon({Entry("Dal", kNoun, "house")});
  SpellChecker checker(&lexicon);
  checker.Accept("qaghwi");
  checker.Accept("DAL");
  ExpectVerdicts(&checker, {
                               {"qaghwi", "correct"},
                               {"Qaghwi", "unknown"},
                               {"qaghw", "unknown"},
                               {"DAL", "correct"},
                               {"DAl", "corrections Dal"},
                           });
}

}  // namespace
}  // namespace cli
}  // namespace tesvar
