// The English sentence of a verb record over the arrangements: persons
// and commands, the suffix classes alone and combined, questions, ability
// and the indefinite subject, quality verbs, verbs glossed as nouns; and
// the native rendering of the same records.

#include <gtest/gtest.h>

#include <string>

#include "gloss/verb_builder.h"

namespace tesvar {
namespace {

using testing::MakeVerb;

TEST(VerbGlossTest, Sentences) {
  const struct {
    std::string prefix, definition, affixes, gloss;
  } cases[] = {
      // Persons, commands, each suffix class.
      {"jI", "eat", "", "I eat"},
      {"bo", "eat", "", "you(pl) eat him/her/it/them"},
      {"", "eat", "", "he/she/it/they eat him/her/it/them"},
      {"pe", "eat", "", "eat!"},
      {"HI", "eat", "", "eat me!"},
      {"yI", "eat", "Qo'", "don't eat (no.object)/him/her/it!"},
      {"pe", "eat", "be'@0", "do not eat!"},
      {"jI", "eat", "Qo'", "I refuse to eat"},
      {"jI", "eat", "be'@0", "I do not eat"},
      {"jI", "eat", "'egh", "I eat myself"},
      {"vI", "eat", "'egh", "I eat him/her/itself"},
      {"ma", "eat", "chuq", "we eat one another"},
      {"jI", "eat", "rup qa'", "I am ready to eat again"},
      {"yI", "eat", "rup", "be ready to eat (no.object)/him/her/it!"},
      {"vI", "eat", "nIS moH", "I cause him/her/it/them to need to eat"},
      {"HI", "eat", "moH be'@5", "do not cause me to eat!"},
      {"jI", "eat", "choH be'@4", "I do not begin to eat"},
      {"tI", "eat", "choH", "begin to eat them!"},
      {"", "eat", "bej qu'@7",
       "he/she/it/they very certainly eat him/her/it/them"},
      {"vI", "eat", "taH be'@8", "I eat (not on-going) him/her/it/them"},
      {"", "eat", "mo'", "because he/she/it/they eat him/her/it/them"},
      {"wI", "eat", "neS", "we eat him/her/it , your honor"},
      {"", "eat", "ghach nominalised", "(noun) eat him/her/it/them"},
      {"", "eat", "wI' nominalised",
       "one/thing which is/does eat him/her/it/them"},
      // Ability and the indefinite subject.
      {"jI", "eat", "choH laH be'@6", "I cannot begin to eat"},
      {"vI", "eat", "luH", "one can eat me"},
      {"wI", "eat", "lu'", "one eat us"},
      {"bI", "eat", "lu'", "one eat you"},
      {"yI", "eat", "laH Qo'", "don't be able to eat (no.object)/him/her/it!"},
      {"vI", "eat", "moH laH", "I can cause him/her/it/them to eat"},
      {"tI", "eat", "moH laH", "be able to cause them to eat!"},
      // Questions.
      {"", "eat", "'a'", "does/do he/she/it/they eat him/her/it/them?"},
      {"yI", "eat", "'a'", "do you(imp:sg/pl) eat (no.object)/him/her/it?"},
      {"jI", "eat", "qa' neS 'a'", "do I eat again, your honor?"},
      {"Da", "eat", "moH 'a'", "do you cause him/her/it/them to eat?"},
      {"jI", "eat", "rup 'a'", "am I be ready to eat?"},
      {"jI", "eat", "nIS taH be'@8 'a'", "do I need to eat (on-going)?"},
      {"jI", "eat", "nIS choH taH be'@8 'a'",
       "do I need to begin to eat (not on-going)?"},
      {"vI", "eat", "nIS moH 'a'",
       "do I cause him/her/it/them to need to eat?"},
      {"Da", "eat", "laH 'a'", "can you eat him/her/it/them?"},
      {"vI", "eat", "moH laH 'a'", "can I cause him/her/it/them to eat?"},
      // Quality verbs.
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
  };
  for (const auto& c : cases) {
    CParsedVerb verb = MakeVerb(c.prefix, c.definition, c.affixes);
    EXPECT_EQ(verb.ToString(), c.gloss) << c.prefix << "|" << c.affixes;
  }
}

TEST(VerbGlossTest, RenderingChangesTheRecord) {
  CParsedVerb big = MakeVerb("jI", "be big", "stative 'a'");
  big.m_strHeadword = "tIn";
  EXPECT_EQ(big.ToStringTesvar(), "jItIn'a'");
  EXPECT_EQ(big.ToString(), "am I big?");
  EXPECT_EQ(big.m_strGloss, "big");
  EXPECT_EQ(big.ToStringTesvar(), "jItIn");
  EXPECT_EQ(big.ToString(), "I am big");

  CParsedVerb pronoun = MakeVerb("", "they, them", "pronoun 'a'");
  EXPECT_EQ(pronoun.ToString(), "are they?");
  EXPECT_EQ(pronoun.ToString(), "they are ");

  CParsedVerb one = MakeVerb("vI", "eat", "lu'");
  one.ToString();
  EXPECT_EQ(one.m_strSubject + one.m_strObject, "one me ");

  CParsedVerb noun = MakeVerb("", "eat", "ghach nominalised");
  noun.m_bAsNoun = 1;
  noun.m_noun.m_strGloss = "(noun) eat him/her/it/them";
  EXPECT_EQ(noun.ToString(), noun.m_noun.ToString());
  EXPECT_EQ(noun.m_strSubject, "") << "a noun leaves the verb untouched";
}

TEST(VerbGlossTest, NativeIsPrefixHeadwordAndClassesInOrder) {
  const struct {
    std::string prefix, affixes, native;
  } cases[] = {
      {"", "", "Sop"},
      {"vI", "taH laH", "vISoplaHtaH"},
      {"jI", "be'@0 qu'@8 Ha' Qo' taH", "jISoptaH"},
      {"", "'egh nIS choH moH luH bej pu' neS 'a'",
       "Sop'eghnISchoHmoHluHbejpu'neS'a'"},
  };
  for (const auto& c : cases) {
    CParsedVerb verb = MakeVerb(c.prefix, "eat", c.affixes);
    verb.m_strHeadword = "Sop";
    verb.m_strWord = "not the headword";
    EXPECT_EQ(verb.ToStringTesvar(), c.native) << c.prefix << "|" << c.affixes;
  }
}

}  // namespace
}  // namespace tesvar
