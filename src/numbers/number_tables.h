// The elements of number words that follow the root: the tens element and
// the tens glosses by root, the powers of ten, and the number suffixes
// with the whole words that have glosses of their own. Row order is the
// order tried.

#ifndef TESVAR_NUMBERS_NUMBER_TABLES_H_
#define TESVAR_NUMBERS_NUMBER_TABLES_H_

#include <cstddef>
#include <string_view>

namespace tesvar {

// Multiplies the root by ten.
constexpr std::string_view kTensElement = "maH";

// The English word for ten times a root; roots not listed keep their
// definition.
struct TensRow {
  std::string_view root;
  std::string_view gloss;
};
constexpr size_t kTensCount = 9;
extern const TensRow kTens[kTensCount];

// At most one power of ten follows the root (and the tens element).
struct PowerRow {
  std::string_view element;
  std::string_view appended;  // begins with a blank
};
constexpr size_t kPowerCount = 5;
extern const PowerRow kPowers[kPowerCount];

// A number suffix ends the word.
struct NumberSuffixRow {
  std::string_view suffix;
  std::string_view appended;
  // Set for the ordinal: a gloss ending in "y" turns it into "ie" before
  // the text is appended ("twenty" gives "twentieth").
  bool ordinal;
};
constexpr size_t kNumberSuffixCount = 6;
extern const NumberSuffixRow kNumberSuffixes[kNumberSuffixCount];

// Whole number words whose gloss replaces the built one.
struct SpecialNumberWord {
  std::string_view suffix;
  std::string_view word;
  std::string_view gloss;
};
constexpr size_t kSpecialNumberWordCount = 12;
extern const SpecialNumberWord kSpecialNumberWords[kSpecialNumberWordCount];

}  // namespace tesvar

#endif  // TESVAR_NUMBERS_NUMBER_TABLES_H_
