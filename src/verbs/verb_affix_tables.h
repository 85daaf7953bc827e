// The verb prefixes and the verb suffixes, one row per affix with every
// fact the analysis, the checks and the renderers use. Row order is the
// order in which the analysis tries them; both tables are also the gloss
// lookups of the renderers (first equal row wins). DO NOT REORDER: a
// longer suffix that begins with a shorter one stands before it ("be'qu'"
// before "be'"), so combinations are found as one row.
//
// The compile-time checks of both tables are in verb_affix_tables.cc.

#ifndef TESVAR_VERBS_VERB_AFFIX_TABLES_H_
#define TESVAR_VERBS_VERB_AFFIX_TABLES_H_

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "words/first_byte_index.h"
#include "words/party.h"

namespace tesvar {

// What a prefix is, beyond the parties it marks.
enum VerbPrefixFlag : unsigned {
  kStatement = 0,
  kCommand = 1 << 0,         // the subject is the one spoken to, told to act
  kObjectOptional = 1 << 1,  // reads with or without its object
};

struct VerbPrefixRow {
  std::string_view prefix;
  std::string_view subject;  // English, ends in one blank
  std::string_view object;   // English, ends in one blank; empty: no object
  Party subject_party;
  Party object_party;  // kNobody: no object
  unsigned flags;      // VerbPrefixFlag bits

