// Open addressing with linear probing over a power-of-two table, at most
// half full (emptier when an earlier list left it larger), slotted by the
// low bits of the hash (the filter takes the high ones). Insertion in
// list order keeps the first position of a word repeated later.
// Tested by word_positions_test.cc.

#include "parser/word_positions.h"

#include <algorithm>

namespace tesvar {

void WordPositions::Add(std::string_view word, uint64_t hash) {
  words_.push_back(Entry{word, hash});
  ++size_;
  filter_ |= FilterBit(hash);
  if (size_ < kIndexFrom) return;
  if (!indexed_ || 2 * size_ > slots_.size()) {
    Reindex();
  } else {
    Insert(size_ - 1);
  }
}

size_t WordPositions::FindIndexed(std::string_view word, uint64_t hash) const {
  const size_t mask = slots_.size() - 1;
  for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    if (slots_[slot] == 0) return size_;
    const size_t position = slots_[slot] - 1;
    if (words_[position].Is(word, hash)) return position;
  }
}

void WordPositions::Clear() {
  words_.clear();
  size_ = 0;
  filter_ = 0;
  indexed_ = false;
}

void WordPositions::Reindex() {
  size_t size = std::max(slots_.size(), 2 * kIndexFrom);
  while (size < 2 * size_) size *= 2;
  slots_.assign(size, 0);
  indexed_ = true;
  for (size_t position = 0; position < size_; ++position) Insert(position);
}

inline void WordPositions::Insert(size_t position) {
  const Entry& entry = words_[position];
  const size_t mask = slots_.size() - 1;
  for (size_t slot = entry.hash & mask;; slot = (slot + 1) & mask) {
    if (slots_[slot] == 0) {
      slots_[slot] = static_cast<uint32_t>(position + 1);
      return;
    }
    // A repeated word keeps its first position.
    if (words_[slots_[slot] - 1].Is(entry.word, entry.hash)) return;
  }
}

}  // namespace tesvar
