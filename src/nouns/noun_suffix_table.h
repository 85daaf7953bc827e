// The noun suffixes, one row per suffix with every fact the analysis, the
// checks and the renderer use: text, English gloss, type (1 closest to
// the noun, 5 outermost) and what the suffix says about the noun it is
// on. Row order is the order in which the analysis tries them. DO NOT
// REORDER.
//
// The compile-time checks of the table are in noun_suffix_table.cc.

#ifndef TESVAR_NOUNS_NOUN_SUFFIX_TABLE_H_
#define TESVAR_NOUNS_NOUN_SUFFIX_TABLE_H_

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "words/party.h"

namespace tesvar {

// The suffix types, innermost first; a noun takes at most one suffix of
// each, in this order.
enum NounClass : int {
  kNounSize = 1,        // major, minor, dear
  kNounPlural = 2,      // the plurals
  kNounQualifier = 3,   // apparent, definite, so-called
  kNounPossession = 4,  // possessives and demonstratives
  kNounSyntax = 5,      // topic, in, due to, for, from
};
constexpr int kLastNounClass = kNounSyntax;

// What a suffix says beyond its gloss.
enum NounRole : uint8_t {
  kNoRole,
  kPossessive,     // names the possessor
  kDemonstrative,  // points at the noun: this, that
  kLocative,       // the noun is where something is
};

// The kind of noun a suffix is meant for.
enum NounKind : uint8_t {
  kAnyNoun,
  kBodyPartNoun,
  kLanguageNoun,  // a being capable of language
};

struct NounSuffixRow {
  std::string_view suffix;
  std::string_view gloss;  // no trailing blank
  NounClass type;
  NounRole role;
  NounKind meant_for;             // plurals and possessives
  Party possessor;                // possessives; kNobody for the others
  std::string_view plural_gloss;  // demonstratives: the gloss on a plural
};

// clang-format off
inline constexpr NounSuffixRow kNounSuffixes[] = {
    // suffix, gloss, type, role, meant for, possessor, plural gloss
    {"'a'",   "major",     kNounSize,       kNoRole,        kAnyNoun,      kNobody,  ""},
    {"'e'",   "(top)",     kNounSyntax,     kNoRole,        kAnyNoun,      kNobody,  ""},
    {"chaj",  "their",     kNounPossession, kPossessive,    kAnyNoun,      kThem,    ""},
    {"Daj",   "his/her",   kNounPossession, kPossessive,    kAnyNoun,      kHim,     ""},
    {"Daq",   "in",        kNounSyntax,     kLocative,      kAnyNoun,      kNobody,  ""},
    {"Du'",   "(pl)",      kNounPlural,     kNoRole,        kBodyPartNoun, kNobody,  ""},
    {"Hey",   "apparent",  kNounQualifier,  kNoRole,        kAnyNoun,      kNobody,  ""},
    {"Hom",   "minor",     kNounSize,       kNoRole,        kAnyNoun,      kNobody,  ""},
    {"lI'",   "your",      kNounPossession, kPossessive,    kLanguageNoun, kYouOne,  ""},
    {"lIj",   "your",      kNounPossession, kPossessive,    kAnyNoun,      kYouOne,  ""},
    {"ma'",   "our",       kNounPossession, kPossessive,    kLanguageNoun, kUs,      ""},
    {"maj",   "our",       kNounPossession, kPossessive,    kAnyNoun,      kUs,      ""},
    {"mey",   "(pl)",      kNounPlural,     kNoRole,        kAnyNoun,      kNobody,  ""},
    {"mo'",   "due to",    kNounSyntax,     kNoRole,        kAnyNoun,      kNobody,  ""},
    {"na'",   "definite",  kNounQualifier,  kNoRole,        kAnyNoun,      kNobody,  ""},
    {"oy",    "dear",      kNounSize,       kNoRole,        kAnyNoun,      kNobody,  ""},
    {"pu'",   "(pl)",      kNounPlural,     kNoRole,        kLanguageNoun, kNobody,  ""},
    {"qoq",   "so-called", kNounQualifier,  kNoRole,        kAnyNoun,      kNobody,  ""},
    {"ra'",   "your",      kNounPossession, kPossessive,    kLanguageNoun, kYouMany, ""},
    {"raj",   "your",      kNounPossession, kPossessive,    kAnyNoun,      kYouMany, ""},
    {"vaD",   "for",       kNounSyntax,     kNoRole,        kAnyNoun,      kNobody,  ""},
    {"vam",   "this",      kNounPossession, kDemonstrative, kAnyNoun,      kNobody,  "these"},
    {"vetlh", "that",      kNounPossession, kDemonstrative, kAnyNoun,      kNobody,  "those"},
    {"vo'",   "from",      kNounSyntax,     kNoRole,        kAnyNoun,      kNobody,  ""},
    {"wI'",   "my",        kNounPossession, kPossessive,    kLanguageNoun, kMe,      ""},
    {"wIj",   "my",        kNounPossession, kPossessive,    kAnyNoun,      kMe,      ""},
};
// clang-format on
constexpr size_t kNounSuffixCount = std::size(kNounSuffixes);

// The first row (in row order) whose suffix `text` begins with, or nullptr.
const NounSuffixRow* MatchNounSuffix(std::string_view text);
// The row of exactly `suffix`, or nullptr (also for "").
const NounSuffixRow* FindNounSuffix(std::string_view suffix);

// The plural meant for nouns of any kind.
const NounSuffixRow& GeneralPlural();
// The plural meant for nouns of `kind`; the general plural for kAnyNoun.
const NounSuffixRow& PluralFor(NounKind kind);
// The possessive for the same possessor meant for nouns of `kind`, or
// nullptr when there is none.
const NounSuffixRow* PossessiveFor(const NounSuffixRow& possessive,
                                   NounKind kind);

}  // namespace tesvar

#endif  // TESVAR_NOUNS_NOUN_SUFFIX_TABLE_H_
