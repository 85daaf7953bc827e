// Lookups in the noun suffix table, and the compile-time checks that keep
// the table fit for them.

#include "nouns/noun_suffix_table.h"

#include "words/affix_table_checks.h"
#include "words/first_byte_index.h"

namespace tesvar {

namespace {

namespace checks = table_checks;

static_assert(checks::NoneEmpty(kNounSuffixes, &NounSuffixRow::suffix),
              "an empty suffix would stop the scan advancing");
static_assert(checks::NoneHidden(kNounSuffixes, &NounSuffixRow::suffix),
              "a longer suffix must stand before a shorter one that begins it");

constexpr bool IsPlural(const NounSuffixRow& row) {
  return row.type == kNounPlural;
}

constexpr bool RowsAgree() {
  for (const NounSuffixRow& row : kNounSuffixes) {
    if (row.type < 1 || row.type > kLastNounClass) return false;
    if (row.gloss.empty() || row.gloss.back() == ' ') return false;
    // A possessor exactly for possessives; possessives and demonstratives
    // are of the possession type, and only demonstratives change their
    // gloss on a plural.
    const bool possessive = row.role == kPossessive;
    const bool demonstrative = row.role == kDemonstrative;
    if (possessive != row.possessor.exists()) return false;
    if ((possessive || demonstrative) && row.type != kNounPossession) {
      return false;
    }
    if (demonstrative == row.plural_gloss.empty()) return false;
    // Only plurals and possessives are meant for one kind of noun.
    if (row.meant_for != kAnyNoun && !IsPlural(row) && !possessive) {
      return false;
    }
  }
  return true;
}
static_assert(RowsAgree(),
              "each noun suffix row: a type from 1 to 5, a gloss without "
              "trailing blank, a possessor exactly for possessives, a plural "
              "gloss exactly for demonstratives");

constexpr bool OnePluralPerKind() {
  for (NounKind kind : {kAnyNoun, kBodyPartNoun, kLanguageNoun}) {
    int plurals = 0;
    for (const NounSuffixRow& row : kNounSuffixes) {
      plurals += IsPlural(row) && row.meant_for == kind ? 1 : 0;
    }
    if (plurals != 1) return false;
  }
  return true;
}
static_assert(OnePluralPerKind(), "one plural for each kind of noun");

// A possessive meant for one kind of noun is corrected to the one for any
// noun, so that one must exist.
constexpr bool EachPossessiveHasAGeneralForm() {
  for (const NounSuffixRow& row : kNounSuffixes) {
    if (row.role != kPossessive || row.meant_for == kAnyNoun) {
      continue;
    }
    bool found = false;
    for (const NounSuffixRow& other : kNounSuffixes) {
      found |= other.role == kPossessive && other.meant_for == kAnyNoun &&
               other.possessor == row.possessor;
    }
    if (!found) return false;
  }
  return true;
}
static_assert(EachPossessiveHasAGeneralForm(),
              "every possessive meant for one kind of noun has a general "
              "form");

static_assert(AllPackable(kNounSuffixes, &NounSuffixRow::suffix));
constexpr auto kRowsByFirstByte =
    MakeFirstByteIndex<8>(kNounSuffixes, &NounSuffixRow::suffix);

}  // namespace

const NounSuffixRow* MatchNounSuffix(std::string_view text) {
  const int row = kRowsByFirstByte.Match(text);
  return row < 0 ? nullptr : &kNounSuffixes[row];
}

const NounSuffixRow* FindNounSuffix(std::string_view suffix) {
  // No row hides a later one, so the first row that `suffix` begins with is
  // its own row when it has one.
  const NounSuffixRow* row = MatchNounSuffix(suffix);
  return row != nullptr && row->suffix == suffix ? row : nullptr;
}

const NounSuffixRow& PluralFor(NounKind kind) {
  for (const NounSuffixRow& row : kNounSuffixes) {
    if (IsPlural(row) && row.meant_for == kind) return row;
  }
  return kNounSuffixes[0];  // not reached: OnePluralPerKind
}

const NounSuffixRow& GeneralPlural() { return PluralFor(kAnyNoun); }

const NounSuffixRow* PossessiveFor(const NounSuffixRow& possessive,
                                   NounKind kind) {
  for (const NounSuffixRow& row : kNounSuffixes) {
    if (row.role == kPossessive && row.meant_for == kind &&
        row.possessor == possessive.possessor) {
      return &row;
    }
  }
  return nullptr;
}

}  // namespace tesvar
