// Compile-time checks that every affix table states with static_assert: a
// table is a constant array, and a row left empty by a short initializer,
// or a row that an earlier one hides from the scan, compiles silently and
// breaks the analysis only at run time.

#ifndef TESVAR_WORDS_AFFIX_TABLE_CHECKS_H_
#define TESVAR_WORDS_AFFIX_TABLE_CHECKS_H_

#include <cstddef>
#include <string_view>

namespace tesvar {
namespace table_checks {

constexpr bool BeginsWith(std::string_view text, std::string_view start) {
  return text.substr(0, start.size()) == start;
}

// True when the text of column `text` is empty in no row. A scan that
// removes an empty affix from the word never gets any further.
template <typename Row, size_t N>
constexpr bool NoneEmpty(const Row (&rows)[N], std::string_view Row::*text) {
  for (const Row& row : rows) {
    if ((row.*text).empty()) return false;
  }
  return true;
}

// True when no row's text begins with the text of an earlier row. A scan
// takes the first row that fits, so such a row could never be found.
template <typename Row, size_t N>
constexpr bool NoneHidden(const Row (&rows)[N], std::string_view Row::*text) {
  for (size_t later = 0; later < N; ++later) {
    for (size_t earlier = 0; earlier < later; ++earlier) {
      if (BeginsWith(rows[later].*text, rows[earlier].*text)) return false;
    }
  }
  return true;
}

// True when no row's text begins with another row's text, in either
// order: then at most one row fits the start of a word.
template <typename Row, size_t N>
constexpr bool NoneBeginsAnother(const Row (&rows)[N],
                                 std::string_view Row::*text) {
  for (size_t i = 0; i < N; ++i) {
    for (size_t j = 0; j < N; ++j) {
      if (i != j && BeginsWith(rows[i].*text, rows[j].*text)) return false;
    }
  }
  return true;
}

// True when the text is empty or ends in exactly one blank, as every
// English piece does so that pieces join without separators.
constexpr bool EmptyOrOneTrailingBlank(std::string_view text) {
  if (text.empty()) return true;
  return text.back() == ' ' &&
         (text.size() == 1 || text[text.size() - 2] != ' ');
}

}  // namespace table_checks
}  // namespace tesvar

#endif  // TESVAR_WORDS_AFFIX_TABLE_CHECKS_H_
