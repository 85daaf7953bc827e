// The English sentence of verb records whose arrangements combine several
// rules (the golden cases hold one word per rule), and what rendering
// leaves changed in the record.

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
      {"jI", "eat", "", "I eat"},
      {"HI", "eat", "moH be'@5", "do not cause me to eat!"},
      {"vI", "eat", "nIS moH", "I cause him/her/it/them to need to eat"},
      {"", "eat", "bej qu'@7",
       "he/she/it/they very certainly eat him/her/it/them"},
      {"yI", "eat", "laH Qo'", "don't be able to eat (no.object)/him/her/it!"},
      {"jI", "eat", "qa' neS 'a'", "do I eat again, your honor?"},
      {"jI", "eat", "rup 'a'", "am I be ready to eat?"},
      {"", "be big", "moH stative",
       "he/she/it/they cause him/her/it/them to be big"},
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

}  // namespace
}  // namespace tesvar
