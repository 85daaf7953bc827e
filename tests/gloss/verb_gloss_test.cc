// The English sentence of a verb record over the arrangements: persons
// and commands, each suffix class alone and combined, questions, ability
// and the indefinite subject, quality verbs, verbs glossed as nouns.

#include <gtest/gtest.h>

#include <string>

#include "gloss/verb_builder.h"
#include "verbs/parsed_verb.h"

namespace tesvar {
namespace {

using testing::MakeVerb;

struct GlossCase {
  std::string prefix, definition, affixes, gloss;
};

void ExpectGlosses(const GlossCase* begin, const GlossCase* end) {
  for (const GlossCase* c = begin; c != end; ++c) {
    CParsedVerb verb = MakeVerb(c->prefix, c->definition, c->affixes);
    EXPECT_EQ(verb.ToString(), c->gloss) << c->prefix << "|" << c->affixes;
  }
}

TEST(VerbGlossTest, StatementsAndCommands) {
  const GlossCase cases[] = {
      {"jI", "eat", "", "I eat"},
      {"bo", "eat", "", "you(pl) eat him/her/it/them"},
      {"Du", "eat", "", "he/she/it eat you"},
      {"lI", "eat", "", "he/she/it/they eat you(pl)"},
      {"", "eat", "", "he/she/it/they eat him/her/it/them"},
      {"pe", "eat", "", "eat!"},
      {"HI", "eat", "", "eat me!"},
      {"yI", "eat", "Qo'", "don't eat (no.object)/him/her/it!"},
      {"pe", "eat", "be'@0", "do not eat!"},
      {"jI", "eat", "Qo'", "I refuse to eat"},
      {"jI", "eat", "be'@0", "I do not eat"},
      {"jI", "understand", "Ha'", "I mis-understand"},
      {"jI", "eat", "'egh", "I eat myself"},
      {"Su", "eat", "'egh", "you(pl) eat yourselves"},
      {"vI", "eat", "'egh", "I eat him/her/itself"},
      {"ma", "eat", "chuq", "we eat one another"},
      {"jI", "eat", "rup", "I am ready to eat"},
      {"yI", "eat", "rup", "be ready to eat (no.object)/him/her/it!"},
      {"vI", "eat", "moH", "I cause him/her/it/them to eat"},
      {"vI", "eat", "moH be'@5", "I do not cause him/her/it/them to eat"},
      {"vI", "eat", "nIS moH", "I cause him/her/it/them to need to eat"},
      {"HI", "eat", "moH", "cause me to eat!"},
      {"jI", "eat", "choH", "I begin to eat"},
      {"jI", "eat", "choH be'@4", "I do not begin to eat"},
      {"tI", "eat", "choH", "begin to eat them!"},
      {"jI", "eat", "qa'", "I eat again"},
      {"jI", "eat", "rup qa'", "I am ready to eat again"},
      {"", "eat", "bej qu'@7",
       "he/she/it/they very certainly eat him/her/it/them"},
      {"vI", "eat", "taH be'@8", "I eat (not on-going) him/her/it/them"},
      {"", "eat", "mo'", "because he/she/it/they eat him/her/it/them"},
      {"wI", "eat", "neS", "we eat him/her/it , your honor"},
      {"", "eat", "ghach nominalised", "(noun) eat him/her/it/them"},
      {"", "eat", "wI' nominalised",
       "one/thing which is/does eat him/her/it/them"},
  };
  ExpectGlosses(std::begin(cases), std::end(cases));
}

TEST(VerbGlossTest, AbilityAndIndefiniteSubject) {
  const GlossCase cases[] = {
      {"jI", "eat", "laH", "I can eat"},
      {"jI", "eat", "laH be'@6", "I cannot eat"},
      {"vI", "eat", "luH", "one can eat me"},
      {"vI", "eat", "la'", "one can eat me"},
      {"vI", "eat", "lu'", "one eat me"},
      {"wI", "eat", "lu'", "one eat us"},
      {"Du", "eat", "lu'", "one eat him/her/it"},
      {"", "eat", "lu'", "one eat him/her/it/them"},
      {"bI", "eat", "lu'", "one eat you"},
      {"yI", "eat", "laH", "be able to eat (no.object)/him/her/it!"},
      {"yI", "eat", "laH Qo'", "don't be able to eat (no.object)/him/her/it!"},
      {"vI", "eat", "moH laH", "I can cause him/her/it/them to eat"},
      {"tI", "eat", "moH laH", "be able to cause them to eat!"},
      {"jI", "eat", "choH laH", "I can begin to eat"},
  };
  ExpectGlosses(std::begin(cases), std::end(cases));
}

TEST(VerbGlossTest, Questions) {
  const GlossCase cases[] = {
      {"", "eat", "'a'", "does/do he/she/it/they eat him/her/it/them?"},
      {"yI", "eat", "'a'", "do you(imp:sg/pl) eat (no.object)/him/her/it?"},
      {"jI", "eat", "qa' 'a'", "do I eat again?"},
      {"Da", "eat", "moH 'a'", "do you cause him/her/it/them to eat?"},
      {"jI", "eat", "rup 'a'", "am I be ready to eat?"},
      {"jI", "eat", "nIS 'a'", "do I need to eat?"},
      {"jI", "eat", "nIS taH be'@8 'a'", "do I need to eat (on-going)?"},
      {"jI", "eat", "nIS choH taH be'@8 'a'",
       "do I need to begin to eat (not on-going)?"},
      {"vI", "eat", "nIS moH 'a'",
       "do I cause him/her/it/them to need to eat?"},
      {"Da", "eat", "laH 'a'", "can you eat him/her/it/them?"},
      {"vI", "eat", "moH laH 'a'", "can I cause him/her/it/them to eat?"},
      {"jI", "eat", "neS 'a'", "do I eat , your honor?"},
  };
  ExpectGlosses(std::begin(cases), std::end(cases));
}

TEST(VerbGlossTest, QualityVerbs) {
  const GlossCase cases[] = {
      {"jI", "be big", "stative", "I am big"},
      {"jI", "be big", "jaj stative", "may I be big"},
      {"yI", "be big", "stative", "be big (no.object)/him/her/it!"},
      {"jI", "be big", "Ha' stative", "I am un-big"},
      {"jI", "be big", "choH stative", "I begin to be big"},
      {"jI", "be big", "nIS stative", "I need to be big"},
      {"", "be big", "moH stative",
       "he/she/it/they cause him/her/it/them to be big"},
      {"", "be big", "stative 'a'", "is/are he/she/it/they big?"},
      {"jI", "be big", "choH 'a' stative", "do I begin to be big?"},
      {"jI", "be big", "laH 'a' stative", "can I be big?"},
      {"jI", "be big", "laH stative", "I can be big"},
  };
  ExpectGlosses(std::begin(cases), std::end(cases));
}

TEST(VerbGlossTest, RenderingChangesTheRecord) {
  CParsedVerb big = MakeVerb("jI", "be big", "stative 'a'");
  EXPECT_EQ(big.ToString(), "am I big?");
  EXPECT_EQ(big.m_strGloss, "big");
  EXPECT_EQ(big.m_strVS9, "");
  EXPECT_EQ(big.ToString(), "I am big");

  CParsedVerb pronoun = MakeVerb("", "they, them", "pronoun 'a'");
  EXPECT_EQ(pronoun.ToString(), "are they?");
  EXPECT_EQ(pronoun.ToString(), "they are ");

  CParsedVerb one = MakeVerb("vI", "eat", "lu'");
  one.ToString();
  EXPECT_EQ(one.m_strSubject, "one ");
  EXPECT_EQ(one.m_strObject, "me ");
}

TEST(VerbGlossTest, VerbTurnedIntoNounShowsTheNoun) {
  CParsedVerb verb = MakeVerb("", "eat", "ghach nominalised");
  verb.m_bAsNoun = 1;
  verb.m_noun.m_strGloss = "(noun) eat him/her/it/them";
  EXPECT_EQ(verb.ToString(), verb.m_noun.ToString());
  EXPECT_EQ(verb.m_strSubject, "") << "the record stays untouched";
}

}  // namespace
}  // namespace tesvar
