// The English pieces of a verb, each on its own: affix glosses, the
// auxiliary's agreement, and the root and suffix pieces with the rovers
// that follow them.

#include <gtest/gtest.h>

#include <string>

#include "gloss/verb_builder.h"
#include "verbs/parsed_verb.h"

namespace tesvar {
namespace {

using testing::MakeVerb;

TEST(VerbPiecesTest, AffixGloss) {
  const CParsedVerb verb;
  const struct {
    std::string affix, gloss;
  } cases[] = {
      {"qu'", "really "},
      {"be'qu'", "really not "},
      {"'egh", "oneself"},
      {"wI'", "one/thing which is/does "},
      {"", ""},
      {"refuse to ", "refuse to "},
      {"QU'", "QU'"},
      {"neS", ", your honor"},
  };
  for (const auto& c : cases) EXPECT_EQ(verb.TS(c.affix), c.gloss) << c.affix;
}

TEST(VerbPiecesTest, AuxiliaryAgreesWithSubject) {
  const struct {
    std::string subject;
    int form;
    std::string aux;
  } cases[] = {
      {"I ", 1, "am "},
      {"I ", 2, "do "},
      {"he/she/it/they ", 1, "is/are "},
      {"he/she/it/they ", 2, "does/do "},
      {"he/she/it ", 1, "is "},
      {"he/she ", 2, "does "},
      {"one ", 1, "is "},
      {"it ", 2, "does "},
      {"you ", 1, "are "},
      {"you(imp:pl) ", 2, "do "},
      {"", 1, "are "},
      {"it ", 3, "does "},
  };
  for (const auto& c : cases) {
    CParsedVerb verb;
    verb.m_strSubject = c.subject;
    EXPECT_EQ(verb.Aux(c.form), c.aux) << c.subject << c.form;
  }
}

std::string Piece(const CParsedVerb& v, const std::string& name) {
  if (name == "Root") return v.Root();
  if (name == "NegRoot") return v.NegRoot();
  if (name == "VS2(0)") return v.VS2(0);
  if (name == "VS2(1)") return v.VS2(1);
  if (name == "VS3(0)") return v.VS3(0);
  if (name == "VS3(1)") return v.VS3(1);
  if (name == "VS4(0)") return v.VS4(0);
  if (name == "VS4(1)") return v.VS4(1);
  if (name == "VS5") return v.VS5();
  if (name == "VS6") return v.VS6();
  if (name == "VS7") return v.VS7();
  ADD_FAILURE() << "no piece " << name;
  return "";
}

TEST(VerbPiecesTest, PiecesWithTheirRovers) {
  const struct {
    std::string prefix, definition, affixes, piece, text;
  } cases[] = {
      {"Du", "eat", "be'@3", "Root", "eat "},
      {"Du", "understand", "Ha'", "Root", "mis-understand "},
      {"Du", "big", "Ha' stative", "NegRoot", "un-big "},
      {"Du", "eat", "qu'@0 be'@0", "Root", "really not eat "},
      {"jI", "eat", "be'@0 be'qu'@0", "Root", "not really not eat "},
      {"jI", "eat", "be'qu'@0 qu'be'@0", "Root", "really not eat "},
      {"jI", "eat", "qu'be'@0", "Root", "not really eat "},
      {"Du", "eat", "be'@0", "NegRoot", "does not eat "},
      {"jI", "eat", "be'@0 be'qu'@0", "NegRoot", "do not eat "},
      {"jI", "eat", "be'qu'@0", "NegRoot", "really do not eat "},
      {"jI", "eat", "qu'be'@0", "NegRoot", "do not really eat "},
      {"jI", "eat", "qu'@0", "NegRoot", "really eat "},
      {"jI", "eat", "Ha' be'@0", "NegRoot", "do not mis-eat "},
      {"jI", "", "rup", "VS2(1)", "am ready to "},
      {"jI", "", "rup be'@2", "VS2(1)", "am ready to "},
      {"jI", "", "rup", "VS2(0)", "be ready to "},
      {"jI", "", "rup be'@3", "VS2(0)", "not be ready to "},
      {"jI", "", "nIS", "VS2(1)", "need to "},
      {"jI", "", "nIS be'@3", "VS2(1)", "do not need to "},
      {"Du", "", "qang be'qu'@3", "VS2(1)", "really is not willing to "},
      {"jI", "", "vIp qu'be'@3", "VS2(1)", "am not really afraid to "},
      {"jI", "", "vIp qu'@3", "VS2(1)", "really afraid to "},
      {"jI", "", "", "VS2(1)", "do "},
      {"yI", "", "rup", "VS2(1)", "be ready to "},
      {"yI", "", "rup be'@3", "VS2(0)", "be not be ready to "},
      {"jI", "", "choH", "VS3(1)", "begin to "},
      {"jI", "", "choH be'@4", "VS3(0)", "not begin to "},
      {"jI", "", "choH be'@4", "VS3(1)", "do not begin to "},
      {"Du", "", "choH be'qu'@4", "VS3(1)", "really does not begin to "},
      {"jI", "", "qa'", "VS3(1)", "again"},
      {"jI", "", "qa' be'@4", "VS3(1)", "not again"},
      {"jI", "", "moH", "VS4(1)", "cause "},
      {"jI", "", "moH be'@5", "VS4(1)", "do not cause "},
      {"jI", "", "moH qu'be'@5", "VS4(0)", "not really cause "},
      {"jI", "", "", "VS4(1)", ""},
      {"jI", "", "la'", "VS5", "can "},
      {"jI", "", "luH", "VS5", "can "},
      {"jI", "", "lu'", "VS5", "one"},
      {"jI", "", "laH be'qu'@6", "VS5", "really cannot "},
      {"jI", "", "laH qu'be'@6", "VS5", "cannot really "},
      {"jI", "", "lu' be'@6", "VS5", "cannot "},
      {"jI", "", "laH qu'@6", "VS5", "really can "},
      {"yI", "", "", "VS5", "be able to "},
      {"pe", "", "laH qu'be'@6", "VS5", "be unable to really "},
      {"HI", "", "laH be'qu'@6", "VS5", "really be unable to "},
      {"gho", "", "laH be'@6", "VS5", "be unable to "},
      {"tI", "", "laH qu'@6", "VS5", "really be able to "},
      {"jI", "", "bej qu'@7", "VS6", "very certainly "},
      {"jI", "", "chu' be'@7", "VS6", "not clearly "},
      {"jI", "", "law' qu'be'@7", "VS6", "not very apparently "},
      {"jI", "", "ba' be'qu'@7", "VS6", "really not obviously "},
      {"jI", "", "taH qu'be'@8", "VS7", "(not really on-going) "},
      {"jI", "", "pu' be'@8", "VS7", "(not completed) "},
      {"jI", "", "lI' be'qu'@8", "VS7", "(really not in-progress) "},
      {"jI", "", "ta' qu'@8", "VS7", "(really completed) "},
  };
  for (const auto& c : cases) {
    const CParsedVerb verb = MakeVerb(c.prefix, c.definition, c.affixes);
    EXPECT_EQ(Piece(verb, c.piece), c.text)
        << c.prefix << " " << c.affixes << " " << c.piece;
  }
}

}  // namespace
}  // namespace tesvar
