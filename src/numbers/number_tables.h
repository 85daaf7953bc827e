// The elements of number words that follow the root: the tens element and
// the tens glosses by root, the powers of ten, and the number suffixes
// with the whole words that have glosses of their own. Row order is the
// order tried. DO NOT REORDER.
//
// The compile-time checks of the tables are in number_tables.cc.

#ifndef TESVAR_NUMBERS_NUMBER_TABLES_H_
#define TESVAR_NUMBERS_NUMBER_TABLES_H_

#include <cstddef>
#include <iterator>
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
inline constexpr TensRow kTens[] = {
    {"wa'", "ten"},      {"cha'", "twenty"},   {"wej", "thirty"},
    {"loS", "forty"},    {"vagh", "fifty"},    {"jav", "sixty"},
    {"Soch", "seventy"}, {"chorgh", "eighty"}, {"Hut", "ninety"},
};

// At most one power of ten follows the root (and the tens element).
struct PowerRow {
  std::string_view element;
  std::string_view appended;  // begins with a blank
};
inline constexpr PowerRow kPowers[] = {
    {"vatlh", " hundred"},        {"SaD", " thousand"}, {"SanID", " thousand"},
    {"bIp", " hundred thousand"}, {"'uy'", " million"},
};
constexpr size_t kPowerCount = std::size(kPowers);

// A number suffix ends the word.
struct NumberSuffixRow {
  std::string_view suffix;
  std::string_view appended;
  // Set for the ordinal: a gloss ending in "y" turns it into "ie" before
  // the text is appended ("twenty" gives "twentieth").
  bool ordinal;
};
inline constexpr NumberSuffixRow kNumberSuffixes[] = {
    {"leS", " days from now", false},
    {"Hu'", " days ago", false},
    {"nem", " years from now", false},
    {"ben", " years ago", false},
    {"DIch", "th", true},
    {"logh", " times", false},
};
constexpr size_t kNumberSuffixCount = std::size(kNumberSuffixes);

// Whole number words whose gloss replaces the built one.
struct SpecialNumberWord {
  std::string_view suffix;
  std::string_view word;
  std::string_view gloss;
};
inline constexpr SpecialNumberWord kSpecialNumberWords[] = {
    {"leS", "wa'leS", "tomorrow"},    {"Hu'", "wa'Hu'", "yesterday"},
    {"nem", "wa'nem", "next year"},   {"ben", "wa'ben", "last year"},
    {"DIch", "wa'DIch", "first"},     {"DIch", "cha'DIch", "second"},
    {"DIch", "wejDIch", "third"},     {"DIch", "vaghDIch", "fifth"},
    {"DIch", "chorghDIch", "eighth"}, {"DIch", "HutDIch", "ninth"},
    {"logh", "wa'logh", "once"},      {"logh", "cha'logh", "twice"},
};

}  // namespace tesvar

#endif  // TESVAR_NUMBERS_NUMBER_TABLES_H_
