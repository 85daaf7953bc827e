// The native rendering of verb records: canonical class order, no
// rovers, the headword as the root.

#include <gtest/gtest.h>

#include <string>

#include "gloss/verb_builder.h"
#include "verbs/parsed_verb.h"

namespace tesvar {
namespace {

using testing::MakeVerb;

TEST(VerbNativeTest, PrefixHeadwordAndClassesInOrder) {
  const struct {
    std::string prefix, affixes, native;
  } cases[] = {
      {"", "", "Sop"},
      {"vI", "taH laH", "vISoplaHtaH"},
      {"jI", "be'@0 qu'@8 Ha' Qo' taH", "jISoptaH"},
      {"", "'egh nIS choH moH luH bej pu' neS 'a'",
       "Sop'eghnISchoHmoHluHbejpu'neS'a'"},
      {"", "ghach", "Sopghach"},
  };
  for (const auto& c : cases) {
    CParsedVerb verb = MakeVerb(c.prefix, "eat", c.affixes);
    verb.m_strHeadword = "Sop";
    verb.m_strWord = "not the headword";
    EXPECT_EQ(verb.ToStringTesvar(), c.native) << c.prefix << "|" << c.affixes;
  }
}

TEST(VerbNativeTest, QuestionIsGoneAfterTheEnglishGloss) {
  CParsedVerb verb = MakeVerb("", "eat", "'a'");
  verb.m_strHeadword = "Sop";
  EXPECT_EQ(verb.ToStringTesvar(), "Sop'a'");
  verb.ToString();
  EXPECT_EQ(verb.ToStringTesvar(), "Sop");
}

}  // namespace
}  // namespace tesvar
