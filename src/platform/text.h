// Byte-string helpers with the exact semantics the analyses rely on:
// StartsWith and Contains, left-to-right non-overlapping Replace, Insert
// that appends past the end, TrimRight of trailing white space, a small
// printf-style Format (%s, %i, %%) and ListContains.
//
// Text is single bytes throughout and always compared byte for byte.
// Tested by text_test.cc.

#ifndef TESVAR_PLATFORM_TEXT_H_
#define TESVAR_PLATFORM_TEXT_H_

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace tesvar {

// True when s begins with prefix (byte for byte). Affix tables are probed
// with this in a loop, and most probes fail on the first byte, which is
// therefore compared before the rest.
inline bool StartsWith(std::string_view s, std::string_view prefix) {
  if (prefix.size() > s.size()) return false;
  if (prefix.empty()) return true;
  return s[0] == prefix[0] &&
         s.substr(1, prefix.size() - 1) == prefix.substr(1);
}
// True when needle occurs anywhere in s; an empty needle always occurs.
inline bool Contains(std::string_view s, std::string_view needle) {
  return s.find(needle) != std::string_view::npos;
}

// Replaces all non-overlapping occurrences of `from`, scanning left to
// right, by `to`. Returns the number of replacements. An empty `from`
// replaces nothing.
int Replace(std::string* s, std::string_view from, std::string_view to);

// The texts one after another, built in one allocation at most.
std::string Concat(std::initializer_list<std::string_view> parts);

// Makes *out the texts one after another, in the storage it already has
// when that is large enough.
void AssignConcat(std::string* out,
                  std::initializer_list<std::string_view> parts);

// Inserts text at index; an index past the end appends, a negative one
// inserts at the front.
void Insert(std::string* s, int index, std::string_view text);

// Removes trailing blanks, tabs, line feeds, carriage returns, vertical
// tabs and form feeds; the second form keeps the first `keep` bytes.
void TrimRight(std::string* s);
void TrimRight(std::string* s, size_t keep);

// One argument of Format: a text for %s or an integer for %i.
class FormatArg {
 public:
  FormatArg(std::string_view text) : text_(text), is_int_(false) {}  // NOLINT
  FormatArg(const char* text) : text_(text), is_int_(false) {}       // NOLINT
  FormatArg(const std::string& text)                                 // NOLINT
      : text_(text), is_int_(false) {}
  FormatArg(int value) : value_(value), is_int_(true) {}  // NOLINT

  bool is_int() const { return is_int_; }
  std::string_view text() const { return text_; }
  int value() const { return value_; }

 private:
  std::string_view text_;
  int value_ = 0;
  bool is_int_;
};

// printf-style formatting with %s (a text), %i (a decimal integer) and %%.
// Texts are copied byte for byte, NUL bytes included. A directive whose
// argument is missing or of the other kind is copied literally.
std::string Format(std::string_view format,
                   std::initializer_list<FormatArg> args);

// True when list holds an element equal to s.
bool ListContains(const std::vector<std::string>& list, std::string_view s);

}  // namespace tesvar

#endif  // TESVAR_PLATFORM_TEXT_H_
