// WordPositions: the words of a list that only grows, each with its
// position, so that the first position of a word is found without
// comparing it with every word before it. The suggestion check charges
// its steps by the words a search looks at, which is the position found
// plus one, or the whole list when the word is absent; this answers both
// at a cost that does not grow with the list.
//
// Words come with their hash (TextArena::Hash), taken once by the caller
// however many lists it looks in, so that a long word is read whole only
// to confirm a match. One bit per word in a 64-bit filter answers most
// searches for absent words at once; short lists are then searched in
// turn, and past kIndexFrom words a hash table of positions takes over.
//
// Owned by one ParseScratch; not thread-safe. Tested by
// word_positions_test.cc.

#ifndef TESVAR_PARSER_WORD_POSITIONS_H_
#define TESVAR_PARSER_WORD_POSITIONS_H_

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tesvar {

class WordPositions {
 public:
  // Lists this long or longer are indexed.
  static constexpr size_t kIndexFrom = 16;

  // The filter bit of a word with hash `hash`: a list holds no word whose
  // bit is missing from its filter().
  static uint64_t FilterBit(uint64_t hash) {
    return uint64_t{1} << (hash >> 58);
  }

  size_t size() const { return size_; }
  std::string_view operator[](size_t i) const { return words_[i].word; }
  uint64_t filter() const { return filter_; }

  // Appends `word`, whose hash is `hash`; a word already present keeps its
  // first position.
  void Add(std::string_view word, uint64_t hash);
  // The first position of `word`, whose hash is `hash`, or size() when it
  // is absent.
  size_t Find(std::string_view word, uint64_t hash) const {
    if ((filter_ & FilterBit(hash)) == 0) return size_;
    if (indexed_) return FindIndexed(word, hash);
    for (size_t i = 0; i < size_; ++i) {
      if (words_[i].Is(word, hash)) return i;
    }
    return size_;
  }
  void Clear();

 private:
  size_t FindIndexed(std::string_view word, uint64_t hash) const;
  // Makes the table fit twice the words, and fills it.
  void Reindex();
  void Insert(size_t position);

  struct Entry {
    std::string_view word;
    uint64_t hash;
    bool Is(std::string_view other, uint64_t other_hash) const {
      // Words are often one text, handed around.
      return hash == other_hash && word.size() == other.size() &&
             (word.data() == other.data() || word == other);
    }
  };
  std::vector<Entry> words_;
  // words_.size(), kept apart: Entry's size is not a power of two.
  size_t size_ = 0;
  // The FilterBit of every word of the list.
  uint64_t filter_ = 0;
  // Whether slots_ holds the positions, which it does from kIndexFrom
  // words on.
  bool indexed_ = false;
  // Positions plus one, 0 for an empty slot; the size is a power of two.
  // A cleared list keeps the table for when it grows again.
  std::vector<uint32_t> slots_;
};

}  // namespace tesvar

#endif  // TESVAR_PARSER_WORD_POSITIONS_H_