  constexpr bool imperative() const { return (flags & kCommand) != 0; }
  constexpr bool has_object() const { return object_party.exists(); }
  // No object, or one that may be left out.
  constexpr bool may_omit_object() const {
    return !has_object() || (flags & kObjectOptional) != 0;
  }
};

// clang-format off
inline constexpr VerbPrefixRow kVerbPrefixes[] = {
    // prefix, subject, object, subject party, object party, flags
    {"bI",  "you ",            "",                        kYouOne,    kNobody,    kStatement},
    {"bo",  "you(pl) ",        "him/her/it/them ",        kYouMany,   kHimOrThem, kStatement},
    {"che", "you(pl) ",        "us ",                     kYouMany,   kUs,        kStatement},
    {"cho", "you ",            "me ",                     kYouOne,    kMe,        kStatement},
    {"Da",  "you ",            "him/her/it/them ",        kYouOne,    kHimOrThem, kStatement},
    {"DI",  "we ",             "them ",                   kUs,        kThem,      kStatement},
    {"Du",  "he/she/it ",      "you ",                    kHim,       kYouOne,    kStatement},
    {"gho", "you(imp:sg/pl) ", "us ",                     kYouAny,    kUs,        kCommand},
    {"HI",  "you(imp:sg/pl) ", "me ",                     kYouAny,    kMe,        kCommand},
    {"jI",  "I ",              "",                        kMe,        kNobody,    kStatement},
    {"ju",  "you ",            "us ",                     kYouOne,    kUs,        kStatement},
    {"lI",  "he/she/it/they ", "you(pl) ",                kHimOrThem, kYouMany,   kStatement},
    {"lu",  "they ",           "him/her/it ",             kThem,      kHim,       kStatement},
    {"ma",  "we ",             "",                        kUs,        kNobody,    kStatement},
    {"mu",  "he/she/it/they ", "me ",                     kHimOrThem, kMe,        kStatement},
    {"nI",  "they ",           "you ",                    kThem,      kYouOne,    kStatement},
    {"nu",  "he/she/it/they ", "us ",                     kHimOrThem, kUs,        kStatement},
    {"pe",  "you(imp:pl) ",    "",                        kYouMany,   kNobody,    kCommand},
    {"pI",  "we ",             "you ",                    kUs,        kYouOne,    kStatement},
    {"qa",  "I ",              "you ",                    kMe,        kYouOne,    kStatement},
    {"re",  "we ",             "you(pl) ",                kUs,        kYouMany,   kStatement},
    {"Sa",  "I ",              "you(pl) ",                kMe,        kYouMany,   kStatement},
    {"Su",  "you(pl) ",        "",                        kYouMany,   kNobody,    kStatement},
    {"tI",  "you(imp:sg/pl) ", "them ",                   kYouAny,    kThem,      kCommand},
    {"tu",  "you(pl) ",        "me ",                     kYouMany,   kMe,        kStatement},
    {"vI",  "I ",              "him/her/it/them ",        kMe,        kHimOrThem, kStatement},
    {"wI",  "we ",             "him/her/it ",             kUs,        kHim,       kStatement},
    {"yI",  "you(imp:sg/pl) ", "(no.object)/him/her/it ", kYouAny,    kHim,       kCommand | kObjectOptional},
};
// clang-format on
constexpr size_t kVerbPrefixCount = std::size(kVerbPrefixes);

// The prefix rows by the first byte of their prefix.
static_assert(AllPackable(kVerbPrefixes, &VerbPrefixRow::prefix));
inline constexpr auto kVerbPrefixesByFirstByte =
    MakeFirstByteIndex<4>(kVerbPrefixes, &VerbPrefixRow::prefix);

// The row of the verb prefix that `word` begins with, or nullptr when it
// begins with none. No prefix begins another, so there is at most one.
// Inline: every word read looks for its prefix.
inline const VerbPrefixRow* MatchVerbPrefix(std::string_view word) {
  const int row = kVerbPrefixesByFirstByte.Match(word);
  return row < 0 ? nullptr : &kVerbPrefixes[row];
}
// The length of that prefix, or 0.
inline size_t VerbPrefixLength(std::string_view word) {
  const int row = kVerbPrefixesByFirstByte.Match(word);
  return row < 0 ? 0 : kVerbPrefixes[row].prefix.size();
}

// The row of exactly `prefix`, or nullptr.
const VerbPrefixRow* FindVerbPrefix(std::string_view prefix);

// The suffix classes VS1 to VS9, innermost first; a verb takes at most one
// suffix of each, in this order. Rovers, the negation and emphasis
// suffixes, have no class of their own.
enum VerbClass : int {
  kRover = 0,
  kReflexiveClass = 1,      // VS1: oneself, one another
  kVolitionClass = 2,       // VS2: need, be willing, be ready, be afraid
  kChangeClass = 3,         // VS3: begin to, again
  kCauseClass = 4,          // VS4: cause
  kAbilityClass = 5,        // VS5: "one" as subject, can
  kQualificationClass = 6,  // VS6: obviously, certainly, apparently
  kAspectClass = 7,         // VS7: completed, on-going
  kHonorificClass = 8,      // VS8: your honor
  kClauseClass = 9,         // VS9: question, clause conjunctions, nominalisers
};
constexpr int kLastVerbClass = kClauseClass;

// What a suffix means to the checks and the renderers.
enum VerbSuffixTrait : unsigned {
  kNoTrait = 0,
  kMeansCan = 1 << 0,       // the sentence is about ability
  kSubjectIsOne = 1 << 1,   // the subject is "one": the indefinite subject
  kSlangForm = 1 << 2,      // colloquial; the standard forms are offered
  kNominaliser = 1 << 3,    // ends the verb; noun suffixes may follow
  kYesNoQuestion = 1 << 4,  // asks a yes/no question
};

// The rovers. {-Ha'} and {-Qo'} change the reading of the whole verb; the
// others qualify what stands before them.
enum RoverKind : uint8_t {
  kNotRover,
  kNegRover,      // {-be'}
  kEmphRover,     // {-qu'}
  kNegEmphRover,  // {-be'qu'}
  kEmphNegRover,  // {-qu'be'}
  kRootNegRover,  // {-Ha'}: undoes the root
  kRefusalRover,  // {-Qo'}: refuses the whole
};

struct VerbSuffixRow {
  std::string_view suffix;
  VerbClass type;          // kRover for rovers
  std::string_view gloss;  // trailing blank where the English needs one
  RoverKind rover;         // kNotRover for the class suffixes
  unsigned traits;         // VerbSuffixTrait bits

