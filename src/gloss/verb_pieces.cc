// The English pieces of a verb gloss.
//
// A piece reads only the rover position right after its own element, so a
// "not" lands next to what it negates. Every non-empty piece ends in its
// own blank (unless its affix gloss has none), which lets the sentence be
// joined without separators.
// Tested by verb_pieces_test.cc.

#include "gloss/verb_pieces.h"

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/text.h"
#include "verbs/parsed_verb.h"
#include "verbs/verb_affix_tables.h"

namespace tesvar {

namespace {

// The forms of "be" and "do" that agree with a subject phrase. A subject
// that is not listed (you, we, they, none) takes kOtherSubjectAux.
struct AuxRow {
  std::string_view subject;
  std::string_view be;
  std::string_view do_form;
};

constexpr AuxRow kAuxForms[] = {
    {"I ", "am ", "do "},           {"he/she/it/they ", "is/are ", "does/do "},
    {"he/she/it ", "is ", "does "}, {"he/she ", "is ", "does "},
    {"one ", "is ", "does "},       {"it ", "is ", "does "},
};
constexpr AuxRow kOtherSubjectAux = {"", "are ", "do "};

// Rover positions: rovers right after the root, and after class VSk.
constexpr int kAfterRoot = 0;
constexpr int After(int vs_class) { return vs_class + 1; }

std::string_view RoverAt(const CParsedVerb& verb, RoverKind rover, int pos) {
  return (verb.*SlotsOf(rover))[pos];
}

// The first row whose rover stands at `pos`, or nullptr. Row order is the
// precedence when several rovers share a position.
// Whether any rover stands at `pos`; most readings have none.
bool AnyRoverAt(const CParsedVerb& verb, int pos) {
  return (verb.m_strNegRover[pos].size() | verb.m_strEmphRover[pos].size() |
          verb.m_strNegEmphRover[pos].size() |
          verb.m_strEmphNegRover[pos].size()) != 0;
}

template <typename Row, size_t N>
const Row* FirstRover(const CParsedVerb& verb, const Row (&rows)[N], int pos) {
  if (!AnyRoverAt(verb, pos)) return nullptr;
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
constexpr RoverWording kSuffixNegation[] = {
    {kNegEmphRover, "really ", true, "not "},
    {kEmphNegRover, "", true, "not really "},
    {kNegRover, "", true, "not "},
    {kEmphRover, "really ", false, ""},
};

// The root negated through "do": a plain {-be'} wins over the pairs.
constexpr RoverWording kRootNegation[] = {
    {kNegRover, "", true, "not "},
    {kNegEmphRover, "really ", true, "not "},
    {kEmphNegRover, "", true, "not really "},
    {kEmphRover, "really ", false, ""},
};

// VS6 adverbs are graded rather than negated: "very certainly".
constexpr RoverWording kAdverbWording[] = {
    {kNegEmphRover, "really not ", false, ""},
    {kEmphNegRover, "not very ", false, ""},
    {kNegRover, "not ", false, ""},
    {kEmphRover, "very ", false, ""},
};

// True when a piece has neither its suffix nor a rover after it: the
// usual case, where the piece is empty.
bool NothingAt(const CParsedVerb& verb, std::string_view affix, int pos) {
  return affix.empty() && !AnyRoverAt(verb, pos);
}

// Appends the wording of the first rover at `pos` that goes in front of
// a piece (lead, the piece's auxiliary when with_aux, tail); returns false,
// appending nothing, when no rover stands there.
template <size_t N>
bool AppendWording(const CParsedVerb& verb, const RoverWording (&rows)[N],
                   int pos, std::string_view aux, std::string* out) {
  const RoverWording* row = FirstRover(verb, rows, pos);
  if (row == nullptr) return false;
  out->append(row->lead);
  if (row->with_aux) out->append(aux);
  out->append(row->tail);
  return true;
}

// A text chosen by the first rover at a position.
struct RoverText {
  RoverKind rover;
  std::string_view text;
};

// VS5 in a command: "can" has no imperative, so it becomes "be able to".
constexpr RoverText kCommandAbilityWording[] = {
    {kNegEmphRover, "really be unable to "},
    {kEmphNegRover, "be unable to really "},
    {kNegRover, "be unable to "},
    {kEmphRover, "really be able to "},
};
constexpr std::string_view kCommandAbilityPlain = "be able to ";
// The suffix whose gloss every "can" reads as in a statement.
constexpr std::string_view kPlainAbility = "laH";

// VS5 in a statement or question; without a rover the affix gloss stays.
constexpr RoverText kAbilityWording[] = {
    {kNegEmphRover, "really cannot "},
    {kEmphNegRover, "cannot really "},
    {kNegRover, "cannot "},
    {kEmphRover, "really can "},
};

// VS7 aspects are parenthesised; the rover goes inside the parenthesis.
constexpr RoverText kAspectWording[] = {
    {kNegEmphRover, "really not "},
    {kEmphNegRover, "not really "},
    {kNegRover, "not "},
    {kEmphRover, "really "},
};
constexpr size_t kInsideParenthesis = 1;

}  // namespace

// A quality is undone ("un-big"), an action done wrongly
// ("mis-understand").
void VerbPieces::AppendReversedGloss(std::string* out) const {
  if (!verb_.m_strRootNeg.empty()) {
    out->append(verb_.m_bStative ? "un-" : "mis-");
  }
  out->append(definition_);
}

std::string_view VerbPieces::TS(std::string_view affix) {
  // Most suffix classes are empty in most readings.
  if (affix.empty()) return affix;
  const VerbSuffixRow* row = FindVerbSuffix(affix);
  return row != nullptr ? row->gloss : affix;
}

std::string_view VerbPieces::Aux(AuxForm form) const {
  const AuxRow* match = &kOtherSubjectAux;
  for (const AuxRow& row : kAuxForms) {
    if (row.subject == subject_) {
      match = &row;
      break;
    }
  }
  return form == AuxForm::kBe ? match->be : match->do_form;
}

void VerbPieces::AppendRoot(std::string* out) const {
  const CParsedVerb& v = verb_;
  // With several rovers the emphasis comes first: "really not eat".
  if (!v.m_strEmphRover[kAfterRoot].empty()) {
    out->append(TS(v.m_strEmphRover[kAfterRoot]));
  }
  if (!v.m_strNegRover[kAfterRoot].empty()) {
    out->append(TS(v.m_strNegRover[kAfterRoot]));
  }
  if (!v.m_strNegEmphRover[kAfterRoot].empty()) {
    out->append(TS(v.m_strNegEmphRover[kAfterRoot]));
  } else if (!v.m_strEmphNegRover[kAfterRoot].empty()) {
    out->append(TS(v.m_strEmphNegRover[kAfterRoot]));
  }
  AppendReversedGloss(out);
  out->push_back(' ');
}

void VerbPieces::AppendNegRoot(std::string* out) const {
  // The auxiliary is looked up only for a rover that needs it.
  if (AnyRoverAt(verb_, kAfterRoot)) {
    AppendWording(verb_, kRootNegation, kAfterRoot, Aux(AuxForm::kDo), out);
  }
  AppendReversedGloss(out);
  out->push_back(' ');
}

void VerbPieces::AppendVS2(int withAux, std::string* out) const {
  std::string_view g = verb_.ClassGloss(kVolitionClass);
  std::string_view aux;
  if (withAux) {
    // "be ready to" conjugates its own "be": "am ready to".
    if (StartsWith(g, "be ")) {
      g.remove_prefix(3);
      aux = Aux(AuxForm::kBe);
    } else {
      aux = Aux(AuxForm::kDo);
    }
  }
  if (imperative_) aux = "be ";
  const bool reworded =
      AppendWording(verb_, kSuffixNegation, After(kVolitionClass), aux, out);
  // A modal "need to" takes no auxiliary unless it is negated.
  if (!reworded && withAux && verb_.m_strVS2 != "nIS") out->append(aux);
  out->append(g);
}

void VerbPieces::AppendVS3(int withAux, std::string* out) const {
  if (NothingAt(verb_, verb_.m_strVS3, After(kChangeClass))) return;
  std::string_view g = verb_.ClassGloss(kChangeClass);
  std::string_view aux;
  if (verb_.m_strVS3 == "choH") {
    if (withAux) aux = Aux(AuxForm::kDo);
    g = "begin to ";
  }
  // Without a rover the auxiliary is not needed: "I begin to eat".
  AppendWording(verb_, kSuffixNegation, After(kChangeClass), aux, out);
  out->append(g);
}

void VerbPieces::AppendVS4(int withAux, std::string* out) const {
  const size_t start = out->size();
  if (AnyRoverAt(verb_, After(kCauseClass))) {
    AppendWording(verb_, kSuffixNegation, After(kCauseClass),
                  withAux ? Aux(AuxForm::kDo) : std::string_view(), out);
  }
  out->append(verb_.ClassGloss(kCauseClass));
  if (out->size() != start) out->push_back(' ');
}

std::string_view VerbPieces::VS5View() const {
  if (imperative_) {
    const RoverText* row =
        FirstRover(verb_, kCommandAbilityWording, After(kAbilityClass));
    return row != nullptr ? row->text : kCommandAbilityPlain;
  }
  const RoverText* row =
      FirstRover(verb_, kAbilityWording, After(kAbilityClass));
  if (row != nullptr) return row->text;
  // Every suffix that means "can" reads as the plain one; "one" goes to
  // the subject.
  return verb_.ClassHas(kAbilityClass, kMeansCan)
             ? TS(kPlainAbility)
             : verb_.ClassGloss(kAbilityClass);
}

void VerbPieces::AppendVS6(std::string* out) const {
  if (NothingAt(verb_, verb_.m_strVS6, After(kQualificationClass))) {
    return;
  }
  AppendWording(verb_, kAdverbWording, After(kQualificationClass), {}, out);
  out->append(verb_.ClassGloss(kQualificationClass));
}

void VerbPieces::AppendVS7(std::string* out) const {
  if (NothingAt(verb_, verb_.m_strVS7, After(kAspectClass))) return;
  const std::string_view g = verb_.ClassGloss(kAspectClass);
  const RoverText* row = FirstRover(verb_, kAspectWording, After(kAspectClass));
  if (row == nullptr) {
    out->append(g);
    return;
  }
  const size_t inside =
      g.size() < kInsideParenthesis ? g.size() : kInsideParenthesis;
  out->append(g.substr(0, inside));
  out->append(row->text);
  out->append(g.substr(inside));
}

std::string VerbPieces::VS2(int withAux) const {
  std::string piece;
  AppendVS2(withAux, &piece);
  return piece;
}

std::string VerbPieces::VS3(int withAux) const {
  std::string piece;
  AppendVS3(withAux, &piece);
  return piece;
}

std::string VerbPieces::VS4(int withAux) const {
  std::string piece;
  AppendVS4(withAux, &piece);
  return piece;
}

}  // namespace tesvar
