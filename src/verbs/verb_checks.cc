// The verb grammar checks. None of them rejects a reading: each one that
// applies adds its message, divides the score by its factor and adds the
// corrected word forms, in that order. A correction is always a prefix,
// the root and pieces of the word, where SuffixesBefore(n) supplies the
// suffixes already stored before class n (at the time the check runs).
//
// The checks of one suffix run in a fixed order, as rows of two tables:
// those before the suffix is stored (class clashes, misplaced {-Ha'} and
// {-Qo'}), then those after it. Each row names the suffix rows it
// concerns, as a function of the row alone, and a check runs only for
// those; what else it needs it reads from the record. Each row also names
// the occasion outside which its check does nothing, so that the scan can
// pass over the rovers of a long chain without calling any check.
// Reflexive suffixes are judged only once the whole verb is read, since a
// later {-moH} takes the fault away. The prefixes offered in corrections
// are found by their subject and object in the prefix table.
// Tested by verb_checks_test.cc.

#include <cstddef>
#include <cstdint>
#include <cstring>
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

// Suffixes with a rule of their own.
constexpr std::string_view kFearSuffix = "vIp";  // taboo in the first person
constexpr std::string_view kReciprocalSuffix = "chuq";
constexpr std::string_view kIndefiniteSuffix = "lu'";
constexpr std::string_view kWhileSuffix = "vIS";
constexpr std::string_view kBareNominaliser = "ghach";
constexpr std::string_view kWishSuffix = "jaj";
// What the corrections put in.
constexpr std::string_view kStandardIndefinite = "lu'";
constexpr std::string_view kStandardAbility = "laH";
constexpr std::string_view kContinuous = "taH";
constexpr std::string_view kCausative = "moH";
constexpr std::string_view kRootNegation = "Ha'";
constexpr std::string_view kRefusal = "Qo'";
// A command is negated with {-Qo'} where a statement has {-be'}.
constexpr std::string_view kNegation = "be'";

// Prefix queries. Where a correction changes the prefix it keeps the
// subject and changes one thing; "covers" lets a command to one or many
// stand in for a command to many.

// The prefix with the same subject and no object; with `optional`, one
// whose object may be left out will do.
const VerbPrefixRow* WithoutObject(const VerbPrefixRow& prefix, bool optional) {
  for (const VerbPrefixRow& row : kVerbPrefixes) {
    if (row.imperative() != prefix.imperative() ||
        !row.subject_party.Covers(prefix.subject_party)) {
      continue;
    }
    if (optional ? row.may_omit_object() : !row.has_object()) return &row;
  }
  return nullptr;
}

// The prefix with the same subject and a "him/her/it" object.
std::string_view WithObject(const VerbPrefixRow& prefix) {
  for (const VerbPrefixRow& row : kVerbPrefixes) {
    if (row.imperative() == prefix.imperative() &&
        row.subject_party.Covers(prefix.subject_party) &&
        row.object_party.Covers(kHim)) {
      return row.prefix;
    }
  }
  return prefix.prefix;
}

bool IsPluralWithoutObject(const VerbPrefixRow& prefix) {
  return !prefix.has_object() && prefix.subject_party.number == kPlural;
}

// The plural prefix without object for {-chuq}: the parties act on each
// other, so the subject becomes all of them, "we" when the speaker is one
// of them, else "you" when the one spoken to is; a command stays a
// command. "They" has no prefix of its own.
std::string_view ReciprocalPrefix(const VerbPrefixRow& prefix) {
  Person group = prefix.subject_party.person;
  if (prefix.imperative()) {
    group = Person::kSecond;
  } else if (prefix.has_object() && prefix.object_party.person < group) {
    group = prefix.object_party.person;
  }
  for (const VerbPrefixRow& row : kVerbPrefixes) {
    if (row.imperative() == prefix.imperative() && !row.has_object() &&
        row.subject_party == Party{group, kPlural}) {
      return row.prefix;
    }
  }
  return std::string_view();
}

bool HasNoObject(const CParsedVerb& v) {
  return v.m_pPrefix != nullptr && !v.m_pPrefix->has_object();
}

// Records a fault: the message (made from `format` and `args` as by
// Format, unless the verb is quiet) and the score.
void Fault(CParsedVerb& verb, std::string_view format,
           std::initializer_list<FormatArg> args, double divisor) {
  if (!verb.quiet()) {
    verb.m_lstErrors.push_back(args.size() == 0 ? std::string(format)
                                                : Format(format, args));
  }
  verb.m_dScore /= divisor;
}
void Fault(CParsedVerb& verb, std::string_view message, double divisor) {
  Fault(verb, message, {}, divisor);
}

