// Open addressing with linear probing over a power-of-two table, at most
// half full. Insertion in list order keeps the first position of a word
// repeated later.
// Tested by word_positions_test.cc.

#include "parser/word_positions.h"

#include "words/first_byte_index.h"

namespace tesvar {

uint64_t WordPositions::Fingerprint(std::string_view word) {
  const size_t n = word.size();
  const uint64_t head = LoadPackedBytes(word);
  const uint64_t tail = n > kMaxPackedAffix
                            ? LoadPackedBytes(word.substr(n - kMaxPackedAffix))
                            : 0;
  uint64_t h = (n + 1) * 0x9e3779b97f4a7c15u;
  h ^= head + 0x7f4a7c159e3779b9u + (h << 6) + (h >> 2);
  h ^= tail + 0x94d049bb133111ebu + (h << 6) + (h >> 2);
  h ^= h >> 31;
  h *= 0xbf58476d1ce4e5b9u;
  h ^= h >> 29;
  return h;
}

void WordPositions::Add(std::string_view word) {
  words_.push_back(word);
  sizes_ |= SizeBit(word);
  if (words_.size() < kIndexFrom) return;
  if (2 * words_.size() > slots_.size()) {
    Rehash();
  } else {
    fingerprints_.push_back(Fingerprint(word));
    Insert(words_.size() - 1);
  }
}

size_t WordPositions::FindIndexed(std::string_view word) const {
  const uint64_t fingerprint = Fingerprint(word);
  const size_t mask = slots_.size() - 1;
  for (size_t slot = fingerprint & mask;; slot = (slot + 1) & mask) {
    if (slots_[slot] == 0) return words_.size();
    const size_t position = slots_[slot] - 1;
    if (fingerprints_[position] == fingerprint && words_[position] == word) {
      return position;
    }
  }
}

void WordPositions::Clear() {
  words_.clear();
  sizes_ = 0;
  fingerprints_.clear();
  slots_.clear();
}

void WordPositions::Rehash() {
  size_t size = 2 * kIndexFrom;
  while (size < 2 * words_.size()) size *= 2;
  slots_.assign(size, 0);
  // Short lists keep no fingerprints.
  for (size_t position = fingerprints_.size(); position < words_.size();
       ++position) {
    fingerprints_.push_back(Fingerprint(words_[position]));
  }
  for (size_t position = 0; position < words_.size(); ++position) {
    Insert(position);
  }
}

void WordPositions::Insert(size_t position) {
  const uint64_t fingerprint = fingerprints_[position];
  const std::string_view word = words_[position];
  const size_t mask = slots_.size() - 1;
  for (size_t slot = fingerprint & mask;; slot = (slot + 1) & mask) {
    if (slots_[slot] == 0) {
      slots_[slot] = static_cast<uint32_t>(position + 1);
      return;
    }
    const size_t other = slots_[slot] - 1;
    // A repeated word keeps its first position.
    if (fingerprints_[other] == fingerprint && words_[other] == word) return;
  }
}

}  // namespace tesvar
