// Open addressing with linear probing over a power-of-two table, at most
// half full, slotted by the low bits of the hash (the filter takes the
// high ones). Insertion in list order keeps the first position of a word
// repeated later.
// Tested by word_positions_test.cc.

#include "parser/word_positions.h"

namespace tesvar {

void WordPositions::Add(std::string_view word, uint64_t hash) {
  words_.push_back(Entry{word, hash});
  filter_ |= FilterBit(hash);
  if (words_.size() < kIndexFrom) return;
  if (2 * words_.size() > slots_.size()) {
    Rehash();
  } else {
    Insert(words_.size() - 1);
  }
}

size_t WordPositions::FindIndexed(std::string_view word, uint64_t hash) const {
  const size_t mask = slots_.size() - 1;
  for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    if (slots_[slot] == 0) return words_.size();
    const size_t position = slots_[slot] - 1;
    if (words_[position].Is(word, hash)) {
      return position;
    }
  }
}

void WordPositions::Clear() {
  words_.clear();
  filter_ = 0;
  slots_.clear();
}

void WordPositions::Rehash() {
  size_t size = 2 * kIndexFrom;
  while (size < 2 * words_.size()) size *= 2;
  slots_.assign(size, 0);
  for (size_t position = 0; position < words_.size(); ++position) {
    Insert(position);
  }
}

void WordPositions::Insert(size_t position) {
  const Entry& entry = words_[position];
  const size_t mask = slots_.size() - 1;
  for (size_t slot = entry.hash & mask;; slot = (slot + 1) & mask) {
    if (slots_[slot] == 0) {
      slots_[slot] = static_cast<uint32_t>(position + 1);
      return;
    }
    const size_t other = slots_[slot] - 1;
    // A repeated word keeps its first position.
    if (words_[other].Is(entry.word, entry.hash)) return;
  }
}

}  // namespace tesvar
