// The headword index: a hash table of distinct headwords with chains of
// homographs, the set of headword lengths, and the prefix filter. See
// headword_index.h for the design. Every structure grows in MakeRoom,
// before the entry is appended, so that Insert only writes into room
// already made and running out of memory changes nothing.
// Tested by lexicon_test.cc.

#include "wordvault/headword_index.h"

#include <algorithm>

namespace tesvar {
namespace wordvault {

namespace {

// The prefix filter has at least this many bits per headword byte, and
// at least kMinFilterBits; at most 2^32 (2^31 on 32-bit targets), which
// Slot relies on.
constexpr size_t kFilterBitsPerByte = 4;
constexpr size_t kMinFilterBits = 512;
constexpr size_t kMaxFilterBits = SlotTable::kMaxTableSize;

}  // namespace

HeadwordIndex::Pending HeadwordIndex::MakeRoom(std::string_view headword,
                                               const EntryStore& store) {
  MakeRoomForOne(&previous_same_headword_);
  Pending pending;
  if (headword.empty()) {
    MakeRoomForOne(&empty_headwords_);
    return pending;
  }
  pending.hash = Hash(headword);
  if (table_.used() != 0) {
    const size_t slot = SlotOf(headword, pending.hash, store);
    if (!table_.IsEmpty(slot)) {  // a homograph: it is only chained
      pending.known_slot = slot;
      return pending;
    }
  }
  if (table_.Grow(table_.used() + 1, false)) Rehash(store);
  if (headword.size() >= kShortLengths && !HasLength(headword.size())) {
    MakeRoomForOne(&long_lengths_);
  }
  GrowFilter(filtered_bytes_ + headword.size(), store);
  return pending;
}

void HeadwordIndex::Insert(uint32_t position, const Pending& pending,
                           const EntryStore& store) noexcept {
  const std::string_view headword = store.HeadwordOf(position);
  previous_same_headword_.push_back(kNoPosition);
  if (headword.empty()) {
    empty_headwords_.push_back(position);
    return;
  }
  if (pending.known_slot != kNoSlot) {
    previous_same_headword_[position] = table_.position(pending.known_slot);
    table_.set_position(pending.known_slot, position);
    return;
  }
  table_.Fill(SlotOf(headword, pending.hash, store), position, pending.hash);
  filtered_bytes_ += headword.size();
  FilterHeadword(headword);
  AddLength(headword.size());
}

uint32_t HeadwordIndex::LastWith(std::string_view headword,
                                 const EntryStore& store) const {
  if (headword.empty() || table_.used() == 0) return kNoPosition;
  const size_t slot = SlotOf(headword, Hash(headword), store);
  return table_.IsEmpty(slot) ? kNoPosition : table_.position(slot);
}

// Walks the prefixes of `text`, longest last, while the filter says that
// some headword starts with them, and probes the table for those whose
// length some headword has.
void HeadwordIndex::AppendNonEmptyPrefixes(
    std::string_view text, const EntryStore& store,
    std::vector<uint32_t>* positions) const {
  auto next_long = long_lengths_.begin();
  const uint64_t* const filter = prefix_filter_.data();
  const size_t filter_bits = prefix_filter_.size() * 64;
  uint64_t hash = kHashStart;
  for (size_t length = 1; length <= text.size(); ++length) {
    hash = HashStep(hash, text[length - 1]);
    const uint64_t mixed = HashFinish(hash);
    const size_t bit = Slot(mixed, filter_bits);
    if (((filter[bit / 64] >> (bit % 64)) & 1) == 0) return;
    if (length < kShortLengths) {
      if (((short_lengths_ >> length) & 1) == 0) continue;
    } else {
      if (next_long == long_lengths_.end()) return;
      if (*next_long != length) continue;
      ++next_long;
    }
    const size_t slot = SlotOf(text.substr(0, length), mixed, store);
    if (table_.IsEmpty(slot)) continue;
    for (uint32_t e = table_.position(slot); e != kNoPosition;
         e = previous_same_headword_[e]) {
      positions->push_back(e);
    }
  }
}

// Refills the table from the stored entries: each headword's last entry
// goes in its slot; the chains stay as they are.
void HeadwordIndex::Rehash(const EntryStore& store) {
  for (size_t position = store.size(); position-- > 0;) {
    const std::string_view headword = store.HeadwordOf(position);
    if (headword.empty()) continue;
    const uint64_t hash = Hash(headword);
    const size_t slot = SlotOf(headword, hash, store);
    if (!table_.IsEmpty(slot)) continue;  // a later entry's
    table_.Fill(slot, static_cast<uint32_t>(position), hash);
  }
}

bool HeadwordIndex::HasLength(size_t length) const {
  if (length < kShortLengths) return ((short_lengths_ >> length) & 1) != 0;
  return std::binary_search(long_lengths_.begin(), long_lengths_.end(), length);
}

void HeadwordIndex::AddLength(size_t length) noexcept {
  if (length < kShortLengths) {
    short_lengths_ |= uint64_t{1} << length;
    return;
  }
  const auto at =
      std::lower_bound(long_lengths_.begin(), long_lengths_.end(), length);
  if (at == long_lengths_.end() || *at != length) {
    long_lengths_.insert(at, length);  // within the room MakeRoom made
  }
}

void HeadwordIndex::FilterHeadword(std::string_view headword) noexcept {
  const size_t bits = prefix_filter_.size() * 64;
  uint64_t hash = kHashStart;
  for (char byte : headword) {
    hash = HashStep(hash, byte);
    const size_t bit = Slot(HashFinish(hash), bits);
    prefix_filter_[bit / 64] |= uint64_t{1} << (bit % 64);
  }
}

// Keeps the filter at kFilterBitsPerByte bits per byte of the distinct
// headwords (`headword_bytes` of them, counting the one about to come) or
// more, doubling it when it must grow, and refills it then from each
// headword's first entry.
void HeadwordIndex::GrowFilter(size_t headword_bytes, const EntryStore& store) {
  const size_t bits = prefix_filter_.size() * 64;
  if (bits >= std::min(kFilterBitsPerByte * headword_bytes, kMaxFilterBits)) {
    return;
  }
  const size_t grown = std::min(
      std::max({kFilterBitsPerByte * headword_bytes, 2 * bits, kMinFilterBits}),
      kMaxFilterBits);
  std::vector<uint64_t> filter((grown + 63) / 64, 0);
  prefix_filter_.swap(filter);
  for (size_t position = 0; position < store.size(); ++position) {
    if (previous_same_headword_[position] == kNoPosition) {
      FilterHeadword(store.HeadwordOf(position));
    }
  }
}

void HeadwordIndex::Reserve(size_t count, const EntryStore& store) {
  previous_same_headword_.reserve(count);
  if (table_.Grow(count, true)) Rehash(store);
}

void HeadwordIndex::ShrinkToFit() {
  previous_same_headword_.shrink_to_fit();
  empty_headwords_.shrink_to_fit();
}

void HeadwordIndex::Clear() { *this = HeadwordIndex(); }

}  // namespace wordvault
}  // namespace tesvar
