// Adding to the double array. Free units form a doubly linked list, kept
// in their own fields; units past the last one in use are always free.
// MakeRoom keeps enough of those for the worst a key can need: every byte
// of it, and its value, placing a block of all codes past the end.
// Tested by lexicon_test.cc and lexicon_memory_test.cc.

#include "wordvault/double_array.h"

#include <algorithm>
#include <new>
#include <utility>

namespace tesvar {
namespace wordvault {

namespace {

// The array starts at this many units.
constexpr size_t kMinUnits = 1024;

}  // namespace

uint32_t DoubleArray::Find(std::string_view key) const {
  const uint32_t holder = HolderOf(key);
  return holder == kNoLink ? kNoValue : ValueOf(units_[holder].base);
}

uint32_t DoubleArray::HolderOf(uint32_t node) const {
  const int32_t base = units_[node].base;
  if (base < 0) return node;
  if (base > 0 && HasValueChild(units_[node])) {
    return static_cast<uint32_t>(base);
  }
  return kNoLink;
}

uint32_t DoubleArray::HolderOf(std::string_view key) const {
  if (units_.empty() || key.empty()) return kNoLink;
  uint32_t node = 0;
  for (const char byte : key) {
    const int32_t base = units_[node].base;
    const uint32_t code = codes_[static_cast<unsigned char>(byte)];
    if (base <= 0 || code == 0) return kNoLink;
    const size_t child = static_cast<size_t>(base) + code;
    if (child >= units_.size() || ParentOf(units_[child]) != node) {
      return kNoLink;
    }
    node = static_cast<uint32_t>(child);
  }
  return HolderOf(node);
}

void DoubleArray::MakeRoom(std::string_view key) {
  size_t codes = code_count_;
  std::array<bool, 256> seen{};
  for (const char byte : key) {
    const auto index = static_cast<unsigned char>(byte);
    if (codes_[index] == 0 && !seen[index]) {
      seen[index] = true;
      ++codes;
    }
  }
  // Every byte of the key and its value may place a block of codes
  // 0 to `codes` past the end, and a block's last unit may be read.
  const size_t wanted = size_t{end_} + 1 + (key.size() + 2) * (codes + 1);
  if (wanted > units_.size()) {
    Grow(std::max({wanted, 2 * units_.size(), kMinUnits}));
  }
}

void DoubleArray::Reserve(size_t units) {
  if (units > units_.size()) Grow(units);
}

// Makes the array `size` units long, the new units at the end of the free
// list; the root is made with the first units.
void DoubleArray::Grow(size_t size) {
  const size_t old_size = units_.size();
  // Unit numbers must stay below kMaxUnits.
  if (size > kMaxUnits) throw std::bad_alloc();
  std::vector<Unit> units;
  units.reserve(size);
  units.assign(units_.begin(), units_.end());
  units.resize(size);
  size_t first = old_size;
  if (old_size == 0) {
    units[0] = Unit{0, 0};  // the root, its own parent
    first = 1;
    end_ = 1;
  }
  for (size_t unit = first; unit < size; ++unit) {
    units[unit].base = unit + 1 < size ? static_cast<int32_t>(unit + 1)
                                       : static_cast<int32_t>(kNoLink);
    units[unit].check =
        kFreeBit |
        (unit == first ? free_tail_ : static_cast<uint32_t>(unit - 1));
  }
  if (free_tail_ != kNoLink) {
    units[free_tail_].base = static_cast<int32_t>(first);
  } else {
    free_head_ = static_cast<uint32_t>(first);
  }
  free_tail_ = static_cast<uint32_t>(size - 1);
  units_.swap(units);
}

void DoubleArray::ShrinkToFit() {
  if (units_.empty()) return;
  units_.resize(end_);
  RelinkFreeUnits();
  units_.shrink_to_fit();
}

// Links the free units before end_ in order, and only those.
void DoubleArray::RelinkFreeUnits() noexcept {
  free_head_ = kNoLink;
  free_tail_ = kNoLink;
  for (uint32_t unit = 1; unit < end_; ++unit) {
    if (!IsFree(unit)) continue;
    units_[unit].check = kFreeBit | free_tail_;
    units_[unit].base = static_cast<int32_t>(kNoLink);
    if (free_tail_ != kNoLink) {
      units_[free_tail_].base = static_cast<int32_t>(unit);
    } else {
      free_head_ = unit;
    }
    free_tail_ = unit;
  }
}

void DoubleArray::Take(uint32_t unit, uint32_t parent) noexcept {
  const uint32_t next = static_cast<uint32_t>(units_[unit].base);
  const uint32_t previous = units_[unit].check & ~kFreeBit;
  if (previous != kNoLink) {
    units_[previous].base = static_cast<int32_t>(next);
  } else {
    free_head_ = next;
  }
  if (next != kNoLink) {
    units_[next].check = kFreeBit | previous;
  } else {
    free_tail_ = previous;
  }
  units_[unit] = Unit{0, parent};
  end_ = std::max(end_, unit + 1);
}

// Freed units go first in the list, where the next search starts.
void DoubleArray::Free(uint32_t unit) noexcept {
  units_[unit] = Unit{static_cast<int32_t>(free_head_), kFreeBit | kNoLink};
  if (free_head_ != kNoLink) {
    units_[free_head_].check = kFreeBit | unit;
  } else {
    free_tail_ = unit;
  }
  free_head_ = unit;
}

void DoubleArray::Set(std::string_view key, uint32_t value) noexcept {
  const uint32_t holder = HolderOf(key);
  if (holder != kNoLink) {
    units_[holder].base = Held(value);
    return;
  }
  for (const char byte : key) {
    uint16_t& code = codes_[static_cast<unsigned char>(byte)];
    if (code == 0) code = static_cast<uint16_t>(++code_count_);
  }
  uint32_t node = 0;
  for (const char byte : key) {
    node = ChildOf(node, codes_[static_cast<unsigned char>(byte)]);
  }
  // A node just made has no children; a node on the way to longer keys
  // keeps its value in its child of code 0.
  if (units_[node].base == 0) {
    units_[node].base = Held(value);
  } else {
    units_[ChildOf(node, 0)].base = Held(value);
    units_[node].check |= kValueBit;
  }
}

uint32_t DoubleArray::ChildOf(uint32_t node, uint32_t code) noexcept {
  int32_t base = units_[node].base;
  if (base > 0) {
    const uint32_t unit = static_cast<uint32_t>(base) + code;
    if (ParentOf(units_[unit]) == node) return unit;
    if (IsFree(unit)) {
      Take(unit, node);
      return unit;
    }
    base = Relocate(node, code);
  } else {
    // The first child; a value the node held moves to its child of code 0.
    const int32_t held = base;
    const uint16_t codes[] = {0, static_cast<uint16_t>(code)};
    base = static_cast<int32_t>(held < 0 ? FindBase(codes, 2)
                                         : FindBase(codes + 1, 1));
    units_[node].base = base;
    if (held < 0) {
      Take(static_cast<uint32_t>(base), node);
      units_[static_cast<uint32_t>(base)].base = held;
      units_[node].check |= kValueBit;
    }
  }
  const uint32_t unit = static_cast<uint32_t>(base) + code;
  Take(unit, node);
  return unit;
}

int32_t DoubleArray::Relocate(uint32_t node, uint32_t code) noexcept {
  const uint32_t old_base = static_cast<uint32_t>(units_[node].base);
  uint16_t codes[kMaxCodes];
  size_t count = 0;
  for (uint32_t c = 0; c <= code_count_; ++c) {
    if (c == code) codes[count++] = static_cast<uint16_t>(c);
    if (c != code && ParentOf(units_[old_base + c]) == node) {
      codes[count++] = static_cast<uint16_t>(c);
    }
  }
  const uint32_t new_base = FindBase(codes, count);
  for (size_t i = 0; i < count; ++i) {
    if (codes[i] == code) continue;
    const uint32_t from = old_base + codes[i];
    const uint32_t to = new_base + codes[i];
    const int32_t moved = units_[from].base;
    const uint32_t value_bit = units_[from].check & kValueBit;
    Take(to, node);
    units_[to].base = moved;
    units_[to].check |= value_bit;
    if (moved > 0) {
      for (uint32_t c = 0; c <= code_count_; ++c) {
        Unit& grandchild = units_[static_cast<uint32_t>(moved) + c];
        if (ParentOf(grandchild) == from) {
          grandchild.check = to | (grandchild.check & kValueBit);
        }
      }
    }
    Free(from);
  }
  units_[node].base = static_cast<int32_t>(new_base);
  return static_cast<int32_t>(new_base);
}

uint32_t DoubleArray::FindBase(const uint16_t* codes, size_t count,
                               int limit) const noexcept {
  const uint32_t first = codes[0];
  uint32_t unit = free_head_;
  for (int tried = 0; unit != kNoLink && tried < limit;
       ++tried, unit = static_cast<uint32_t>(units_[unit].base)) {
    if (unit <= first) continue;
    const uint32_t base = unit - first;
    bool fits = true;
    for (size_t i = 1; i < count && fits; ++i) {
      const size_t at = size_t{base} + codes[i];
      fits = at < units_.size() && IsFree(static_cast<uint32_t>(at));
    }
    if (fits) return base;
  }
  // Past the last unit in use every unit is free.
  return std::max(end_, first + 1) - first;
}

DoubleArray::Builder::Builder(const Codes& codes, size_t units) {
  trie_.codes_ = codes;
  for (const uint16_t code : codes) {
    trie_.code_count_ = std::max<uint32_t>(trie_.code_count_, code);
  }
  trie_.Grow(std::max(units, kMinUnits));
}

uint32_t DoubleArray::Builder::Place(uint32_t node, const uint16_t* codes,
                                     size_t count) {
  const uint32_t base = trie_.FindBase(codes, count, kBuildSearchLimit);
  const size_t last = size_t{base} + codes[count - 1];
  const size_t size = trie_.units_.size();
  if (last >= size) trie_.Grow(std::max(last + 1, size + size / 4));
  trie_.units_[node].base = static_cast<int32_t>(base);
  for (size_t i = 0; i < count; ++i) trie_.Take(base + codes[i], node);
  if (codes[0] == 0) trie_.units_[node].check |= kValueBit;
  return base;
}

DoubleArray DoubleArray::Builder::Finish() {
  trie_.ShrinkToFit();
  return std::move(trie_);
}

}  // namespace wordvault
}  // namespace tesvar
