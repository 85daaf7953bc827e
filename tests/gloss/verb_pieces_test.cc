// The root and suffix pieces of a verb gloss, each on its own, with the
// rovers that follow them: a wrong piece shows here, not only somewhere in
// a golden sentence.

#include "gloss/verb_pieces.h"

#include <gtest/gtest.h>

#include <string>

#include "gloss/verb_builder.h"

namespace tesvar {
namespace {

using testing::MakeVerb;

std::string Piece(const CParsedVerb& verb, const std::string& name) {
  const VerbPieces v(verb);
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
      {"Du", "understand", "Ha'", "Root", "mis-understand "},
      {"jI", "eat", "be'@0 be'qu'@0", "Root", "not really not eat "},
      {"Du", "big", "Ha' stative", "NegRoot", "un-big "},
      {"jI", "eat", "be'@0 be'qu'@0", "NegRoot", "do not eat "},
      {"jI", "eat", "qu'be'@0", "NegRoot", "do not really eat "},
      {"jI", "", "rup", "VS2(0)", "be ready to "},
      {"Du", "", "qang be'qu'@3", "VS2(1)", "really is not willing to "},
      {"jI", "", "vIp qu'@3", "VS2(1)", "really afraid to "},
      {"jI", "", "", "VS2(1)", "do "},
      {"yI", "", "rup be'@3", "VS2(0)", "be not be ready to "},
      {"jI", "", "choH be'@4", "VS3(0)", "not begin to "},
      {"jI", "", "qa' be'@4", "VS3(1)", "not again"},
      {"jI", "", "moH be'@5", "VS4(1)", "do not cause "},
      {"jI", "", "", "VS4(1)", ""},
      {"jI", "", "lu'", "VS5", "one"},
      {"jI", "", "laH qu'be'@6", "VS5", "cannot really "},
      {"yI", "", "", "VS5", "be able to "},
      {"pe", "", "laH qu'be'@6", "VS5", "be unable to really "},
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
