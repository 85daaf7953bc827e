// WordPositions: the words of a list that only grows, each with its
// position, so that the first position of a word is found without
// comparing it with every word before it. The suggestion check charges
// its steps by the words a search looks at, which is the position found
// plus one, or the whole list when the word is absent; this answers both
// at a cost that does not grow with the list.
//
// Words are views that must outlive the list (the call's TextArena). Short
// lists are searched in turn; past kIndexFrom words, a hash table of
// positions by a fingerprint of the word (its size and the bytes at both
// ends) takes over, so a long word is not read whole to be looked up.
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

  size_t size() const { return words_.size(); }
  std::string_view operator[](size_t i) const { return words_[i]; }

  // Appends `word`; a word already present keeps its first position.
  void Add(std::string_view word);
  // The first position of `word`, or size() when it is absent.
  size_t Find(std::string_view word) const {
    // Most words looked for are absent, and most of those differ in
    // length from every word of the list.
    if ((sizes_ & SizeBit(word)) == 0) return words_.size();
    if (!slots_.empty()) return FindIndexed(word);
    for (size_t i = 0; i < words_.size(); ++i) {
      if (words_[i].size() == word.size() && words_[i] == word) return i;
    }
    return words_.size();
  }
  void Clear();

 private:
  // The bit of `word`'s size, modulo 64, in sizes_.
  static uint64_t SizeBit(std::string_view word) {
    return uint64_t{1} << (word.size() % 64);
  }
  static uint64_t Fingerprint(std::string_view word);
  size_t FindIndexed(std::string_view word) const;
  // Makes the table fit twice the words, and fills it.
  void Rehash();
  void Insert(size_t position);

  std::vector<std::string_view> words_;
  // The SizeBit of every word of the list.
  uint64_t sizes_ = 0;
  std::vector<uint64_t> fingerprints_;
  // Positions plus one, 0 for an empty slot; the size is a power of two
  // (or 0 while the list is short).
  std::vector<uint32_t> slots_;
};

}  // namespace tesvar

#endif  // TESVAR_PARSER_WORD_POSITIONS_H_