// Copies `piece` to `to` and returns the end of the copy. Most pieces
// are suffixes of a few bytes, copied here as two moves that may overlap
// rather than by a call.
char* CopyPiece(char* to, std::string_view piece) {
  const char* from = piece.data();
  const size_t n = piece.size();
  if (n >= 4 && n <= 8) {
    std::memcpy(to, from, 4);
    std::memcpy(to + n - 4, from + n - 4, 4);
  } else if (n >= 2 && n < 4) {
    std::memcpy(to, from, 2);
    std::memcpy(to + n - 2, from + n - 2, 2);
  } else if (n == 1) {
    *to = *from;
  } else if (n > 8) {
    std::memcpy(to, from, n);
  }
  return to + n;
}

// A part of a correction: a text, or the stored suffixes before a class.
// Made implicitly, so that a correction lists its parts plainly.
struct Part {
  Part(std::string_view text) : text(text) {}
  Part(const SuffixPieces& pieces) : pieces(&pieces) {}

  size_t size() const {
    return pieces != nullptr ? pieces->size() : text.size();
  }
  char* CopyTo(char* to) const {
    if (pieces == nullptr) return CopyPiece(to, text);
    for (size_t i = 0; i < pieces->count(); ++i) {
      to = CopyPiece(to, pieces->piece(i));
    }
    return to;
  }

  std::string_view text;
  const SuffixPieces* pieces = nullptr;
};

// The stored suffixes before class n (see SuffixesBefore).
SuffixPieces Before(const CParsedVerb& verb, int n) {
  SuffixPieces pieces;
  verb.SuffixesBefore(n, &pieces);
  return pieces;
}

// Records the correction prefix + root + the parts in `log`, with the
// word's tail and rover runs marked, for a scan that goes on from this one.
void Record(VerbScanMemo::Scan& log, const CParsedVerb& verb,
            std::string_view prefix, std::initializer_list<Part> parts) {
  const std::string_view word = verb.m_strWord;
  log.AddText(prefix, word);
  log.AddMark(CorrectionPiece::kHeadword, 0);
  for (const Part& part : parts) {
    if (part.pieces == nullptr) {
      log.AddText(part.text, word);
      continue;
    }
    for (size_t i = 0; i < part.pieces->count(); ++i) {
      const int run = part.pieces->RunAt(i);
      if (run >= 0) {
        log.AddMark(CorrectionPiece::kRun, static_cast<size_t>(run));
      } else {
        log.AddText(part.pieces->piece(i), word);
      }
    }
  }
  log.EndRecipe();
}

// Adds the suggestion prefix + root + the parts. Words of many rovers
// get many long corrections, so the form is sized once and every piece
// copied straight into it.
void Suggest(CParsedVerb& verb, std::string_view prefix,
             std::initializer_list<Part> parts) {
  size_t size = prefix.size() + verb.m_strHeadword.size();
  for (const Part& part : parts) size += part.size();
  char* to = CopyPiece(verb.AddSuggestionBytes(size), prefix);
  to = CopyPiece(to, verb.m_strHeadword);
  for (const Part& part : parts) to = part.CopyTo(to);
  if (VerbScanMemo::Scan* log = verb.correction_log()) {
    Record(*log, verb, prefix, parts);
  }
}

void CheckSameType(CParsedVerb& v, Scan& s) {
  if (s.type() != s.last_type) return;
  Fault(v,
        "The verb suffixes {%s} and {%s} are both type %i, and cannot "
        "both be on a verb at the same time.",
        {s.last, s.current(), s.type()}, factor::kEighth);
  const SuffixPieces before = Before(v, s.type());
  Suggest(v, v.m_strPrefix, {before, s.rest});
  Suggest(v, v.m_strPrefix, {before, s.last, s.after()});
}

void CheckTypeOrder(CParsedVerb& v, Scan& s) {
  if (s.type() >= s.last_type) return;
  Fault(v,
        "The verb suffix {%s} is type %i, and must precede {%s} which "
        "is type %i.",
        {s.current(), s.type(), s.last, s.last_type}, factor::kHalf);
  Suggest(v, v.m_strPrefix,
          {Before(v, s.type()), s.current(), s.last, s.after()});
}

