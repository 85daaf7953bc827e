// The English sentence of a verb reading. ToString prepares the record
// (the subject and object of a verb without prefix, the object of {-'egh}
// and {-chuq}, the indefinite subject "one", the "be" of a quality verb),
// picks one of sixteen arrangements by the suffixes present, joins the
// pieces of verb_pieces.cc in that order, and ends a question with "?" and
// a command with "!".
//
// English order differs from the affix order: the clause conjunction and
// the subject come first, modals and "begin to" stand before the root,
// the causative puts its object before "to", and "again" comes last. A
// question leads with its auxiliary (or "can"); a command has neither
// conjunction nor subject.
// Tested by verb_gloss_test.cc.

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/text.h"
#include "verbs/parsed_verb.h"
#include "verbs/verb_affix_tables.h"

namespace tesvar {

namespace {

// Arguments of Aux.
constexpr int kBe = 1;
constexpr int kDo = 2;

// The subject and object of a verb read without prefix.
constexpr std::string_view kUnmarkedSubject = "he/she/it/they ";
constexpr std::string_view kUnmarkedObject = "him/her/it/them ";
constexpr std::string_view kIndefiniteSubject = "one ";

// The reflexive suffix, whose object is the subject's own self.
constexpr std::string_view kReflexiveSuffix = "'egh";

// The pronoun {-'egh} puts in the object place, by the subject of a
// prefix that may go without object; prefixes with an object of their own
// reflect a third person.
struct ReflexiveRow {
  Party subject;
  std::string_view pronoun;
};

constexpr ReflexiveRow kReflexives[] = {
    {kMe, "myself "},          {kUs, "ourselves "},    {kYouOne, "yourself "},
    {kYouMany, "yourselves "}, {kYouAny, "yourself "},
};
constexpr std::string_view kOtherReflexive = "him/her/itself ";

std::string_view ReflexivePronoun(const VerbPrefixRow* prefix) {
  if (prefix == nullptr || !prefix->may_omit_object()) return kOtherReflexive;
  for (const ReflexiveRow& row : kReflexives) {
    if (row.subject == prefix->subject_party) return row.pronoun;
  }
  return kOtherReflexive;
}

// When "one" becomes the subject, the prefix's subject becomes the object
// ("one sees me"); phrases not listed keep their form.
struct ObjectFormRow {
  std::string_view subject;
  std::string_view object;
};

constexpr size_t kObjectFormCount = 5;
constexpr ObjectFormRow kObjectForms[kObjectFormCount] = {
    {"I ", "me "},
    {"we ", "us "},
    {"he/she/it ", "him/her/it "},
    {"he/she/it/they ", "him/her/it/them "},
    {"they ", "them "},
};

// The pieces a sentence is joined from.
enum Piece : unsigned char {
  kEnd = 0,  // closes an arrangement
  kW,        // the VS9 conjunction: "because ", "may ", "(noun) "
  kS,        // the subject
  kO,        // the object
  kN,        // "refuse to ", or "don't " in a command
  kR,        // the root with its rovers, adjusted for the shape
  kA,        // the auxiliary that leads a question
  kV2,       // VS2(0)
  kV2A,      // VS2(1): with its own auxiliary, "am ready to"
  kV3,       // VS3(0)
  kV3A,      // VS3(1): "do not begin to"
  kV4,       // VS4(0)
  kV4A,      // VS4(1): "do not cause"
  kV5,       // VS5()
  kV6,       // VS6()
  kV7,       // VS7()
  kT7,       // the VS7 aspect without its rover
  kV8,       // ", your honor"
  kTo,       // "to " between a causative's object and the caused verb
};

// The families of sentences; each decides how the root and the question
// auxiliary are adjusted.
enum Shape {
  kQuestionAbility,  // "can I eat it?"
  kQuestionPlain,    // "do I eat it?": neither VS2 nor VS4
  kQuestionCause,    // "do I cause him to eat?": VS4 only
  kQuestionModal,    // "am I ready to eat it?": VS2 only
  kQuestionBoth,     // VS2 and VS4
  kAbility,          // "I can eat it"
  kPlain,            // "I eat it": neither VS2 nor VS4
  kModal,            // "I am ready to eat it": VS2 only
  kCause,            // "I cause him to eat": VS4, with or without VS2
};

enum Need : unsigned char { kAny, kYes, kNo };

bool Meets(Need need, bool value) {
  return need == kAny || (need == kYes) == value;
}

// One arrangement: the pieces in order when VS3 is {-choH} ("begin to"
// before the root) and otherwise (VS3, "again", near the end).
constexpr size_t kMaxPieces = 14;
struct Arrangement {
  Shape shape;
  Need causative;  // a VS4 suffix is present
  Need command;    // the prefix is imperative
  Piece with_choh[kMaxPieces];
  Piece without_choh[kMaxPieces];
};

constexpr size_t kArrangementCount = 16;
// clang-format off
constexpr Arrangement kArrangements[kArrangementCount] = {
    {kQuestionAbility, kNo, kAny,
     {kV5, kS, kV6, kN, kV2, kV3, kR, kV7, kO, kV8},
     {kV5, kS, kV6, kN, kV2, kR, kV7, kO, kV3, kV8}},
    {kQuestionAbility, kYes, kAny,
     {kV5, kS, kV6, kN, kV4, kO, kTo, kV2, kV3, kR, kV7, kV8},
     {kV5, kS, kV6, kN, kV4, kO, kTo, kV2, kR, kV7, kV3, kV8}},
    {kQuestionPlain, kAny, kAny,
     {kA, kS, kV6, kN, kV3, kR, kV7, kO, kV8},
     {kA, kS, kV6, kN, kR, kV7, kO, kV3, kV8}},
    {kQuestionCause, kAny, kAny,
     {kA, kS, kV6, kN, kV4, kO, kTo, kV3, kR, kV7, kV8},
     {kA, kS, kV6, kN, kV4, kO, kTo, kR, kV7, kV3, kV8}},
    {kQuestionModal, kAny, kAny,
     {kA, kS, kV6, kN, kV2, kV3, kR, kV7, kO, kV8},
     {kA, kS, kV6, kN, kV2, kR, kT7, kO, kV3, kV8}},
    {kQuestionBoth, kAny, kAny,
     {kA, kS, kV6, kN, kV4, kO, kTo, kV2, kV3, kR, kV7, kV8},
     {kA, kS, kV6, kN, kV4, kO, kTo, kV2, kR, kV7, kV3, kV8}},
    {kAbility, kNo, kYes,
     {kN, kV6, kV5, kV2, kV3, kR, kV7, kO, kV8},
     {kN, kV6, kV5, kV2, kR, kV7, kO, kV3, kV8}},
    {kAbility, kNo, kNo,
     {kW, kS, kV6, kV5, kN, kV2, kV3, kR, kV7, kO, kV8},
     {kW, kS, kV6, kV5, kN, kV2, kR, kV7, kO, kV3, kV8}},
    {kAbility, kYes, kYes,
     {kN, kV6, kV5, kV4, kO, kTo, kV2, kV3, kR, kV7, kV8},
     {kN, kV6, kV5, kV4, kO, kTo, kV2, kR, kV7, kV3, kV8}},
    {kAbility, kYes, kNo,
     {kW, kS, kV6, kV5, kN, kV4, kO, kTo, kV2, kV3, kR, kV7, kV8},
     {kW, kS, kV6, kV5, kN, kV4, kO, kTo, kV2, kR, kV7, kV3, kV8}},
    {kPlain, kAny, kYes,
     {kN, kV6, kV3A, kR, kV7, kO, kV8},
     {kN, kV6, kR, kV7, kO, kV3, kV8}},
    {kPlain, kAny, kNo,
     {kW, kS, kV6, kN, kV3A, kR, kV7, kO, kV8},
     {kW, kS, kV6, kN, kR, kV7, kO, kV3, kV8}},
    {kModal, kAny, kYes,
     {kN, kV6, kV2A, kV3, kR, kV7, kO, kV8},
     {kN, kV6, kV2A, kR, kV7, kO, kV3, kV8}},
    {kModal, kAny, kNo,
     {kW, kS, kV6, kN, kV2A, kV3, kR, kV7, kO, kV8},
     {kW, kS, kV6, kN, kV2A, kR, kV7, kO, kV3, kV8}},
    {kCause, kAny, kYes,
     {kN, kV6, kV4A, kO, kTo, kV2, kV3, kR, kV7, kV8},
     {kN, kV6, kV4A, kO, kTo, kV2, kR, kV7, kV3, kV8}},
    {kCause, kAny, kNo,
     {kW, kS, kV6, kN, kV4A, kO, kTo, kV2, kV3, kR, kV7, kV8},
     {kW, kS, kV6, kN, kV4A, kO, kTo, kV2, kR, kV7, kV3, kV8}},
};
// clang-format on

// The prepared texts of the pieces that are not read from the record.
struct Prepared {
  std::string refusal;   // kN
  std::string root;      // kR
  std::string question;  // kA
};

// Fills in what the prefix, {-'egh}/{-chuq}, the indefinite subject and a
// quality verb imply, so that the pieces read a complete record.
void Prepare(CParsedVerb* v) {
  if (v->m_strPrefix.empty()) {
    v->m_strSubject = std::string(kUnmarkedSubject);
    // A quality verb has no object unless it is made causative.
    if (!v->m_bStative || !v->m_strVS4.empty()) {
      v->m_strObject = std::string(kUnmarkedObject);
    }
  }
  // A verb glossed as the definition of its own noun has no subject.
  if (v->m_bNominalised) v->m_strSubject.clear();
  if (!v->m_strVS1.empty()) {
    std::string_view object = v->m_strVS1;
    if (object == kReflexiveSuffix) object = ReflexivePronoun(v->m_pPrefix);
    v->m_strObject = v->TS(object);
  }
  if (HasTrait(v->m_strVS5, kSubjectIsOne)) {
    v->m_strObject = v->m_strSubject;
    v->m_strSubject = std::string(kIndefiniteSubject);
    for (const ObjectFormRow& row : kObjectForms) {
      if (row.subject == v->m_strObject) {
        v->m_strObject = std::string(row.object);
        break;
      }
    }
  }
  // "be big": the shapes put their own "be" (or "am", "is") back.
  if (v->m_bStative && StartsWith(v->m_strGloss, "be ")) {
    v->m_strGloss.erase(0, 3);
  }
}

Shape ChooseShape(const CParsedVerb& v, bool question) {
  const bool ability = HasTrait(v.m_strVS5, kMeansCan);
  const bool modal = !v.m_strVS2.empty();
  const bool cause = !v.m_strVS4.empty();
  if (question) {
    if (ability) return kQuestionAbility;
    if (cause) return modal ? kQuestionBoth : kQuestionCause;
    return modal ? kQuestionModal : kQuestionPlain;
  }
  if (ability) return kAbility;
  if (cause) return kCause;
  return modal ? kModal : kPlain;
}

// Sets the question auxiliary and gives a quality verb its "be". Only a
// plain statement or question conjugates the quality itself ("I am big",
// "is it big?"); a plain action statement is negated through "do".
void AdjustForShape(const CParsedVerb& v, Shape shape, bool choh, Prepared* p) {
  const bool stative = v.m_bStative != 0;
  switch (shape) {
    case kQuestionPlain:
      p->question = v.Aux(kDo);
      if (stative && !choh) {
        p->question = v.Aux(kBe);
        return;
      }
      break;
    case kQuestionCause:
    case kQuestionBoth:
      p->question = v.Aux(kDo);
      break;
    case kQuestionModal:
      p->question = v.Aux(v.m_strVS2 == "nIS" ? kDo : kBe);
      break;
    case kPlain:
      if (choh) break;
      if (!stative) {
        p->root = v.NegRoot();
        return;
      }
      // A wish or a command keeps the infinitive: "may I be big".
      if (v.m_strVS9 != "jaj" && !v.IsImperative()) {
        p->root.insert(0, v.Aux(kBe));
        return;
      }
      break;
    default:
      break;
  }
  if (stative) p->root.insert(0, "be ");
}

const Arrangement& FindArrangement(Shape shape, bool causative, bool command) {
  for (const Arrangement& a : kArrangements) {
    if (a.shape == shape && Meets(a.causative, causative) &&
        Meets(a.command, command)) {
      return a;
    }
  }
  return kArrangements[0];  // not reached: every shape has its rows
}

void AppendPiece(const CParsedVerb& v, Piece piece, const Prepared& p,
                 std::string* out) {
  switch (piece) {
    case kEnd:
      break;
    case kW:
      *out += v.TS(v.m_strVS9);
      break;
    case kS:
      *out += v.m_strSubject;
      break;
    case kO:
      *out += v.m_strObject;
      break;
    case kN:
      *out += p.refusal;
      break;
    case kR:
      *out += p.root;
      break;
    case kA:
      *out += p.question;
      break;
    case kV2:
    case kV2A:
      *out += v.VS2(piece == kV2A ? 1 : 0);
      break;
    case kV3:
    case kV3A:
      *out += v.VS3(piece == kV3A ? 1 : 0);
      break;
    case kV4:
    case kV4A:
      *out += v.VS4(piece == kV4A ? 1 : 0);
      break;
    case kV5:
      *out += v.VS5();
      break;
    case kV6:
      *out += v.VS6();
      break;
    case kV7:
      *out += v.VS7();
      break;
    case kT7:
      *out += v.TS(v.m_strVS7);
      break;
    case kV8:
      *out += v.TS(v.m_strVS8);
      break;
    case kTo:
      *out += "to ";
      break;
  }
}

}  // namespace

std::string CParsedVerb::ToString() {
  if (m_bAsNoun) return m_noun.ToString();
  if (m_bPronoun) return ToStringPronoun();

  Prepare(this);
  Prepared p;
  p.refusal = TS(m_strRefusal);
  if (!m_strRefusal.empty() && IsImperative()) p.refusal = "don't ";
  p.root = Root();

  const bool question = m_strVS9 == "'a'";
  const bool choh = m_strVS3 == "choH";
  const Shape shape = ChooseShape(*this, question);
  AdjustForShape(*this, shape, choh, &p);
  const Arrangement& arrangement =
      FindArrangement(shape, !m_strVS4.empty(), IsImperative() != 0);
  const Piece* pieces = choh ? arrangement.with_choh : arrangement.without_choh;

  std::string gloss;
  for (size_t i = 0; i < kMaxPieces && pieces[i] != kEnd; ++i) {
    AppendPiece(*this, pieces[i], p, &gloss);
  }
  TrimRight(&gloss);
  if (question) {
    gloss += '?';
    // The question has been asked; a second rendering is a statement.
    m_strVS9.clear();
  } else if (IsImperative()) {
    gloss += '!';
  }
  return gloss;
}

}  // namespace tesvar
