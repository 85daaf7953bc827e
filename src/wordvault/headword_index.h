// The lexicon's headword index: which entries' headwords are prefixes of
// a text. The parser asks this for every word (and for the rest of the
// word after a verb prefix), so its cost grows with the text's length,
// never with the number of entries.
//
// For each distinct non-empty headword the table holds the last entry
// that has it; earlier entries with the same headword are chained. A
// lookup hashes the text byte by byte, so every prefix's hash comes on
// the way, and probes the table only at the lengths that some headword
// has. A bit filter of the hashes of every prefix of every headword ends
// the walk as soon as no headword can start with the text read so far, as
// a walk down a trie would.
//
// The index views the entries in an EntryStore, which every call names:
// it must be the store whose entries were inserted, in the same order.
// Reading from several threads at once is safe; changing is not.

#ifndef TESVAR_WORDVAULT_HEADWORD_INDEX_H_
#define TESVAR_WORDVAULT_HEADWORD_INDEX_H_

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "wordvault/entry_store.h"
#include "wordvault/slot_table.h"

namespace tesvar {
namespace wordvault {

class HeadwordIndex {
 public:
  static constexpr size_t kNoSlot = SIZE_MAX;

  // What MakeRoom learnt about the headword, for Insert to use.
  struct Pending {
    uint64_t hash = 0;
    size_t known_slot = kNoSlot;  // the slot of an indexed headword
  };
  // Makes room for the entry about to be appended to `store` with
  // `headword`, so that Insert cannot fail. Throws std::bad_alloc,
  // leaving the index as it was, when memory runs out.
  Pending MakeRoom(std::string_view headword, const EntryStore& store);
  // Indexes the entry at `position`, the last one of `store`.
  // REQUIRES: `pending` came from MakeRoom with its headword, called
  // before it was appended, and nothing else changed the index since.
  void Insert(uint32_t position, const Pending& pending,
              const EntryStore& store) noexcept;

  // Appends to *positions the positions of every entry whose headword is
  // a prefix of `text` (the empty headword included), in no particular
  // order.
  void AppendPrefixes(std::string_view text, const EntryStore& store,
                      std::vector<uint32_t>* positions) const {
    positions->insert(positions->end(), empty_headwords_.begin(),
                      empty_headwords_.end());
    if (table_.used() != 0) AppendNonEmptyPrefixes(text, store, positions);
  }

  // The last entry whose headword is `headword` (non-empty), or
  // kNoPosition; Previous walks back to the earlier ones.
  uint32_t LastWith(std::string_view headword, const EntryStore& store) const;
  uint32_t Previous(uint32_t position) const {
    return previous_same_headword_[position];
  }

  // Makes room for `count` entries in all.
  void Reserve(size_t count, const EntryStore& store);
  void ShrinkToFit();
  void Clear();

 private:
  // Lengths below this have a bit in short_lengths_.
  static constexpr size_t kShortLengths = 64;

  size_t SlotOf(std::string_view headword, uint64_t hash,
                const EntryStore& store) const {
    return table_.Probe(hash, [&](uint32_t position) {
      return store.HeadwordLengthOf(position) == headword.size() &&
             store.HeadwordOf(position) == headword;
    });
  }
  void AppendNonEmptyPrefixes(std::string_view text, const EntryStore& store,
                              std::vector<uint32_t>* positions) const;
  void Rehash(const EntryStore& store);
  bool HasLength(size_t length) const;
  void AddLength(size_t length) noexcept;
  void FilterHeadword(std::string_view headword) noexcept;
  void GrowFilter(size_t headword_bytes, const EntryStore& store);

  SlotTable table_;
  std::vector<uint32_t> previous_same_headword_;  // by position
  uint64_t short_lengths_ = 0;
  std::vector<size_t> long_lengths_;  // ascending
  std::vector<uint64_t> prefix_filter_;
  size_t filtered_bytes_ = 0;              // bytes of the distinct headwords
  std::vector<uint32_t> empty_headwords_;  // positions, ascending
};

}  // namespace wordvault
}  // namespace tesvar

#endif  // TESVAR_WORDVAULT_HEADWORD_INDEX_H_
