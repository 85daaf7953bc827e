// The hashing shared by the lexicon's two indexes: a byte-at-a-time hash,
// so that the hashes of all prefixes of a text come out of one pass over
// it, and an open-addressing table of entry positions with linear probing
// and a one-byte tag per slot taken from the hash, so that most probes
// that cannot match are rejected without reading the entry.
//
// Everything here is inline: a probe is on the parser's hot path.

#ifndef TESVAR_WORDVAULT_SLOT_TABLE_H_
#define TESVAR_WORDVAULT_SLOT_TABLE_H_

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tesvar {
namespace wordvault {

constexpr uint32_t kNoPosition = UINT32_MAX;
constexpr uint8_t kEmptyTag = 0;

// FNV-1a, then a cheap final mix that spreads the low bits upwards: its
// top bits pick the slot (or the filter bit), bits 24 to 31 are the tag.
constexpr uint64_t kHashStart = 0xcbf29ce484222325ULL;

inline uint64_t HashStep(uint64_t hash, char byte) {
  return (hash ^ static_cast<unsigned char>(byte)) * 0x100000001b3ULL;
}

inline uint64_t HashFinish(uint64_t hash) {
  return (hash ^ (hash >> 29)) * 0x9e3779b97f4a7c15ULL;
}

inline uint64_t Hash(std::string_view text) {
  uint64_t hash = kHashStart;
  for (char byte : text) hash = HashStep(hash, byte);
  return HashFinish(hash);
}

inline uint8_t TagOf(uint64_t hash) {
  const uint8_t tag = static_cast<uint8_t>(hash >> 24);
  return tag == kEmptyTag ? 1 : tag;
}

// Maps the top half of a mixed hash onto [0, count) without a division.
// REQUIRES: count <= 2^32.
inline size_t Slot(uint64_t mixed, size_t count) {
  return static_cast<size_t>(((mixed >> 32) * count) >> 32);
}

// Grows *vector's capacity, geometrically, so that one more element fits
// without allocating. Either it succeeds or it throws and changes nothing.
template <typename T>
void MakeRoomForOne(std::vector<T>* vector) {
  if (vector->size() < vector->capacity()) return;
  vector->reserve(std::max<size_t>(16, 2 * vector->capacity()));
}

// Entry positions by a hash of some text of the entry, kept at most half
// full, so that a probe always ends at an empty slot.
class SlotTable {
 public:
  // Positions stay below 2^31, so the table never needs more than 2^32
  // slots, which Slot relies on. 2^32 where size_t can count that far; on
  // 32-bit targets (WebAssembly) 2^31, since no table there can get near
  // either bound before memory runs out.
  static constexpr size_t kMaxTableSize = size_t{1}
                                          << (sizeof(size_t) > 4 ? 32 : 31);
  static constexpr size_t kMinSlots = 16;
  static constexpr size_t kMaxSlots = kMaxTableSize;

  // Linear probing from `hash`'s home slot: the first slot that is empty
  // or whose tag and entry (tested by `matches`) fit.
  // REQUIRES: slot_count() > 0.
  template <typename Matches>
  size_t Probe(uint64_t hash, Matches matches) const {
    const size_t count = tags_.size();
    const uint8_t tag = TagOf(hash);
    for (size_t slot = Slot(hash, count);;
         slot = slot + 1 == count ? 0 : slot + 1) {
      const uint8_t found = tags_[slot];
      if (found == kEmptyTag || (found == tag && matches(positions_[slot]))) {
        return slot;
      }
    }
  }

  bool IsEmpty(size_t slot) const { return tags_[slot] == kEmptyTag; }
  uint32_t position(size_t slot) const { return positions_[slot]; }
  void set_position(size_t slot, uint32_t position) {
    positions_[slot] = position;
  }
  // Fills an empty slot.
  void Fill(size_t slot, uint32_t position, uint64_t hash) {
    positions_[slot] = position;
    tags_[slot] = TagOf(hash);
    ++used_;
  }

  size_t used() const { return used_; }
  size_t slot_count() const { return tags_.size(); }

  // Makes sure that `wanted` positions fit: when they do not, replaces
  // the table by an empty one of at least twice `wanted` slots (exactly
  // that many if `exact`, else at least double the old size) and returns
  // true; the caller then refills it. Throws std::bad_alloc, leaving the
  // table as it was, when memory runs out.
  bool Grow(size_t wanted, bool exact) {
    const size_t size = tags_.size();
    if (2 * wanted <= size) return false;
    const size_t grown =
        std::min(std::max(exact ? 2 * wanted : std::max(2 * wanted, 2 * size),
                          kMinSlots),
                 kMaxSlots);
    std::vector<uint32_t> positions(grown, kNoPosition);
    std::vector<uint8_t> tags(grown, kEmptyTag);
    positions_.swap(positions);
    tags_.swap(tags);
    used_ = 0;
    return true;
  }

  void Clear() { *this = SlotTable(); }

 private:
  std::vector<uint32_t> positions_;
  std::vector<uint8_t> tags_;
  size_t used_ = 0;
};

}  // namespace wordvault
}  // namespace tesvar

#endif  // TESVAR_WORDVAULT_SLOT_TABLE_H_
