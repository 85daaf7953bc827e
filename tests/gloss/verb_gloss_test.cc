// The English sentence of verb records whose arrangements combine several
// rules (the golden cases hold one word per rule), and the native form.

#include "gloss/verb_gloss.h"

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
      // The reflexive pronoun follows the number of the subject.
      {"pe", "eat", "'egh", "eat yourselves!"},
      {"yI", "eat", "'egh", "eat yourself!"},
      {"ma", "eat", "'egh", "we eat ourselves"},
      // Slang "one can": "can" in its place, "one" as the subject, and
      // the subject as the object where English has an object form.
      {"vI", "eat", "la'", "one can eat me"},
      {"pe", "eat", "luH", "be able to eat you(imp:pl)!"},
  };
  for (const auto& c : cases) {
    CParsedVerb verb = MakeVerb(c.prefix, c.definition, c.affixes);
    EXPECT_EQ(verb.ToString(), c.gloss) << c.prefix << "|" << c.affixes;
  }
}

// A sentence appended to a buffer trims only its own trailing blanks.
TEST(VerbGlossTest, AppendsAfterExistingText) {
  const struct {
    std::string prefix, definition, affixes, before, after;
  } cases[] = {
      {"jI", "eat", "", "as typed: ", "as typed: I eat"},
      {"jI", "", "", "kept  ", "kept  I"},
      {"jI", "eat", "'a'", "", "do I eat?"},
  };
  for (const auto& c : cases) {
    const CParsedVerb verb = MakeVerb(c.prefix, c.definition, c.affixes);
    std::string out = c.before;
    AppendVerbGloss(verb, &out);
    EXPECT_EQ(out, c.after) << c.prefix << "|" << c.affixes;
  }
}

// Class order whatever the order in the word, rovers left out, and the
// question suffix kept however often the English was rendered before.
TEST(VerbGlossTest, NativeForm) {
  CParsedVerb verb = MakeVerb("vI", "eat", "taH laH be'@0 Qo' 'a'");
  verb.m_strHeadword = "lop";
  EXPECT_EQ(verb.ToString(),
            "can I refuse to not eat (on-going) him/her/it/them?");
  EXPECT_EQ(verb.ToStringTesvar(), "vIloplaHtaH'a'");
}

}  // namespace
}  // namespace tesvar
