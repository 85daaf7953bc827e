// Lookups in the verb affix tables, and the compile-time checks that keep
// the tables fit for them.

#include "verbs/verb_affix_tables.h"

#include <cstdint>

#include "words/affix_table_checks.h"

namespace tesvar {

namespace {

namespace checks = table_checks;

// Prefixes are matched on the word itself, one try per row; a prefix that
// began another would make the word read two ways.
static_assert(checks::NoneEmpty(kVerbPrefixes, &VerbPrefixRow::prefix));
static_assert(checks::NoneBeginsAnother(kVerbPrefixes, &VerbPrefixRow::prefix),
              "no prefix may begin another");

constexpr bool PrefixRowsAgree() {
  for (const VerbPrefixRow& row : kVerbPrefixes) {
    // The English phrases are pasted together without separators.
    if (row.subject.empty() || !checks::EmptyOrOneTrailingBlank(row.subject) ||
        !checks::EmptyOrOneTrailingBlank(row.object)) {
      return false;
    }
    // An object phrase stands exactly for an object party.
    if (row.subject_party.number == kNoNumber ||
        row.object.empty() == row.object_party.exists() ||
        (row.object_party.exists() && row.object_party.number == kNoNumber)) {
      return false;
    }
    // Commands speak to the second person; only an object can be optional.
    if ((row.imperative() && row.subject_party.person != Person::kSecond) ||
        ((row.flags & kObjectOptional) != 0 && !row.has_object())) {
      return false;
    }
  }
  return true;
}
static_assert(PrefixRowsAgree(),
              "each prefix row: phrases ending in one blank, an object phrase "
              "exactly when there is an object party, commands in the second "
              "person");

static_assert(checks::NoneEmpty(kVerbSuffixes, &VerbSuffixRow::suffix),
              "an empty suffix would stop the scan advancing");
static_assert(checks::NoneHidden(kVerbSuffixes, &VerbSuffixRow::suffix),
              "a longer suffix must stand before a shorter one that begins it");

constexpr bool SuffixRowsAgree() {
  for (const VerbSuffixRow& row : kVerbSuffixes) {
    if (row.type < kRover || row.type > kLastVerbClass) return false;
    // Rovers, and only rovers, say which rover they are.
    if ((row.type == kRover) != (row.rover != kNotRover)) return false;
    // A nominaliser ends the verb, and a question is asked, in the last
    // class; "can" and "one" belong to the ability class.
    if ((row.has(kNominaliser) || row.has(kYesNoQuestion)) &&
        row.type != kClauseClass) {
      return false;
    }
    if ((row.has(kMeansCan) || row.has(kSubjectIsOne) || row.has(kSlangForm)) &&
        row.type != kAbilityClass) {
      return false;
    }
  }
  return true;
}
static_assert(SuffixRowsAgree(),
              "each suffix row: a class, a rover kind exactly for rovers, "
              "traits in their class");

}  // namespace

const VerbPrefixRow* FindVerbPrefix(std::string_view prefix) {
  for (const VerbPrefixRow& row : kVerbPrefixes) {
    if (row.prefix == prefix) return &row;
  }
  return nullptr;
}

const VerbSuffixRow* MatchVerbSuffix(std::string_view text) {
  const int row = MatchVerbSuffixRow(text);
  return row < 0 ? nullptr : &kVerbSuffixes[row];
}

const VerbSuffixRow* FindVerbSuffix(std::string_view suffix) {
  // No row hides a later one, so the first row that `suffix` begins with is
  // its own row when it has one.
  const VerbSuffixRow* row = MatchVerbSuffix(suffix);
  return row != nullptr && row->suffix == suffix ? row : nullptr;
}

bool HasTrait(std::string_view suffix, VerbSuffixTrait trait) {
  // Most classes are empty in most readings.
  if (suffix.empty()) return false;
  const VerbSuffixRow* row = FindVerbSuffix(suffix);
  return row != nullptr && row->has(trait);
}

}  // namespace tesvar
