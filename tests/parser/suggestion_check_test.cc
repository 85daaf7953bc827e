// The bounds that keep the suggestion check finite, on words whose
// corrections would otherwise recurse forever.

#include "parser/suggestion_check.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_lexicon.h"
#include "tesvar/parser.h"

namespace tesvar {
namespace {

using testing::Entry;
using testing::kStative;
using testing::Lexicon;

CLexicon VerbLexicon() {
  return Lexicon({
      Entry("lop", kVerb, "celebrate"),
      Entry("tIn", kVerb, "be big", kStative),
  });
}

StringList Suggestions(const std::string& word) {
  const CLexicon lexicon = VerbLexicon();
  CTesvarParser parser(&lexicon);
  ParseResults results;
  parser.ParseWord(word, results);
  EXPECT_EQ(results.size(), 1u) << word;
  return results.empty() ? StringList{} : results[0].m_lstSuggestions;
}

// An imperative with {-be'} after a typed suffix is corrected to the same
// word plus {-Qo'}, which keeps the fault, so each level parses a longer
// word. The walks at depths 1 to 8 each add one {-Qo'}; the ninth level's
// correction stays unparsed.
TEST(SuggestionCheckTest, Issue3GrowingCorrectionsStopAtTheDepthBound) {
  EXPECT_EQ(Suggestions("yIloptaHbe'"),
            StringList{"yIloptaHbe'Qo'Qo'Qo'Qo'Qo'Qo'Qo'Qo'Qo'"});
}

// A prefixed stative verb with two type-5 suffixes, one of them slang:
// its corrections lead back to words already examined in the same walk.
// The remembered verdicts end the walk; every correction that survives is
// one of the two flawless forms.
TEST(SuggestionCheckTest, Issue3CorrectionsThatLeadBackToEachOtherEnd) {
  for (const char* word : {"vItInlaHluH", "vItInluHlaH", "vItInla'laH"}) {
    const StringList suggestions = Suggestions(word);
    EXPECT_FALSE(suggestions.empty()) << word;
    for (const std::string& s : suggestions) {
      EXPECT_TRUE(s == "jItIn" || s == "jItInlaH") << word << " -> " << s;
    }
  }
}

// Within one walk, a word that was replaced by its own corrections and
// comes up again is removed without appending its corrections a second
// time. Here the list [naghmeyDu', naghDu', naghDu', naghmey] becomes
// five "naghmey": the second "naghDu'" adds nothing.
TEST(SuggestionCheckTest, Issue3ARepeatedReplacedWordIsDroppedOnce) {
  const CLexicon lexicon = Lexicon({Entry("nagh", kNoun, "rock")});
  CTesvarParser parser(&lexicon);
  ParseResults results;
  parser.ParseWord("naghDu'Du'", results);
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(results[0].m_lstSuggestions, StringList(5, "naghmey"));
}

// Remembered verdicts cost no parse, so they still apply after the parse
// budget is spent: here the first suggestion is parsed and removed, its
// corrections use up the budget, and its second copy is removed too
// instead of staying unparsed.
TEST(SuggestionCheckTest, Issue3VerdictsOutlastTheParseBudget) {
  const CLexicon lexicon = Lexicon({Entry("Sop", kVerb, "eat")});
  CTesvarParser parser(&lexicon);
  ParseResults results;
  parser.ParseWord("yISopnISnISbe'la'", results);
  ASSERT_EQ(results.size(), 1u);
  const StringList& suggestions = results[0].m_lstSuggestions;
  EXPECT_FALSE(suggestions.empty());
  for (const std::string& s : suggestions) EXPECT_NE(s, "yISopnISbe'la'");
}

}  // namespace
}  // namespace tesvar
