// The lexicon's key index: entry positions by key, which keeps keys
// unique. Like the headword index it stores no text of its own and names
// the EntryStore whose keys it indexes on every call.
// Reading from several threads at once is safe; changing is not.

#ifndef TESVAR_WORDVAULT_KEY_INDEX_H_
#define TESVAR_WORDVAULT_KEY_INDEX_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "wordvault/entry_store.h"
#include "wordvault/slot_table.h"

namespace tesvar {
namespace wordvault {

class KeyIndex {
 public:
  // The position of the entry stored under `key` (hashed to `hash`), or
  // kNoPosition.
  uint32_t Find(std::string_view key, uint64_t hash,
                const EntryStore& store) const {
    if (table_.used() == 0) return kNoPosition;
    const size_t slot = SlotOf(key, hash, store);
    return table_.IsEmpty(slot) ? kNoPosition : table_.position(slot);
  }

  // Makes room for one more key, so that Insert cannot fail. Throws
  // std::bad_alloc, leaving the index as it was, when memory runs out.
  void MakeRoom(const EntryStore& store) {
    if (table_.Grow(table_.used() + 1, false)) Rehash(store);
  }
  // Indexes the entry at `position` under `key`, which is not present.
  // REQUIRES: MakeRoom was called since the last Insert.
  void Insert(std::string_view key, uint64_t hash, uint32_t position,
              const EntryStore& store) noexcept {
    table_.Fill(SlotOf(key, hash, store), position, hash);
  }

  // Makes room for `count` keys in all.
  void Reserve(size_t count, const EntryStore& store) {
    if (table_.Grow(count, true)) Rehash(store);
  }
  void Clear() { table_.Clear(); }

 private:
  size_t SlotOf(std::string_view key, uint64_t hash,
                const EntryStore& store) const {
    return table_.Probe(
        hash, [&](uint32_t position) { return store.KeyOf(position) == key; });
  }
  // Refills the table from the keys of the entries indexed so far.
  void Rehash(const EntryStore& store) {
    for (uint32_t position = 0; position < store.size(); ++position) {
      const std::string_view key = store.KeyOf(position);
      const uint64_t hash = Hash(key);
      table_.Fill(SlotOf(key, hash, store), position, hash);
    }
  }

  SlotTable table_;
};

}  // namespace wordvault
}  // namespace tesvar

#endif  // TESVAR_WORDVAULT_KEY_INDEX_H_
