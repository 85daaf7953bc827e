// The verb suffix row found at each byte of a word, matched once and kept
// while the next word shares the bytes it was found from. The parser's
// work meter replays the verb scans of every candidate before the
// analyses read them again, and long words come one after another as
// corrections of the same word that share most of their beginnings, so in
// long words nearly every match is a repeat.
//
// The row found at a byte depends on the bytes from there to the end of
// the word alone, and on at most kMaxPackedAffix of them: a new word keeps
// the rows of the bytes whose next kMaxPackedAffix bytes lie in the
// beginning it shares with a word kept, and those of its tail when the
// kept word ends the same way. Not thread-safe.
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

#include "platform/shared_bytes.h"
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
      row = static_cast<int8_t>(MatchVerbSuffixRow(
          std::string_view(word_.data() + at, word_.size() - at)));
    }
    return row;
  }

  // Whether `text` is a tail of the word served, the very bytes; so are
  // then all its tails.
  bool Serves(std::string_view text) const {
    return text.data() + text.size() == served_end_ &&
           text.size() <= word_.size();
  }
  // MatchVerbSuffixRow(text), kept. REQUIRES: Serves(text).
  int MatchTail(std::string_view text) { return Tails{rows_end_}.Match(text); }

  // MatchTail for a caller that matches many tails of one text: a copy
  // of where their rows are, which the caller keeps in a register (the
  // rows it writes could otherwise be this object). Valid until the next
  // Rebase; Match REQUIRES Serves(text).
  struct Tails {
    int Match(std::string_view text) const {
      // The row of the byte `size` from the end; `text` holds its bytes.
      int8_t& row = rows_end[-static_cast<std::ptrdiff_t>(text.size())];
      if (row == kUnknown) row = static_cast<int8_t>(MatchVerbSuffixRow(text));
      return row;
    }
    int8_t* rows_end;
  };
  Tails tails() const { return Tails{rows_end_}; }
  // MatchVerbSuffixRow(text): kept when `text` is a tail of the word
  // served, else matched.
  int Match(std::string_view text) {
    return Serves(text) ? MatchTail(text) : MatchVerbSuffixRow(text);
  }

  // The bytes at which a greedy scan of the word served from byte `start`
  // found its rows, in order, for the caller to fill. A scan reads nothing
  // but rows, so the path it took in the word this one was rebuilt from
  // holds as far as the rows it read are kept, and comes back that far:
  // the scan goes on from its last byte. nullptr for starts from
  // kPathStarts on.
  std::vector<uint32_t>* Path(size_t start) {
    if (start >= kPathStarts || word_.size() > UINT32_MAX) return nullptr;
    Kept& kept = kept_[served_];
    const uint64_t bit = uint64_t{1} << start;
    if ((kept.has_path & bit) == 0) {
      kept.has_path |= bit;
      kept.starts[kept.start_count++] = static_cast<uint8_t>(start);
      kept.paths[start].clear();
    }
    return &kept.paths[start];
  }

  static constexpr size_t kPathStarts = 64;

 private:
  static_assert(kVerbSuffixCount <= INT8_MAX, "row numbers fit in int8_t");
  static constexpr int8_t kUnknown = -2;

  // A word served lately, with the rows found in it.
  struct Kept {
    std::string word;
    std::vector<int8_t> rows;  // by byte, word.size() + 1 of them
    uint64_t last_use = 0;
    // Path(start), valid for the starts whose bit is set, which are
    // also listed in `starts`.
    std::vector<uint32_t> paths[kPathStarts];
    uint64_t has_path = 0;
    uint8_t starts[kPathStarts];
    size_t start_count = 0;
  };
  // Corrections of two or three different words often take turns (a
  // sub-parse reads the suggestions of one, then goes back to those of
  // another), so a few words are kept.
  static constexpr size_t kKeptWords = 4;

  // The slot to rebuild for a word that shares `shared` bytes at the
  // start with slot `from`, the one that shares the most.
  size_t SlotFor(size_t from, size_t shared) const;
  // Keeps in kept_[to] the paths of kept_[from] as far as they read only
  // the first `kept` rows.
  void KeepPaths(size_t from, size_t to, size_t kept);

  Kept kept_[kKeptWords];
  uint64_t uses_ = 0;
  size_t served_ = 0;                 // the slot of the word served
  std::string_view word_;             // the kept copy of the word served
  int8_t* rows_ = nullptr;            // its rows
  int8_t* rows_end_ = nullptr;        // the row of its end
  const char* served_end_ = nullptr;  // the end of the caller's bytes
};

