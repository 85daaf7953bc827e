// The lexicon's headword index: which entries' headwords are prefixes of
// a text. The parser asks this for every word (and for the rest of the
// word after a verb prefix), so its cost grows with the text's length,
// never with the number of entries.
//
// Distinct non-empty headwords are the keys of a trie in a double array
// (double_array.h), whose value is the last entry with that headword;
// earlier entries with the same headword are chained, each link beside
// the entry's summary (EntryStore::SummaryOf), so that a lookup hands its
// callers what they need of an entry from the one read. A lookup walks the
// text down the trie once, collecting the entries of every headword it
// passes, and stops where no headword goes on. Entries with an empty
// headword are listed apart.
//
// Entries are indexed one by one as they are added, or all at once by
// Rebuild, which also lays the trie out for the fastest walks.
//
// Reading from several threads at once is safe; changing is not.

#ifndef TESVAR_WORDVAULT_HEADWORD_INDEX_H_
#define TESVAR_WORDVAULT_HEADWORD_INDEX_H_

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "wordvault/double_array.h"
#include "wordvault/entry_store.h"
#include "wordvault/slot_table.h"

namespace tesvar {
namespace wordvault {

class HeadwordIndex {
 public:
  // Kept for each entry: the entry before it with the same headword, and its
  // summary.
  struct Link {
    uint32_t previous_same_headword;
    uint32_t summary;
  };

  // What MakeRoom learnt about the headword, for Insert to use.
  struct Pending {
    uint32_t last_same = kNoPosition;  // the last entry with the headword
  };
  // Makes room for the entry about to be appended to `store` with
  // `headword`, so that Insert cannot fail. Throws std::bad_alloc,
  // leaving the index as it was, when memory runs out.
  Pending MakeRoom(std::string_view headword);
  // Indexes the entry at `position`, the last one of `store`.
  // REQUIRES: `pending` came from MakeRoom with its headword, called
  // before it was appended, and nothing else changed the index since.
  void Insert(uint32_t position, const Pending& pending,
              const EntryStore& store) noexcept;

  // Appends to *positions the positions of every entry whose headword is
  // a prefix of `text` (the empty headword included), in no particular
  // order.
  void AppendPrefixes(std::string_view text,
                      std::vector<uint32_t>* positions) const {
    ForEachPrefix(text, [positions](uint32_t position, size_t, uint32_t) {
      positions->push_back(position);
    });
  }
  // Calls found(position, length, summary) for the same entries; `length`
  // is that of the headword, `summary` the entry's EntryStore::SummaryOf.
  // Returns the bytes of `text` read, as DoubleArray::ForEachPrefix.
  template <typename Found>
  size_t ForEachPrefix(std::string_view text, Found found) const {
    for (const uint32_t position : empty_headwords_) {
      found(position, 0, links_[position].summary);
    }
    return trie_.ForEachPrefix(text, [&](uint32_t last, size_t length) {
      for (uint32_t e = last; e != kNoPosition;) {
        const Link& link = links_[e];
        found(e, length, link.summary);
        e = link.previous_same_headword;
      }
    });
  }

  // Indexes all entries of `store` afresh. Throws std::bad_alloc,
  // leaving the index as it was, when memory runs out.
  void Rebuild(const EntryStore& store);

  // Makes room for `count` entries in all.
  void Reserve(size_t count);
  void Clear();

 private:
  DoubleArray trie_;
  std::vector<Link> links_;                // by position
  std::vector<uint32_t> empty_headwords_;  // positions, ascending
};

}  // namespace wordvault
}  // namespace tesvar

#endif  // TESVAR_WORDVAULT_HEADWORD_INDEX_H_