void CheckRootNegationPlace(CParsedVerb& v, Scan& s) {
  if (s.last_type < 0) return;
  Fault(v,
        "The verb suffix {-Ha'} must follow the verb root, see GRM 4.3, p. 48.",
        factor::kHalf);
  Suggest(v, v.m_strPrefix,
          {kRootNegation, Before(v, s.last_type + 1), s.after()});
}

void CheckRefusalPlace(CParsedVerb& v, Scan& s) {
  if (s.last_type < kLastVerbClass) return;
  Fault(v, "The verb suffix {-Qo'} must come before a VS9 suffix, see GRM 4.3.",
        factor::kHalf);
  Suggest(v, v.m_strPrefix,
          {Before(v, kLastVerbClass), kRefusal, s.last, s.after()});
}

void CheckTaboo(CParsedVerb& v, Scan& s) {
  if (v.m_pPrefix == nullptr ||
      v.m_pPrefix->subject_party.person != Person::kFirst) {
    return;
  }
  Fault(v,
        "It is culturally taboo to use {-vIp} with a 1st person prefix [GRM "
        "4.2.2 p. 37].",
        factor::kSlight);
  Suggest(v, v.m_strPrefix, {s.after()});
}

void CheckSlang(CParsedVerb& v, Scan& s) {
  Fault(v,
        "The suffix {-%s} is slang, so should be avoided for proper "
        "usage.",
        {s.current()}, factor::kSlight);
  const SuffixPieces before = Before(v, s.type());
  Suggest(v, v.m_strPrefix, {before, kStandardIndefinite, s.after()});
  Suggest(v, v.m_strPrefix, {before, kStandardAbility, s.after()});
}

void CheckAfterRefusal(CParsedVerb& v, Scan& s) {
  if (v.m_strRefusal.empty()) return;
  Fault(v, "The verb suffix {-Qo'} must come after {-%s}.", {s.current()},
        factor::kHalf);
  Suggest(v, v.m_strPrefix, {Before(v, kLastVerbClass), kRefusal, s.after()});
}

void NoteReflexiveObject(CParsedVerb& v, Scan& s) {
  if (v.m_pPrefix != nullptr && !v.m_pPrefix->may_omit_object()) {
    s.reflexive = Scan::kReflexiveWithObject;
  }
}

void NoteCausative(CParsedVerb&, Scan& s) { s.reflexive = Scan::kNoReflexive; }

void CheckReciprocalPrefix(CParsedVerb& v, Scan& s) {
  if (v.m_pPrefix == nullptr || IsPluralWithoutObject(*v.m_pPrefix)) return;
  Fault(v, "Verb suffix {%s} requires a plural verb prefix with no object.",
        {s.current()}, factor::kThird);
  Suggest(v, v.m_strPrefix, {s.after()});
  Suggest(v, ReciprocalPrefix(*v.m_pPrefix), {s.rest});
}

void CheckIndefiniteSubject(CParsedVerb& v, Scan& s) {
  if (!HasNoObject(v)) return;
  Fault(v, "Verb suffix {-lu'} requires a verb prefix with an object.",
        factor::kThird);
  const SuffixPieces before = Before(v, s.type());
  Suggest(v, v.m_strPrefix, {before, s.after()});
  Suggest(v, WithObject(*v.m_pPrefix), {before, s.rest});
}

void CheckStativeCausative(CParsedVerb& v, Scan& s) {
  if (!v.m_strVS1.empty() || !v.m_bStative || !HasNoObject(v)) return;
  Fault(v,
        "Stative verbs with {-moH} require prefixes with an object, unless "
        "they are reflexive.",
        factor::kHalf);
  const SuffixPieces before = Before(v, s.type());
  Suggest(v, v.m_strPrefix, {before, s.after()});
  Suggest(v, WithObject(*v.m_pPrefix), {before, s.rest});
}

// {-vIS} and a bare {-ghach} are both mended by putting {-taH} in.
void SuggestContinuous(CParsedVerb& v, const Scan& s) {
  Suggest(v, v.m_strPrefix,
          {Before(v, kAspectClass), kContinuous, v.m_strVS8, s.rest});
}

void CheckWhile(CParsedVerb& v, Scan& s) {
  if (v.m_strVS7 == kContinuous) return;
  Fault(v, "VS9 {-vIS} requires VS7 {-taH}", factor::kHalf);
  SuggestContinuous(v, s);
}

