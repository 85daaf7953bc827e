// The English pieces of a verb, each on its own: affix glosses, the
// auxiliary's agreement, and the root and suffix pieces with the rovers
// that follow them.

#include <gtest/gtest.h>

#include <string>

#include "gloss/verb_builder.h"

namespace tesvar {
namespace {

using testing::MakeVerb;

TEST(VerbPiecesTest, AffixGlossAndAuxiliary) {
  CParsedVerb verb;
  for (const std::string affix : {"be'qu'", "QU'", "", "refuse to "}) {
    EXPECT_EQ(verb.TS(affix), affix == "be'qu'" ? "really not " : affix);
  }
  const struct {
    std::string subject;
    int form;
    std::string aux;
  } cases[] = {
      {"I ", 1, "am "},
      {"I ", 2, "do "},
      {"he/she/it/they ", 1, "is/are "},
      {"one ", 1, "is "},
      {"it ", 3, "does "},
      {"he/she/it/they ", 2, "does/do "},
      {"you ", 1, "are "},
      {"", 2, "do "},
  };
  for (const auto& c : cases) {
    verb.m_strSubject = c.subject;
    EXPECT_EQ(verb.Aux(c.form), c.aux) << c.subject << c.form;
  }
}

std::string Piece(const CParsedVerb& v, const std::string& name) {
  if (name == "Root") return v.Root();
  if (name == "NegRoot") return v.NegRoot();
  if (name == "VS5") return v.VS5();
  if (name == "VS6") return v.VS6();
  if (name == "VS7") return v.VS7();
  const int with_aux = name[4] - '0';  // "VS2(1)"
  if (name[2] == '2') return v.VS2(with_aux);
  if (name[2] == '3') return v.VS3(with_aux);
  return v.VS4(with_aux);
}

TEST(VerbPiecesTest, PiecesWithTheirRovers) {
  const struct {
    std::string prefix, definition, affixes, piece, text;
  } cases[] = {
      {"Du", "eat", "be'@3", "Root", "eat "},
      {"Du", "understand", "Ha'", "Root", "mis-understand "},
      {"jI", "eat", "be'@0 be'qu'@0", "Root", "not really not eat "},
      {"Du", "big", "Ha' stative", "NegRoot", "un-big "},
      {"jI", "eat", "be'@0 be'qu'@0", "NegRoot", "do not eat "},
      {"Du", "eat", "be'@0", "NegRoot", "does not eat "},
      {"jI", "eat", "be'qu'@0", "NegRoot", "really do not eat "},
      {"jI", "eat", "qu'be'@0", "NegRoot", "do not really eat "},
      {"jI", "eat", "qu'@0", "NegRoot", "really eat "},
      {"jI", "", "rup", "VS2(1)", "am ready to "},
      {"jI", "", "rup", "VS2(0)", "be ready to "},
      {"jI", "", "nIS", "VS2(1)", "need to "},
      {"jI", "", "nIS be'@3", "VS2(1)", "do not need to "},
      {"Du", "", "qang be'qu'@3", "VS2(1)", "really is not willing to "},
      {"jI", "", "vIp qu'@3", "VS2(1)", "really afraid to "},
      {"jI", "", "", "VS2(1)", "do "},
      {"yI", "", "rup be'@3", "VS2(0)", "be not be ready to "},
      {"jI", "", "choH", "VS3(1)", "begin to "},
      {"jI", "", "choH be'@4", "VS3(0)", "not begin to "},
      {"jI", "", "choH be'@4", "VS3(1)", "do not begin to "},
      {"jI", "", "qa' be'@4", "VS3(1)", "not again"},
      {"jI", "", "moH", "VS4(0)", "cause "},
      {"jI", "", "moH be'@5", "VS4(1)", "do not cause "},
      {"jI", "", "", "VS4(1)", ""},
      {"jI", "", "luH", "VS5", "can "},
      {"jI", "", "lu'", "VS5", "one"},
      {"jI", "", "laH qu'be'@6", "VS5", "cannot really "},
      {"jI", "", "lu' be'@6", "VS5", "cannot "},
      {"yI", "", "", "VS5", "be able to "},
      {"pe", "", "laH qu'be'@6", "VS5", "be unable to really "},
      {"jI", "", "bej qu'@7", "VS6", "very certainly "},
      {"jI", "", "law' qu'be'@7", "VS6", "not very apparently "},
      {"jI", "", "ba' be'qu'@7", "VS6", "really not obviously "},
      {"jI", "", "taH qu'be'@8", "VS7", "(not really on-going) "},
      {"jI", "", "pu' be'@8", "VS7", "(not completed) "},
  };
  for (const auto& c : cases) {
    const CParsedVerb verb = MakeVerb(c.prefix, c.definition, c.affixes);
    EXPECT_EQ(Piece(verb, c.piece), c.text)
        << c.prefix << " " << c.affixes << " " << c.piece;
  }
}

}  // namespace
}  // namespace tesvar
