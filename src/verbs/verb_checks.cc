// The verb grammar checks. None of them rejects a reading: each one that
// applies adds its message, divides the score by its factor and adds the
// corrected word forms, in that order. A correction is always a prefix,
// the root and pieces of the word, where BuildSuffixes(n) supplies the
// suffixes already stored before class n (at the time the check runs).
//
// The checks of one suffix run in a fixed order, as rows of two tables:
// those before the suffix is stored (type clashes, misplaced {-Ha'} and
// {-Qo'}), then those after it. Reflexive suffixes are judged only once
// the whole verb is read, since a later {-moH} takes the fault away.
// Tested by verb_checks_test.cc.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <utility>

#include "platform/text.h"
#include "verbs/parsed_verb.h"
#include "verbs/verb_affix_tables.h"

namespace tesvar {

namespace {

using Scan = VerbScanState;

// The BuildSuffixes limit that takes every stored suffix.
constexpr int kAllClasses = kLastVerbClass + 1;

// Prefixes whose subject includes the speaker.
constexpr size_t kFirstPersonCount = 9;
constexpr std::string_view kFirstPersonPrefixes[kFirstPersonCount] = {
    "jI", "qa", "vI", "Sa", "ma", "pI", "wI", "re", "DI"};
// Prefixes without an object.
constexpr size_t kNoObjectCount = 5;
constexpr std::string_view kNoObjectPrefixes[kNoObjectCount] = {
    "jI", "bI", "ma", "pe", "Su"};
// The command prefix that is read with or without an object.
constexpr std::string_view kOptionalObjectPrefix = "yI";
// Prefixes without an object whose subject is plural.
constexpr size_t kPluralNoObjectCount = 3;
constexpr std::string_view kPluralNoObjectPrefixes[kPluralNoObjectCount] = {
    "ma", "Su", "pe"};

struct Swap {
  std::string_view from;
  std::string_view to;
};

// The prefix that keeps the subject and drops the object. A reflexive
// command keeps a command prefix; a stative verb is offered the bare verb.
struct NoObjectSwap {
  std::string_view from;
  std::string_view reflexive;
  std::string_view stative;
};
constexpr size_t kNoObjectSwapCount = 16;
constexpr NoObjectSwap kNoObjectSwaps[kNoObjectSwapCount] = {
    {"qa", "jI", "jI"},  {"vI", "jI", "jI"}, {"Sa", "jI", "jI"},
    {"cho", "bI", "bI"}, {"Da", "bI", "bI"}, {"ju", "bI", "bI"},
    {"pI", "ma", "ma"},  {"wI", "ma", "ma"}, {"re", "ma", "ma"},
    {"DI", "ma", "ma"},  {"tu", "Su", "Su"}, {"bo", "Su", "Su"},
    {"che", "Su", "Su"}, {"HI", "yI", ""},   {"gho", "yI", ""},
    {"tI", "yI", ""},
};

// The plural no-object prefix for {-chuq}; any prefix not listed gives
// "ma".
constexpr size_t kReciprocalSwapCount = 11;
constexpr Swap kReciprocalSwaps[kReciprocalSwapCount] = {
    {"yI", "pe"}, {"HI", "pe"}, {"tI", "pe"}, {"gho", "pe"},
    {"bI", "Su"}, {"Da", "Su"}, {"Du", "Su"}, {"lI", "Su"},
    {"bo", "Su"}, {"nI", "Su"}, {"lu", ""},
};
constexpr std::string_view kReciprocalOtherwise = "ma";

// The prefix with the same subject and an object; others stay.
constexpr size_t kObjectSwapCount = 5;
constexpr Swap kObjectSwaps[kObjectSwapCount] = {
    {"jI", "vI"}, {"bI", "Da"}, {"ma", "wI"}, {"pe", "yI"}, {"Su", "bo"},
};

// Commands are negated with {-Qo'}: the negating rovers and their
// command counterparts.
constexpr size_t kCommandNegationCount = 3;
constexpr Swap kCommandNegations[kCommandNegationCount] = {
    {"be'qu'", "Qo'qu'"}, {"qu'be'", "qu'Qo'"}, {"be'", "Qo'"}};

template <typename Row, size_t N>
const Row* FindRow(std::string_view from, const Row (&rows)[N]) {
  for (const Row& row : rows) {
    if (row.from == from) return &row;
  }
  return nullptr;
}

template <size_t N>
bool IsOneOf(std::string_view text, const std::string_view (&set)[N]) {
  for (std::string_view member : set) {
    if (text == member) return true;
  }
  return false;
}

bool HasNoObject(std::string_view prefix) {
  return IsOneOf(prefix, kNoObjectPrefixes);
}

bool MayHaveNoObject(std::string_view prefix) {
  return HasNoObject(prefix) || prefix == kOptionalObjectPrefix;
}

std::string_view ObjectPrefix(std::string_view prefix) {
  const Swap* swap = FindRow(prefix, kObjectSwaps);
  return swap != nullptr ? swap->to : prefix;
}

void Fault(CParsedVerb& verb, std::string message, double divisor) {
  verb.m_lstErrors.push_back(std::move(message));
  verb.m_dScore /= divisor;
}

// Adds the suggestion prefix + root + the pieces.
void Suggest(CParsedVerb& verb, std::string_view prefix,
             std::initializer_list<std::string_view> pieces) {
  std::string form(prefix);
  form += verb.m_strHeadword;
  for (std::string_view piece : pieces) form += piece;
  verb.m_lstSuggestions.push_back(std::move(form));
}

bool IsClassType(int type, int highest) { return type >= 1 && type <= highest; }

void CheckSameType(CParsedVerb& v, Scan& s) {
  if (s.type == kRoverType || s.type != s.last_type) return;
  Fault(v,
        Format("The verb suffixes {%s} and {%s} are both type %i, and cannot "
               "both be on a verb at the same time.",
               {s.last, s.current, s.type}),
        factor::kEighth);
  const std::string before = v.BuildSuffixes(s.type);
  Suggest(v, v.m_strPrefix, {before, s.rest});
  Suggest(v, v.m_strPrefix, {before, s.last, s.after()});
}

void CheckTypeOrder(CParsedVerb& v, Scan& s) {
  if (s.type == kRoverType || s.type >= s.last_type) return;
  Fault(v,
        Format("The verb suffix {%s} is type %i, and must precede {%s} which "
               "is type %i.",
               {s.current, s.type, s.last, s.last_type}),
        factor::kHalf);
  Suggest(v, v.m_strPrefix,
          {v.BuildSuffixes(s.type), s.current, s.last, s.after()});
}

void CheckRootNegationPlace(CParsedVerb& v, Scan& s) {
  if (s.current != "Ha'" || s.last_type < 0) return;
  Fault(v,
        "The verb suffix {-Ha'} must follow the verb root, see GRM 4.3, p. 48.",
        factor::kHalf);
  Suggest(v, v.m_strPrefix,
          {"Ha'", v.BuildSuffixes(s.last_type + 1), s.after()});
}

void CheckRefusalPlace(CParsedVerb& v, Scan& s) {
  if (s.current != "Qo'" || s.last_type < kLastVerbClass) return;
  Fault(v, "The verb suffix {-Qo'} must come before a VS9 suffix, see GRM 4.3.",
        factor::kHalf);
  Suggest(v, v.m_strPrefix,
          {v.BuildSuffixes(kLastVerbClass), "Qo'", s.last, s.after()});
}

void CheckTaboo(CParsedVerb& v, Scan& s) {
  if (s.current != "vIp" || !IsOneOf(v.m_strPrefix, kFirstPersonPrefixes)) {
    return;
  }
  Fault(v,
        "It is culturally taboo to use {-vIp} with a 1st person prefix [GRM "
        "4.2.2 p. 37].",
        factor::kSlight);
  Suggest(v, v.m_strPrefix, {s.after()});
}

void CheckSlang(CParsedVerb& v, Scan& s) {
  if (s.current != "la'" && s.current != "luH") return;
  Fault(v,
        Format("The suffix {-%s} is slang, so should be avoided for proper "
               "usage.",
               {s.current}),
        factor::kSlight);
  const std::string before = v.BuildSuffixes(5);
  Suggest(v, v.m_strPrefix, {before, "lu'", s.after()});
  Suggest(v, v.m_strPrefix, {before, "laH", s.after()});
}

void CheckAfterRefusal(CParsedVerb& v, Scan& s) {
  if (!IsClassType(s.type, kLastVerbClass - 1) || v.m_strRefusal.empty()) {
    return;
  }
  Fault(v, Format("The verb suffix {-Qo'} must come after {-%s}.", {s.current}),
        factor::kHalf);
  Suggest(v, v.m_strPrefix,
          {v.BuildSuffixes(kLastVerbClass), "Qo'", s.after()});
}

void NoteReflexiveObject(CParsedVerb& v, Scan& s) {
  if (s.type == 1 && !v.m_strPrefix.empty() &&
      !MayHaveNoObject(v.m_strPrefix)) {
    s.reflexive = Scan::kReflexiveWithObject;
  }
}

void NoteCausative(CParsedVerb&, Scan& s) {
  if (s.current == "moH") s.reflexive = Scan::kNoReflexive;
}

void CheckReciprocalPrefix(CParsedVerb& v, Scan& s) {
  if (s.current != "chuq" || v.m_strPrefix.empty() ||
      IsOneOf(v.m_strPrefix, kPluralNoObjectPrefixes)) {
    return;
  }
  Fault(v,
        Format("Verb suffix {%s} requires a plural verb prefix with no object.",
               {s.current}),
        factor::kThird);
  Suggest(v, v.m_strPrefix, {s.after()});
  const Swap* swap = FindRow(v.m_strPrefix, kReciprocalSwaps);
  Suggest(v, swap != nullptr ? swap->to : kReciprocalOtherwise, {s.rest});
}

void CheckIndefiniteSubject(CParsedVerb& v, Scan& s) {
  if (s.current != "lu'" || !HasNoObject(v.m_strPrefix)) return;
  Fault(v, "Verb suffix {-lu'} requires a verb prefix with an object.",
        factor::kThird);
  const std::string before = v.BuildSuffixes(5);
  Suggest(v, v.m_strPrefix, {before, s.after()});
  Suggest(v, ObjectPrefix(v.m_strPrefix), {before, s.rest});
}

void CheckStativeCausative(CParsedVerb& v, Scan& s) {
  if (s.current != "moH" || !v.m_strVS1.empty() || !v.m_bStative ||
      !HasNoObject(v.m_strPrefix)) {
    return;
  }
  Fault(v,
        "Stative verbs with {-moH} require prefixes with an object, unless "
        "they are reflexive.",
        factor::kHalf);
  const std::string before = v.BuildSuffixes(4);
  Suggest(v, v.m_strPrefix, {before, s.after()});
  Suggest(v, ObjectPrefix(v.m_strPrefix), {before, s.rest});
}

// {-vIS} and a bare {-ghach} are both mended by putting {-taH} in.
void SuggestContinuous(CParsedVerb& v, const Scan& s) {
  Suggest(v, v.m_strPrefix, {v.BuildSuffixes(7), "taH", v.m_strVS8, s.rest});
}

void CheckWhile(CParsedVerb& v, Scan& s) {
  if (s.current != "vIS" || v.m_strVS7 == "taH") return;
  Fault(v, "VS9 {-vIS} requires VS7 {-taH}", factor::kHalf);
  SuggestContinuous(v, s);
}

void CheckBareNominaliser(CParsedVerb& v, Scan& s) {
  if (s.current != "ghach") return;
  for (int type = 1; type < kLastVerbClass; ++type) {
    if (!(v.*kClassFields[type]).empty()) return;
  }
  Fault(v, "VS9 {-ghach} requires an intervening suffix.", factor::kHalf);
  SuggestContinuous(v, s);
}

void NoteReflexiveStative(CParsedVerb& v, Scan& s) {
  if (s.type == 1 && v.m_bStative) s.reflexive = Scan::kReflexiveStative;
}

void CheckCommandWish(CParsedVerb& v, Scan& s) {
  if (s.current != "jaj" || !v.IsImperative()) return;
  Fault(v, "The suffix {-jaj} cannot be used on imperative verbs.",
        factor::kThird);
  Suggest(v, v.m_strPrefix, {v.BuildSuffixes(kLastVerbClass), s.after()});
}

void CheckCommandNegation(CParsedVerb& v, Scan& s) {
  const Swap* swap = FindRow(s.current, kCommandNegations);
  if (swap == nullptr || !v.IsImperative()) return;
  Fault(v,
        "The suffix {-be'} cannot be used on imperative verbs.  Use {-Qo'} "
        "instead.",
        factor::kQuarter);
  Suggest(v, v.m_strPrefix,
          {v.BuildSuffixes(s.last_type + 1), swap->to, s.after()});
}

using SuffixCheck = void (*)(CParsedVerb&, Scan&);

// Checks of the suffix just matched, in the order they run.
constexpr size_t kBeforeStoringCount = 4;
constexpr SuffixCheck kBeforeStoring[kBeforeStoringCount] = {
    CheckSameType, CheckTypeOrder, CheckRootNegationPlace, CheckRefusalPlace};
constexpr size_t kAfterStoringCount = 13;
constexpr SuffixCheck kAfterStoring[kAfterStoringCount] = {
    CheckTaboo,
    CheckSlang,
    CheckAfterRefusal,
    NoteReflexiveObject,
    NoteCausative,
    CheckReciprocalPrefix,
    CheckIndefiniteSubject,
    CheckStativeCausative,
    CheckWhile,
    CheckBareNominaliser,
    NoteReflexiveStative,
    CheckCommandWish,
    CheckCommandNegation,
};

}  // namespace

void CParsedVerb::CheckBeforeStoring(VerbScanState* scan) {
  for (SuffixCheck check : kBeforeStoring) check(*this, *scan);
}

void CParsedVerb::CheckAfterStoring(VerbScanState* scan) {
  for (SuffixCheck check : kAfterStoring) check(*this, *scan);
}

void CParsedVerb::CheckReflexive(int reflexive) {
  if (reflexive == VerbScanState::kReflexiveWithObject) {
    Fault(*this,
          Format("Verb suffix {%s} requires a verb prefix with no object.",
                 {"-'egh"}),
          factor::kThird);
    const NoObjectSwap* swap = FindRow(m_strPrefix, kNoObjectSwaps);
    Suggest(*this, swap != nullptr ? swap->reflexive : "",
            {BuildSuffixes(kAllClasses)});
  } else if (reflexive == VerbScanState::kReflexiveStative) {
    Fault(*this,
          "Stative verbs cannot take a reflexive suffix, unless they have "
          "{-moH}.",
          factor::kHalf);
    // Once with {-moH} added, once without the reflexive suffix.
    m_strVS4 = "moH";
    Suggest(*this, m_strPrefix, {BuildSuffixes(kAllClasses)});
    m_strVS4.clear();
    std::string reflexive_suffix;
    reflexive_suffix.swap(m_strVS1);
    Suggest(*this, m_strPrefix, {BuildSuffixes(kAllClasses)});
    m_strVS1.swap(reflexive_suffix);
  }
}

void CParsedVerb::CheckStativePrefix() {
  if (!m_bStative || !m_strVS4.empty() || MayHaveNoObject(m_strPrefix)) return;
  Fault(*this, "Stative verbs without {-moH} require a no-object prefix.",
        factor::kHalf);
  const NoObjectSwap* swap = FindRow(m_strPrefix, kNoObjectSwaps);
  Suggest(*this, swap != nullptr ? swap->stative : "",
          {BuildSuffixes(kAllClasses)});
}

}  // namespace tesvar