void CheckBareNominaliser(CParsedVerb& v, Scan& s) {
  for (int type = 1; type < kLastVerbClass; ++type) {
    if (!(v.*kClassFields[type]).empty()) return;
  }
  Fault(v, "VS9 {-ghach} requires an intervening suffix.", factor::kHalf);
  SuggestContinuous(v, s);
}

void NoteReflexiveStative(CParsedVerb& v, Scan& s) {
  if (v.m_bStative) s.reflexive = Scan::kReflexiveStative;
}

void CheckCommandWish(CParsedVerb& v, Scan& s) {
  if (!v.IsImperative()) return;
  Fault(v, "The suffix {-jaj} cannot be used on imperative verbs.",
        factor::kThird);
  Suggest(v, v.m_strPrefix, {Before(v, kLastVerbClass), s.after()});
}

// Every suffix row's text with each {-be'} replaced by {-Qo'}, as Replace
// would make it, worked out at compile time: the command forms of the
// negating rovers.
struct CommandForms {
  char text[kVerbSuffixCount][kMaxPackedAffix];
  size_t size[kVerbSuffixCount];
};

constexpr CommandForms MakeCommandForms() {
  CommandForms forms{};
  for (size_t row = 0; row < kVerbSuffixCount; ++row) {
    const std::string_view suffix = kVerbSuffixes[row].suffix;
    size_t out = 0;
    for (size_t at = 0; at < suffix.size();) {
      const bool negation = suffix.substr(at, kNegation.size()) == kNegation;
      const std::string_view piece = negation ? kRefusal : suffix.substr(at, 1);
      // A form longer than its slot writes past the end and stops the
      // build.
      for (char c : piece) forms.text[row][out++] = c;
      at += negation ? kNegation.size() : 1;
    }
    forms.size[row] = out;
  }
  return forms;
}

constexpr CommandForms kCommandForms = MakeCommandForms();

void CheckCommandNegation(CParsedVerb& v, Scan& s) {
  if (!v.IsImperative()) return;
  Fault(v,
        "The suffix {-be'} cannot be used on imperative verbs.  Use {-Qo'} "
        "instead.",
        factor::kQuarter);
  const std::string_view command_form(kCommandForms.text[s.row_index],
                                      kCommandForms.size[s.row_index]);
  Suggest(v, v.m_strPrefix,
          {Before(v, s.last_type + 1), command_form, s.after()});
}

// Which suffix rows a check concerns.
using Concerns = bool (*)(const VerbSuffixRow&);

constexpr bool ClassSuffix(const VerbSuffixRow& r) { return r.type != kRover; }
constexpr bool RootNegation(const VerbSuffixRow& r) {
  return r.rover == kRootNegRover;
}
constexpr bool Refusal(const VerbSuffixRow& r) {
  return r.rover == kRefusalRover;
}
constexpr bool Slang(const VerbSuffixRow& r) { return r.has(kSlangForm); }
// The classes that {-Qo'} must follow.
constexpr bool BeforeClauseClass(const VerbSuffixRow& r) {
  return r.type != kRover && r.type < kClauseClass;
}
constexpr bool ReflexiveClass(const VerbSuffixRow& r) {
  return r.type == kReflexiveClass;
}
constexpr bool CauseClass(const VerbSuffixRow& r) {
  return r.type == kCauseClass;
}
constexpr bool NegatingRover(const VerbSuffixRow& r) {
  return r.rover == kNegRover || r.rover == kNegEmphRover ||
         r.rover == kEmphNegRover;
}
template <const std::string_view& kSuffix>
constexpr bool Is(const VerbSuffixRow& r) {
  return r.suffix == kSuffix;
}

struct CheckRow {
  Concerns concerns;
  VerbCheckOccasion occasion;  // outside it the check does nothing
  VerbSuffixCheck check;
};

