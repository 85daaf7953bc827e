// The verb suffix row found at each byte of a word, matched once and kept
// while the next word shares the bytes it was found from. The parser's
// work meter replays the verb scans of every candidate before the
// analyses read them again, and long words come one after another as
// corrections of the same word that share most of their beginnings, so in
// long words nearly every match is a repeat.
//
// The row found at a byte depends on the kMaxPackedAffix bytes from there
// alone: a new word keeps the rows of the bytes whose next kMaxPackedAffix
// bytes lie in the beginning it shares with the last one. Not
// thread-safe.
// Tested by verb_scan_test.cc.

#ifndef TESVAR_VERBS_VERB_SUFFIX_ROWS_H_
#define TESVAR_VERBS_VERB_SUFFIX_ROWS_H_

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "verbs/verb_affix_tables.h"

namespace tesvar {

class VerbSuffixRows {
 public:
  // Makes `word` the word served; it must outlive its use here.
  void Rebase(std::string_view word);

  // MatchVerbSuffixRow(word.substr(at)). REQUIRES: at <= word.size().
  int At(size_t at) {
    int8_t& row = rows_[at];
    if (row == kUnknown) {
      row = static_cast<int8_t>(
          MatchVerbSuffixRow(std::string_view(word_).substr(at)));
    }
    return row;
  }

  // MatchVerbSuffixRow(text): kept when `text` is a tail of the word
  // served, the very bytes, else matched.
  int Match(std::string_view text) {
    if (text.data() + text.size() == served_end_ &&
        text.size() <= word_.size()) {
      return At(word_.size() - text.size());
    }
    return MatchVerbSuffixRow(text);
  }

 private:
  static_assert(kVerbSuffixCount <= INT8_MAX, "row numbers fit in int8_t");
  static constexpr int8_t kUnknown = -2;

  std::string word_;                  // a copy of the word served
  const char* served_end_ = nullptr;  // the end of the caller's bytes
  std::vector<int8_t> rows_;          // by byte, word_.size() + 1 of them
};

// The number of bytes that `a` and `b` share at their beginnings.
inline size_t SharedStart(std::string_view a, std::string_view b) {
  const size_t most = std::min(a.size(), b.size());
  size_t shared = 0;
  for (constexpr size_t kStep = sizeof(uint64_t); shared + kStep <= most;
       shared += kStep) {
    uint64_t x;
    uint64_t y;
    std::memcpy(&x, a.data() + shared, kStep);
    std::memcpy(&y, b.data() + shared, kStep);
    if (x != y) break;
  }
  while (shared < most && a[shared] == b[shared]) ++shared;
  return shared;
}

inline void VerbSuffixRows::Rebase(std::string_view word) {
  const size_t shared = SharedStart(word, word_);
  const size_t kept =
      shared >= kMaxPackedAffix ? shared - kMaxPackedAffix + 1 : 0;
  rows_.resize(word.size() + 1);
  std::fill(rows_.begin() + static_cast<std::ptrdiff_t>(kept), rows_.end(),
            kUnknown);
  word_.resize(shared);
  word_.append(word.substr(shared));
  served_end_ = word.data() + word.size();
}

}  // namespace tesvar

#endif  // TESVAR_VERBS_VERB_SUFFIX_ROWS_H_
