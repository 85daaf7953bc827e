// The English sentence of a verb reading. The renderer works out what the
// sentence says differently from the record (the subject and object of a
// verb without prefix, the object of {-'egh} and {-chuq}, the indefinite
// subject "one", the "be" of a quality verb), picks one of sixteen
// arrangements by the suffixes present, joins the pieces of
// verb_pieces.cc in that order, and ends a question with "?" and a
// command with "!". A verb turned into a noun is shown as its noun
// reading, whose definition is the sentence of the verb part without a
// subject.
//
// English order differs from the affix order: the clause conjunction and
// the subject come first, modals and "begin to" stand before the root,
// the causative puts its object before "to", and "again" comes last. A
// question leads with its auxiliary (or "can"); a command has neither
// conjunction nor subject.
// Tested by verb_gloss_test.cc.

#include "gloss/verb_gloss.h"

#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>

#include "gloss/verb_pieces.h"
#include "platform/text.h"
#include "verbs/parsed_verb.h"
#include "verbs/verb_affix_tables.h"

namespace tesvar {

namespace {

// The subject and object of a verb read without prefix.
constexpr std::string_view kUnmarkedSubject = "he/she/it/they ";
constexpr std::string_view kUnmarkedObject = "him/her/it/them ";
constexpr std::string_view kIndefiniteSubject = "one ";

// Sentences up to this size are built in one allocation.
constexpr size_t kTypicalGlossSize = 63;

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

constexpr ObjectFormRow kObjectForms[] = {
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

constexpr bool Meets(Need need, bool value) {
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

// clang-format off
constexpr Arrangement kArrangements[] = {
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

// What the sentence says differently from the record; views of the
// record and of constant tables.
struct SentenceParts {
  std::string_view subject;
  std::string_view object;
  std::string_view definition;
};

// The pieces that are not read from the record as they are.
struct Prepared {
  std::string_view refusal;    // kN
  std::string_view root_lead;  // kR: "be " or the conjugated "be"
  bool negated_root = false;   // kR: the root negated through "do"
  std::string_view question;   // kA
};

// Fills in what the prefix, {-'egh}/{-chuq}, the indefinite subject and a
// quality verb imply, so that the pieces read a complete sentence.
SentenceParts Prepare(const CParsedVerb& v) {
  SentenceParts p{v.m_strSubject, v.m_strObject, v.m_strGloss};
  if (v.m_strPrefix.empty()) {
    p.subject = kUnmarkedSubject;
    // A quality verb has no object unless it is made causative.
    if (!v.m_bStative || !v.m_strVS4.empty()) p.object = kUnmarkedObject;
  }
  // A verb glossed as the definition of its own noun has no subject.
  if (v.m_bNominalised) p.subject = {};
  if (!v.m_strVS1.empty()) {
    std::string_view object = v.m_strVS1;
    if (object == kReflexiveSuffix) object = ReflexivePronoun(v.m_pPrefix);
    p.object = VerbPieces::TS(object);
  }
  if (v.ClassHas(kAbilityClass, kSubjectIsOne)) {
    p.object = p.subject;
    p.subject = kIndefiniteSubject;
    for (const ObjectFormRow& row : kObjectForms) {
      if (row.subject == p.object) {
        p.object = row.object;
        break;
      }
    }
  }
  // "be big": the shapes put their own "be" (or "am", "is") back.
  if (v.m_bStative && StartsWith(p.definition, "be ")) {
    p.definition.remove_prefix(3);
  }
  return p;
}

Shape ChooseShape(const CParsedVerb& v, bool question) {
  const bool ability = v.ClassHas(kAbilityClass, kMeansCan);
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
void AdjustForShape(const CParsedVerb& v, const VerbPieces& pieces, Shape shape,
                    bool choh, Prepared* p) {
  const bool stative = v.m_bStative != 0;
  switch (shape) {
    case kQuestionPlain:
      p->question = pieces.Aux(AuxForm::kDo);
      if (stative && !choh) {
        p->question = pieces.Aux(AuxForm::kBe);
        return;
      }
      break;
    case kQuestionCause:
    case kQuestionBoth:
      p->question = pieces.Aux(AuxForm::kDo);
      break;
    case kQuestionModal:
      p->question =
          pieces.Aux(v.m_strVS2 == "nIS" ? AuxForm::kDo : AuxForm::kBe);
      break;
    case kPlain:
      if (choh) break;
      if (!stative) {
        p->negated_root = true;
        return;
      }
      // A wish or a command keeps the infinitive: "may I be big".
      if (v.m_strVS9 != "jaj" && !pieces.imperative()) {
        p->root_lead = pieces.Aux(AuxForm::kBe);
        return;
      }
      break;
    default:
      break;
  }
  if (stative) p->root_lead = "be ";
}

// The arrangement of each shape, causative and command, found once at
// compile time.
constexpr int kShapes = kCause + 1;
constexpr size_t ArrangementIndex(Shape shape, bool causative, bool command) {
  for (size_t i = 0; i < std::size(kArrangements); ++i) {
    const Arrangement& a = kArrangements[i];
    if (a.shape == shape && Meets(a.causative, causative) &&
        Meets(a.command, command)) {
      return i;
    }
  }
  return std::size(kArrangements);
}

struct ArrangementIndexes {
  unsigned char index[kShapes][2][2];
};

constexpr ArrangementIndexes MakeArrangementIndexes() {
  ArrangementIndexes t{};
  for (int shape = 0; shape < kShapes; ++shape) {
    for (int causative = 0; causative < 2; ++causative) {
      for (int command = 0; command < 2; ++command) {
        t.index[shape][causative][command] =
            static_cast<unsigned char>(ArrangementIndex(
                static_cast<Shape>(shape), causative != 0, command != 0));
      }
    }
  }
  return t;
}

constexpr ArrangementIndexes kArrangementIndexes = MakeArrangementIndexes();

constexpr bool EveryShapeArranged() {
  for (const auto& by_shape : kArrangementIndexes.index) {
    for (const auto& by_causative : by_shape) {
      for (unsigned char index : by_causative) {
        if (index >= std::size(kArrangements)) return false;
      }
    }
  }
  return true;
}
static_assert(EveryShapeArranged(), "every shape has its arrangements");

const Arrangement& FindArrangement(Shape shape, bool causative, bool command) {
  return kArrangements[kArrangementIndexes.index[shape][causative][command]];
}

void AppendPiece(const CParsedVerb& v, const VerbPieces& pieces,
                 const SentenceParts& parts, Piece piece, const Prepared& p,
                 std::string* out) {
  switch (piece) {
    case kEnd:
      break;
    case kW:
      out->append(v.ClassGloss(kClauseClass));
      break;
    case kS:
      out->append(parts.subject);
      break;
    case kO:
      out->append(parts.object);
      break;
    case kN:
      out->append(p.refusal);
      break;
    case kR:
      out->append(p.root_lead);
      if (p.negated_root) {
        pieces.AppendNegRoot(out);
      } else {
        pieces.AppendRoot(out);
      }
      break;
    case kA:
      out->append(p.question);
      break;
    case kV2:
    case kV2A:
      pieces.AppendVS2(piece == kV2A ? 1 : 0, out);
      break;
    case kV3:
    case kV3A:
      pieces.AppendVS3(piece == kV3A ? 1 : 0, out);
      break;
    case kV4:
    case kV4A:
      pieces.AppendVS4(piece == kV4A ? 1 : 0, out);
      break;
    case kV5:
      pieces.AppendVS5(out);
      break;
    case kV6:
      pieces.AppendVS6(out);
      break;
    case kV7:
      pieces.AppendVS7(out);
      break;
    case kT7:
      out->append(v.ClassGloss(kAspectClass));
      break;
    case kV8:
      out->append(v.ClassGloss(kHonorificClass));
      break;
    case kTo:
      out->append("to ");
      break;
  }
}

// The verb's own sentence.
void AppendSentence(const CParsedVerb& v, std::string* out) {
  const SentenceParts parts = Prepare(v);
  const VerbPieces pieces(v, parts.subject, parts.definition);
  Prepared p;
  p.refusal = !v.m_strRefusal.empty() && pieces.imperative()
                  ? std::string_view("don't ")
                  : VerbPieces::TS(v.m_strRefusal);

  const bool question = v.ClassHas(kClauseClass, kYesNoQuestion);
  const bool choh = v.m_strVS3 == "choH";
  const Shape shape = ChooseShape(v, question);
  AdjustForShape(v, pieces, shape, choh, &p);
  const Arrangement& arrangement =
      FindArrangement(shape, !v.m_strVS4.empty(), pieces.imperative());
  const Piece* order = choh ? arrangement.with_choh : arrangement.without_choh;

  const size_t start = out->size();
  for (size_t i = 0; i < kMaxPieces && order[i] != kEnd; ++i) {
    AppendPiece(v, pieces, parts, order[i], p, out);
  }
  TrimRight(out, start);
  if (question) {
    out->push_back('?');
  } else if (pieces.imperative()) {
    out->push_back('!');
  }
}

// The English of the verb part alone, as if it were not a noun.
void AppendVerbPart(const CParsedVerb& verb, std::string* out) {
  if (verb.m_bPronoun) {
    AppendPronounGloss(verb, out);
  } else {
    AppendSentence(verb, out);
  }
}

}  // namespace

void AppendVerbGloss(const CParsedVerb& verb, std::string* out) {
  if (verb.m_bAsNoun) {
    std::string definition;
    AppendVerbPart(verb, &definition);
    verb.m_noun.AppendGloss(definition, out);
    return;
  }
  AppendVerbPart(verb, out);
}

std::string CParsedVerb::ToString() const {
  std::string out;
  // Room for most sentences, so that the pieces are appended without
  // moving the text.
  out.reserve(kTypicalGlossSize);
  AppendVerbGloss(*this, &out);
  return out;
}

}  // namespace tesvar