// Checks of the suffix just matched, in the order they run.
constexpr CheckRow kBeforeStoring[] = {
    {ClassSuffix, kAfterAClass, CheckSameType},
    {ClassSuffix, kAfterAClass, CheckTypeOrder},
    {RootNegation, kAfterAClass, CheckRootNegationPlace},
    {Refusal, kAfterTheClauseClass, CheckRefusalPlace},
};
constexpr CheckRow kAfterStoring[] = {
    {Is<kFearSuffix>, kAnyTime, CheckTaboo},
    {Slang, kAnyTime, CheckSlang},
    {BeforeClauseClass, kAnyTime, CheckAfterRefusal},
    {ReflexiveClass, kAnyTime, NoteReflexiveObject},
    {CauseClass, kAnyTime, NoteCausative},
    {Is<kReciprocalSuffix>, kAnyTime, CheckReciprocalPrefix},
    {Is<kIndefiniteSuffix>, kAnyTime, CheckIndefiniteSubject},
    {CauseClass, kAnyTime, CheckStativeCausative},
    {Is<kWhileSuffix>, kAnyTime, CheckWhile},
    {Is<kBareNominaliser>, kAnyTime, CheckBareNominaliser},
    {ReflexiveClass, kAnyTime, NoteReflexiveStative},
    {Is<kWishSuffix>, kInCommands, CheckCommandWish},
    {NegatingRover, kInCommands, CheckCommandNegation},
};

// Every check concerns some suffix: a misspelt suffix would silence it.
template <size_t N>
constexpr bool EachConcernsARow(const CheckRow (&checks)[N]) {
  for (const CheckRow& check : checks) {
    bool any = false;
    for (const VerbSuffixRow& row : kVerbSuffixes) any |= check.concerns(row);
    if (!any) return false;
  }
  return true;
}
static_assert(EachConcernsARow(kBeforeStoring) &&
                  EachConcernsARow(kAfterStoring),
              "a check that concerns no suffix row never runs");

// For every suffix row, the checks of both tables that concern it, in
// table order, worked out once at compile time; the scan then runs only
// those. A row with more than kMaxPerRow checks of one table writes past
// its list, which ends the constant evaluation, and with it the build.
template <size_t NB, size_t NA>
constexpr VerbSuffixChecks MakeVerbSuffixChecks(const CheckRow (&before)[NB],
                                                const CheckRow (&after)[NA]) {
  VerbSuffixChecks by_row{};
  for (size_t row = 0; row < kVerbSuffixCount; ++row) {
    for (const CheckRow& check : before) {
      if (check.concerns(kVerbSuffixes[row])) {
        by_row.before[row][by_row.before_count[row]++] = check.check;
        by_row.occasions[row] |= check.occasion;
      }
    }
    for (const CheckRow& check : after) {
      if (check.concerns(kVerbSuffixes[row])) {
        by_row.after[row][by_row.after_count[row]++] = check.check;
        by_row.occasions[row] |= check.occasion;
      }
    }
  }
  return by_row;
}

}  // namespace

constexpr VerbSuffixChecks kVerbSuffixChecks =
    MakeVerbSuffixChecks(kBeforeStoring, kAfterStoring);

void CParsedVerb::CheckReflexive(int reflexive) {
  if (reflexive == VerbScanState::kReflexiveWithObject) {
    Fault(*this, "Verb suffix {%s} requires a verb prefix with no object.",
          {"-'egh"}, factor::kThird);
    const VerbPrefixRow* without = WithoutObject(*m_pPrefix, true);
    Suggest(*this, without != nullptr ? without->prefix : "",
            {Before(*this, kAllClasses)});
  } else if (reflexive == VerbScanState::kReflexiveStative) {
    Fault(*this,
          "Stative verbs cannot take a reflexive suffix, unless they have "
          "{-moH}.",
          factor::kHalf);
    // Once with {-moH} added, once without the reflexive suffix.
    m_strVS4 = kCausative;
    stored_pieces_ |= ClassPiece(kCauseClass);
    Suggest(*this, m_strPrefix, {Before(*this, kAllClasses)});
    m_strVS4 = {};
    const std::string_view reflexive_suffix = m_strVS1;
    m_strVS1 = {};
    Suggest(*this, m_strPrefix, {Before(*this, kAllClasses)});
    m_strVS1 = reflexive_suffix;
  }
}

void CParsedVerb::CheckStativePrefix() {
  if (!m_bStative || !m_strVS4.empty() || m_pPrefix == nullptr ||
      m_pPrefix->may_omit_object()) {
    return;
  }
  Fault(*this, "Stative verbs without {-moH} require a no-object prefix.",
        factor::kHalf);
  // A command has no counterpart without object here: the bare verb.
  const VerbPrefixRow* without = WithoutObject(*m_pPrefix, false);
  Suggest(*this, without != nullptr ? without->prefix : "",
          {Before(*this, kAllClasses)});
}

}  // namespace tesvar
