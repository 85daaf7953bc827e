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

CLexicon TestLexicon() {
  return testing::Lexicon({
      Entry("Dal", kNoun, "house"),
      Entry("rom", kVerb, "eat"),
      Entry("'ej", kConjunction, "and"),
      Entry("ghom", kNoun, "teacher", testing::kLanguage),
  });
}

TEST(SpellCheckerTest, VerdictFromTheReadingsAndTheCorrector) {
  const CLexicon lexicon = TestLexicon();
  SpellChecker checker(&lexicon);
  ExpectVerdicts(
      &checker,
      {
          {"Dal", "correct"},
          {"'ej", "correct"},
          {"Dalmey", "root Dal"},
          {"jIrom", "root rom"},
          {"ghompu\xE2\x80\x99", "root ghom"},
          {"DAL", "corrections Dal"},
          {"ej", "corrections 'ej"},
          // Slips in a suffix or a root.
          {"Dalmay", "corrections Dalmaj Dalmey"},
          {"romm", "corrections rom"},
          // The grammar's own correction first, then the near words, once.
          {"Dalpu'", "corrections Dalmey Dal'a' Dal'e' Dalmo' Dalna' Dalvo'"},
          {"qaghwi", "unknown"},
          {"", "unknown"},
      });
}

// A word with a letter outside the alphabet is never correct, even when
// the parser would read it without that letter.
TEST(SpellCheckerTest, ForeignLettersMakeAWordMisspelt) {
  const CLexicon lexicon = TestLexicon();
  SpellChecker checker(&lexicon);
  ExpectVerdicts(&checker, {
                               {"Dalmeyk", "corrections Dalmey"},
                               {"D\xC3\xA4l", "corrections Dal"},
                               {"xyzzy", "unknown"},
                           });
}

// A word past the command line's word limit would cost seconds to parse
// (each repeated suffix adds corrections); it is unknown without a parse.
TEST(SpellCheckerTest, WordsPastTheLimitAreUnknown) {
  const CLexicon lexicon = TestLexicon();
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

TEST(SpellCheckerTest, AcceptedWordsAreCorrectAsGiven) {
  const CLexicon lexicon = TestLexicon();
  SpellChecker checker(&lexicon);
  EXPECT_TRUE(checker.Accept("qaghwi"));
  EXPECT_TRUE(checker.Accept("DAL"));
  EXPECT_TRUE(checker.Accept("xyz\xE2\x80\x99"));
  EXPECT_FALSE(checker.Accept(""));
  EXPECT_FALSE(checker.Accept(std::string(kMaxLineBytes + 1, 'a')));
  ExpectVerdicts(&checker, {
                               {"qaghwi", "correct"},
                               {"Qaghwi", "unknown"},
                               {"DAL", "correct"},
                               {"DAl", "corrections Dal"},
                               // Either apostrophe, either way round.
                               {"xyz'", "correct"},
                               {"xyz\xCA\xBC", "correct"},
                           });
}

// A check reports its work: the parse's, and the corrector's for a
// misspelt word; a session word takes none.
TEST(SpellCheckerTest, ChecksReportTheirWork) {
  const CLexicon lexicon = TestLexicon();
  SpellChecker checker(&lexicon);
  SpellAnswer answer;
  const uint64_t correct = checker.Check("Dal", &answer);
  const uint64_t misspelt = checker.Check("Dalmay", &answer);
  EXPECT_GT(correct, 0u);
  EXPECT_GT(misspelt, correct);
  checker.Accept("Dalmay");
  EXPECT_EQ(0u, checker.Check("Dalmay", &answer));
}

TEST(SpellCheckerTest, TheSessionHoldsBoundedWords) {
  const CLexicon lexicon = TestLexicon();
  SpellChecker checker(&lexicon);
  size_t accepted = 0;
  for (size_t i = 0; i < kMaxSessionWords + 10; ++i) {
    accepted += checker.Accept("w" + std::to_string(i));
  }
  EXPECT_EQ(kMaxSessionWords, accepted);
  // A word already held is still accepted.
  EXPECT_TRUE(checker.Accept("w0"));
  EXPECT_FALSE(checker.IsAccepted("w" + std::to_string(kMaxSessionWords)));
}

}  // namespace
}  // namespace cli
}  // namespace tesvar