inline size_t VerbSuffixRows::SlotFor(size_t from, size_t shared) const {
  // A word that goes on from `from` replaces it; one that branches off
  // early takes the slot used least lately, keeping `from` for the words
  // that come back to it.
  if (shared >= kept_[from].word.size() / 2) return from;
  size_t oldest = from == 0 ? 1 : 0;
  for (size_t i = 0; i < kKeptWords; ++i) {
    if (i != from && kept_[i].last_use < kept_[oldest].last_use) oldest = i;
  }
  return oldest;
}

inline void VerbSuffixRows::KeepPaths(size_t from, size_t to, size_t kept) {
  Kept& source = kept_[from];
  Kept& target = kept_[to];
  uint64_t has_path = 0;
  size_t count = 0;
  for (size_t i = 0; i < source.start_count; ++i) {
    const size_t start = source.starts[i];
    if (start >= kept) continue;
    const std::vector<uint32_t>& path = source.paths[start];
    const auto end = std::lower_bound(path.begin(), path.end(), kept);
    if (to == from) {
      target.paths[start].resize(static_cast<size_t>(end - path.begin()));
    } else {
      target.paths[start].assign(path.begin(), end);
    }
    has_path |= uint64_t{1} << start;
    target.starts[count++] = static_cast<uint8_t>(start);
  }
  target.start_count = count;
  target.has_path = has_path;
}

// A row is kept when the bytes it depends on are shared at the start, or
// all of them at the end.
inline void VerbSuffixRows::Rebase(std::string_view word) {
  // Most words go on from the last one; the others are looked at only
  // when it branches off early.
  size_t from = served_;
  size_t shared = SharedStart(word, kept_[from].word);
  if (shared < kept_[from].word.size() / 2) {
    for (size_t i = 0; i < kKeptWords; ++i) {
      const size_t s = i == served_ ? 0 : SharedStart(word, kept_[i].word);
      if (s > shared) {
        from = i;
        shared = s;
      }
    }
  }
  const size_t to = SlotFor(from, shared);
  Kept& source = kept_[from];
  Kept& target = kept_[to];
  const size_t size = word.size();
  const size_t old_size = source.word.size();
  const size_t kept =
      shared >= kMaxPackedAffix ? shared - kMaxPackedAffix + 1 : 0;
  // The tail's rows, the end's included; none from a slot never used.
  const size_t tail =
      source.rows.empty() ? 0 : SharedEnd(word, source.word, size - kept) + 1;
  // The tail's rows move with it; those of the start stay where they
  // are (in the same slot) or are copied. A row of both is the same row.
  target.rows.resize(std::max(size, old_size) + 1);
  int8_t* const rows = target.rows.data();
  const int8_t* const old_rows = source.rows.data();
  if (to != from) std::memcpy(rows, old_rows, kept);
  if (tail != 0) {
    std::memmove(rows + size + 1 - tail, old_rows + old_size + 1 - tail, tail);
  }
  if (size + 1 - tail > kept) {
    std::fill(rows + kept, rows + size + 1 - tail, kUnknown);
  }
  target.rows.resize(size + 1);
  if (to == from) {
    target.word.resize(shared);
    target.word.append(word.substr(shared));
  } else {
    target.word.assign(word);
  }
  KeepPaths(from, to, kept);
  target.last_use = ++uses_;
  served_ = to;
  word_ = target.word;
  rows_ = target.rows.data();
  rows_end_ = rows_ + size;
  served_end_ = word.data() + word.size();
}

}  // namespace tesvar

#endif  // TESVAR_VERBS_VERB_SUFFIX_ROWS_H_
