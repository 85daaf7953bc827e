// The "be" phrase of a pronoun standing as a verb; the golden cases hold
// the whole glosses.

#include <gtest/gtest.h>

#include <string>

#include "gloss/verb_builder.h"
#include "gloss/verb_pieces.h"

namespace tesvar {
namespace {

using testing::MakeVerb;

TEST(PronounGlossTest, BePhrase) {
  const struct {
    std::string affixes;
    int with_aux, without_be;
    std::string phrase;
  } cases[] = {
      {"", 0, 0, "be "},
      {"", 0, 1, ""},
      {"be'@0", 1, 0, "am not "},
      {"choH be'@0", 1, 0, "do not become "},
      {"qu'be'@0", 0, 0, "be not really "},
      {"be'qu'@0 qu'be'@0", 1, 0, "really am not "},
      {"qu'@0 Ha' be'@0", 1, 0, "really mis-am not "},
  };
  for (const auto& c : cases) {
    const CParsedVerb verb = MakeVerb("", "I, me", c.affixes);
    const VerbPieces pieces(verb, "I ", verb.m_strGloss);
    EXPECT_EQ(pieces.PronounRoot(c.with_aux, c.without_be), c.phrase)
        << c.affixes << " " << c.with_aux << c.without_be;
  }
}

}  // namespace
}  // namespace tesvar
