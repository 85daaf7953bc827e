// The compile-time checks of the number element tables.

#include "numbers/number_tables.h"

#include "words/affix_table_checks.h"

namespace tesvar {

namespace {

namespace checks = table_checks;

static_assert(!kTensElement.empty());
static_assert(checks::NoneEmpty(kTens, &TensRow::root) &&
              checks::NoneEmpty(kTens, &TensRow::gloss));
// An empty element would match every word; one that begins a later one
// would hide it.
static_assert(checks::NoneEmpty(kPowers, &PowerRow::element) &&
              checks::NoneHidden(kPowers, &PowerRow::element));
static_assert(checks::NoneEmpty(kNumberSuffixes, &NumberSuffixRow::suffix) &&
              checks::NoneEmpty(kNumberSuffixes, &NumberSuffixRow::appended));

constexpr bool PowersAppendAWord() {
  for (const PowerRow& row : kPowers) {
    if (row.appended.size() < 2 || row.appended[0] != ' ') return false;
  }
  return true;
}
static_assert(PowersAppendAWord(), "a power appends a blank and a word");

// A whole word with its own gloss is its root followed by its suffix, and
// that suffix is a number suffix.
constexpr bool SpecialWordsEndInTheirSuffix() {
  for (const SpecialNumberWord& special : kSpecialNumberWords) {
    const std::string_view word = special.word;
    if (special.gloss.empty() || word.size() <= special.suffix.size() ||
        word.substr(word.size() - special.suffix.size()) != special.suffix) {
      return false;
    }
    bool known = false;
    for (const NumberSuffixRow& row : kNumberSuffixes) {
      known |= row.suffix == special.suffix;
    }
    if (!known) return false;
  }
  return true;
}
static_assert(SpecialWordsEndInTheirSuffix(),
              "each special number word ends in one of the number suffixes");

}  // namespace

}  // namespace tesvar
