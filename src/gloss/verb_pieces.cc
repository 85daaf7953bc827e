// The English pieces a verb gloss is pasted together from: the gloss of one
// affix, the auxiliary that agrees with the subject, the root with its
// reversal and rovers, and one piece per suffix class VS2..VS7 with the
// negation and emphasis rovers that follow it.
//
// A piece reads only the rover position right after its own element, so a
// "not" lands next to what it negates. Every non-empty piece ends in its
// own blank (unless its affix gloss has none), which lets the sentence be
// joined without separators. No piece changes the record.
// Tested by verb_pieces_test.cc.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "platform/text.h"
#include "verbs/parsed_verb.h"
#include "verbs/verb_affix_tables.h"

namespace tesvar {

namespace {

// Arguments of Aux.
constexpr int kBe = 1;
constexpr int kDo = 2;

// The forms of "be" and "do" that agree with a subject phrase. A subject
// that is not listed (you, we, they, none) takes kOtherSubjectAux.
struct AuxRow {
  std::string_view subject;
  std::string_view be;
  std::string_view do_form;
};

constexpr size_t kAuxFormCount = 6;
constexpr AuxRow kAuxForms[kAuxFormCount] = {
    {"I ", "am ", "do "},           {"he/she/it/they ", "is/are ", "does/do "},
    {"he/she/it ", "is ", "does "}, {"he/she ", "is ", "does "},
    {"one ", "is ", "does "},       {"it ", "is ", "does "},
};
constexpr AuxRow kOtherSubjectAux = {"", "are ", "do "};

// Rover positions: rovers right after the root, and after class VSk.
constexpr int kAfterRoot = 0;
constexpr int After(int vs_class) { return vs_class + 1; }

// The four rovers that the pieces read by position.
const std::string& RoverAt(const CParsedVerb& verb, RoverKind rover, int pos) {
  return (verb.*SlotsOf(rover))[pos];
}

// The first row whose rover stands at `pos`, or nullptr. Row order is the
// precedence when several rovers share a position.
template <typename Row, size_t N>
const Row* FirstRover(const CParsedVerb& verb, const Row (&rows)[N], int pos) {
  for (const Row& row : rows) {
    if (!RoverAt(verb, row.rover, pos).empty()) return &row;
  }
  return nullptr;
}

// How a rover rewords a piece g: lead + (the piece's auxiliary when
// with_aux) + tail + g. The auxiliary carries the negation, as in
// "do not need to".
struct RoverWording {
  RoverKind rover;
  std::string_view lead;
  bool with_aux;
  std::string_view tail;
};

// VS2, VS3 and VS4: the pairs win over the single rovers.
constexpr size_t kSuffixNegationCount = 4;
constexpr RoverWording kSuffixNegation[kSuffixNegationCount] = {
    {kNegEmphRover, "really ", true, "not "},
    {kEmphNegRover, "", true, "not really "},
    {kNegRover, "", true, "not "},
    {kEmphRover, "really ", false, ""},
};

// The root negated through "do": a plain {-be'} wins over the pairs.
constexpr size_t kRootNegationCount = 4;
constexpr RoverWording kRootNegation[kRootNegationCount] = {
    {kNegRover, "", true, "not "},
    {kNegEmphRover, "really ", true, "not "},
    {kEmphNegRover, "", true, "not really "},
    {kEmphRover, "really ", false, ""},
};

// VS6 adverbs are graded rather than negated: "very certainly".
constexpr size_t kAdverbWordingCount = 4;
constexpr RoverWording kAdverbWording[kAdverbWordingCount] = {
    {kNegEmphRover, "really not ", false, ""},
    {kEmphNegRover, "not very ", false, ""},
    {kNegRover, "not ", false, ""},
    {kEmphRover, "very ", false, ""},
};

// Rewords `piece` by the first rover at `pos`; returns false, leaving it
// alone, when no rover stands there.
template <size_t N>
bool Reword(const CParsedVerb& verb, const RoverWording (&rows)[N], int pos,
            std::string_view aux, std::string* piece) {
  const RoverWording* row = FirstRover(verb, rows, pos);
  if (row == nullptr) return false;
  std::string out(row->lead);
  if (row->with_aux) out += aux;
  out += row->tail;
  out += *piece;
  *piece = std::move(out);
  return true;
}

// A text chosen by the first rover at a position.
struct RoverText {
  RoverKind rover;
  std::string_view text;
};

// VS5 in a command: "can" has no imperative, so it becomes "be able to".
constexpr size_t kCommandAbilityCount = 4;
constexpr RoverText kCommandAbility[kCommandAbilityCount] = {
    {kNegEmphRover, "really be unable to "},
    {kEmphNegRover, "be unable to really "},
    {kNegRover, "be unable to "},
    {kEmphRover, "really be able to "},
};
constexpr std::string_view kCommandAbilityPlain = "be able to ";
// The suffix whose gloss every "can" reads as in a statement.
constexpr std::string_view kPlainAbility = "laH";

// VS5 in a statement or question; without a rover the affix gloss stays.
constexpr size_t kAbilityCount = 4;
constexpr RoverText kAbility[kAbilityCount] = {
    {kNegEmphRover, "really cannot "},
    {kEmphNegRover, "cannot really "},
    {kNegRover, "cannot "},
    {kEmphRover, "really can "},
};

// VS7 aspects are parenthesised; the rover goes inside the parenthesis.
constexpr size_t kAspectWordingCount = 4;
constexpr RoverText kAspectWording[kAspectWordingCount] = {
    {kNegEmphRover, "really not "},
    {kEmphNegRover, "not really "},
    {kNegRover, "not "},
    {kEmphRover, "really "},
};
constexpr int kInsideParenthesis = 1;

// The definition with {-Ha'} applied: a quality is undone ("un-big"), an
// action done wrongly ("mis-understand").
std::string ReversedGloss(const CParsedVerb& verb) {
  if (verb.m_strRootNeg.empty()) return verb.m_strGloss;
  return (verb.m_bStative ? "un-" : "mis-") + verb.m_strGloss;
}

}  // namespace

std::string CParsedVerb::TS(std::string_view affix) const {
  for (const VerbSuffixRow& row : kVerbSuffixes) {
    if (row.suffix == affix) return std::string(row.gloss);
  }
  return std::string(affix);
}

std::string CParsedVerb::Aux(int form) const {
  const AuxRow* match = &kOtherSubjectAux;
  for (const AuxRow& row : kAuxForms) {
    if (row.subject == m_strSubject) {
      match = &row;
      break;
    }
  }
  return std::string(form == kBe ? match->be : match->do_form);
}

std::string CParsedVerb::Root() const {
  std::string r = ReversedGloss(*this);
  // Each rover prepends, so with several the emphasis ends up first:
  // "really not eat".
  if (!m_strNegEmphRover[kAfterRoot].empty()) {
    r.insert(0, TS(m_strNegEmphRover[kAfterRoot]));
  } else if (!m_strEmphNegRover[kAfterRoot].empty()) {
    r.insert(0, TS(m_strEmphNegRover[kAfterRoot]));
  }
  if (!m_strNegRover[kAfterRoot].empty()) {
    r.insert(0, TS(m_strNegRover[kAfterRoot]));
  }
  if (!m_strEmphRover[kAfterRoot].empty()) {
    r.insert(0, TS(m_strEmphRover[kAfterRoot]));
  }
  r += ' ';
  return r;
}

std::string CParsedVerb::NegRoot() const {
  std::string r = ReversedGloss(*this);
  Reword(*this, kRootNegation, kAfterRoot, Aux(kDo), &r);
  r += ' ';
  return r;
}

std::string CParsedVerb::VS2(int withAux) const {
  std::string g = TS(m_strVS2);
  std::string aux;
  if (withAux) {
    // "be ready to" conjugates its own "be": "am ready to".
    if (StartsWith(g, "be ")) {
      g.erase(0, 3);
      aux = Aux(kBe);
    } else {
      aux = Aux(kDo);
    }
  }
  if (IsImperative()) aux = "be ";
  const bool reworded = Reword(*this, kSuffixNegation, After(2), aux, &g);
  // A modal "need to" takes no auxiliary unless it is negated.
  if (!reworded && withAux && m_strVS2 != "nIS") g.insert(0, aux);
  return g;
}

std::string CParsedVerb::VS3(int withAux) const {
  std::string g = TS(m_strVS3);
  std::string aux;
  if (m_strVS3 == "choH") {
    if (withAux) aux = Aux(kDo);
    g = "begin to ";
  }
  // Without a rover the auxiliary is not needed: "I begin to eat".
  Reword(*this, kSuffixNegation, After(3), aux, &g);
  return g;
}

std::string CParsedVerb::VS4(int withAux) const {
  std::string g = TS(m_strVS4);
  Reword(*this, kSuffixNegation, After(4), withAux ? Aux(kDo) : "", &g);
  if (!g.empty()) g += ' ';
  return g;
}

std::string CParsedVerb::VS5() const {
  // Every suffix that means "can" reads as the plain one; "one" goes to
  // the subject.
  const std::string_view ability =
      HasTrait(m_strVS5, kMeansCan) ? kPlainAbility : m_strVS5;
  if (IsImperative()) {
    const RoverText* row = FirstRover(*this, kCommandAbility, After(5));
    return std::string(row != nullptr ? row->text : kCommandAbilityPlain);
  }
  const RoverText* row = FirstRover(*this, kAbility, After(5));
  return row != nullptr ? std::string(row->text) : TS(ability);
}

std::string CParsedVerb::VS6() const {
  std::string g = TS(m_strVS6);
  Reword(*this, kAdverbWording, After(6), "", &g);
  return g;
}

std::string CParsedVerb::VS7() const {
  std::string g = TS(m_strVS7);
  const RoverText* row = FirstRover(*this, kAspectWording, After(7));
  if (row != nullptr) Insert(&g, kInsideParenthesis, row->text);
  return g;
}

}  // namespace tesvar