  constexpr bool has(VerbSuffixTrait trait) const {
    return (traits & trait) != 0;
  }
};

// clang-format off
inline constexpr VerbSuffixRow kVerbSuffixes[] = {
    // suffix, class, gloss, rover kind, traits
    {"'a'",    kClauseClass,        "(yes/no)?",                kNotRover,     kYesNoQuestion},
    {"'egh",   kReflexiveClass,     "oneself",                  kNotRover,     kNoTrait},
    {"ba'",    kQualificationClass, "obviously ",               kNotRover,     kNoTrait},
    {"be'qu'", kRover,              "really not ",              kNegEmphRover, kNoTrait},
    {"be'",    kRover,              "not ",                     kNegRover,     kNoTrait},
    {"beH",    kVolitionClass,      "be ready to ",             kNotRover,     kNoTrait},
    {"bej",    kQualificationClass, "certainly ",               kNotRover,     kNoTrait},
    {"bogh",   kClauseClass,        "which ",                   kNotRover,     kNoTrait},
    {"choH",   kChangeClass,        "change",                   kNotRover,     kNoTrait},
    {"chu'",   kQualificationClass, "clearly ",                 kNotRover,     kNoTrait},
    {"chugh",  kClauseClass,        "if ",                      kNotRover,     kNoTrait},
    {"chuq",   kReflexiveClass,     "one another ",             kNotRover,     kNoTrait},
    {"DI'",    kClauseClass,        "as soon as ",              kNotRover,     kNoTrait},
    {"ghach",  kClauseClass,        "(noun) ",                  kNotRover,     kNominaliser},
    {"Ha'",    kRover,              "not",                      kRootNegRover, kNoTrait},
    {"jaj",    kClauseClass,        "may ",                     kNotRover,     kNoTrait},
    {"laH",    kAbilityClass,       "can ",                     kNotRover,     kMeansCan},
    {"law'",   kQualificationClass, "apparently ",              kNotRover,     kNoTrait},
    {"lI'",    kAspectClass,        "(in-progress) ",           kNotRover,     kNoTrait},
    {"lu'",    kAbilityClass,       "one",                      kNotRover,     kSubjectIsOne},
    {"luH",    kAbilityClass,       "one can",                  kNotRover,     kMeansCan | kSubjectIsOne | kSlangForm},
    {"la'",    kAbilityClass,       "one can",                  kNotRover,     kMeansCan | kSubjectIsOne | kSlangForm},
    {"meH",    kClauseClass,        "in order that ",           kNotRover,     kNoTrait},
    {"mo'",    kClauseClass,        "because ",                 kNotRover,     kNoTrait},
    {"moH",    kCauseClass,         "cause",                    kNotRover,     kNoTrait},
    {"neS",    kHonorificClass,     ", your honor",             kNotRover,     kNoTrait},
    {"nIS",    kVolitionClass,      "need to ",                 kNotRover,     kNoTrait},
    {"pa'",    kClauseClass,        "before ",                  kNotRover,     kNoTrait},
    {"pu'",    kAspectClass,        "(completed) ",             kNotRover,     kNoTrait},
    {"qa'",    kChangeClass,        "again",                    kNotRover,     kNoTrait},
    {"qang",   kVolitionClass,      "be willing to ",           kNotRover,     kNoTrait},
    {"Qo'",    kRover,              "refuse to ",               kRefusalRover, kNoTrait},
    {"qu'be'", kRover,              "not really ",              kEmphNegRover, kNoTrait},
    {"qu'",    kRover,              "really ",                  kEmphRover,    kNoTrait},
    {"rup",    kVolitionClass,      "be ready to ",             kNotRover,     kNoTrait},
    {"ta'",    kAspectClass,        "(completed) ",             kNotRover,     kNoTrait},
    {"taH",    kAspectClass,        "(on-going) ",              kNotRover,     kNoTrait},
    {"vIp",    kVolitionClass,      "be afraid to ",            kNotRover,     kNoTrait},
    {"vIS",    kClauseClass,        "while ",                   kNotRover,     kNoTrait},
    {"wI'",    kClauseClass,        "one/thing which is/does ", kNotRover,     kNominaliser},
};
// clang-format on
constexpr size_t kVerbSuffixCount = std::size(kVerbSuffixes);

// The first row (in row order) whose suffix `text` begins with, or nullptr.
const VerbSuffixRow* MatchVerbSuffix(std::string_view text);
// Its number in kVerbSuffixes, or -1. Inline: the verb scan's inner step.
inline int MatchVerbSuffixRow(std::string_view text);
// The row of exactly `suffix`, or nullptr (also for "").
const VerbSuffixRow* FindVerbSuffix(std::string_view suffix);
// True when `suffix` is a table suffix with `trait`.
bool HasTrait(std::string_view suffix, VerbSuffixTrait trait);

// The suffix rows by the first byte of their suffix.
static_assert(AllPackable(kVerbSuffixes, &VerbSuffixRow::suffix));
inline constexpr auto kVerbSuffixesByFirstByte =
    MakeFirstByteIndex<8>(kVerbSuffixes, &VerbSuffixRow::suffix);

inline int MatchVerbSuffixRow(std::string_view text) {
  return kVerbSuffixesByFirstByte.Match(text);
}

}  // namespace tesvar

#endif  // TESVAR_VERBS_VERB_AFFIX_TABLES_H_
