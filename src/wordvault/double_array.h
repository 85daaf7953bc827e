// A trie of byte strings to 31-bit values, kept in a double array: one
// vector of 8-byte units, where the child of node s for byte code c is the
// unit base(s) + c if that unit names s as its parent. Walking a text down
// the trie reads one or two neighbouring units per byte and never compares
// text, so finding every key that is a prefix of a text costs about as
// much as reading the text, whatever the number of keys.
//
// A node that has no children holds its value in its base; a node with
// children keeps its value in its child of code 0, and says so with a bit
// of its own unit, so that a walk reads the child only when it is there.
// Bytes get codes 1, 2,
// ... in the order they first appear in a key; a byte of no key has none.
//
// A Builder lays out a whole trie at once, node by node in depth-first
// order, so that the nodes under a short prefix lie close together and a
// walk touches few cache lines; bytes get codes by frequency, which keeps
// every node's children close too. Keys can also be added one at a time:
// a new child whose unit is taken moves its siblings to a base where all
// of them fit, found first-fit along a list of free units. That is done
// in two halves, like the lexicon's Add: MakeRoom grows the array enough
// for any one key (the only step that allocates, leaving the trie as it
// was when it throws), then Set writes into room already made. A trie
// filled that way is looser and slower to walk than a built one.
//
// Reading from several threads at once is safe; changing is not.

#ifndef TESVAR_WORDVAULT_DOUBLE_ARRAY_H_
#define TESVAR_WORDVAULT_DOUBLE_ARRAY_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tesvar {
namespace wordvault {

class DoubleArray {
 public:
  static constexpr uint32_t kNoValue = UINT32_MAX;
  // Values are below this, and so are unit numbers.
  static constexpr uint32_t kMaxValue = INT32_MAX;
  // The code of each byte: 0 for a byte in no key, else 1, 2, ...
  using Codes = std::array<uint16_t, 256>;
  // A code for every byte, and the code 0 of a node's own value.
  static constexpr size_t kMaxCodes = 257;

  class Builder;

  // The value of `key` (non-empty), or kNoValue.
  uint32_t Find(std::string_view key) const;

  // Calls found(value, length) for every key that is a prefix of `text`,
  // shortest first; `length` is the key's length. Returns how many bytes
  // of `text` the walk read, so that any text beginning with them gets
  // the same calls; text.size() + 1 when it read them all and stopped at
  // the end of the text.
  template <typename Found>
  size_t ForEachPrefix(std::string_view text, Found found) const;

  // Makes room for adding `key` (non-empty), so that Set cannot fail.
  // Throws std::bad_alloc, leaving the trie as it was, when memory runs
  // out.
  void MakeRoom(std::string_view key);
  // Gives `key` (non-empty) the value `value` (below kMaxValue).
  // REQUIRES: the key is present, or MakeRoom(key) was called and nothing
  // changed the trie since.
  void Set(std::string_view key, uint32_t value) noexcept;

  // Makes room for `units` units in all, so that a trie of about that
  // size grows without copying.
  void Reserve(size_t units);
  // Gives back the free units after the last one in use.
  void ShrinkToFit();

  size_t unit_count() const { return units_.size(); }
  size_t used_units() const { return end_; }

 private:
  struct Unit {
    // > 0: the node has children, at base + code. < 0: the node holds
    // the value -(base + 1). 0: neither (the root of an empty trie, or a
    // node being made). For a free unit: the next free unit.
    int32_t base;
    // The parent node, with kValueBit when the node's value is in its
    // child of code 0; for a free unit, kFreeBit and the previous free
    // unit.
    uint32_t check;
  };
  static constexpr uint32_t kFreeBit = 0x80000000u;
  static constexpr uint32_t kValueBit = 0x40000000u;
  static constexpr uint32_t kNoLink = 0x7fffffffu;
  // Unit numbers are below this, so that a parent leaves kValueBit free.
  static constexpr uint32_t kMaxUnits = kValueBit;
  // Free units tried for a new base before taking one past the end.
  static constexpr int kSearchLimit = 16;
  static constexpr int kBuildSearchLimit = 256;

  static int32_t Held(uint32_t value) {
    return -static_cast<int32_t>(value) - 1;
  }
  static uint32_t ValueOf(int32_t base) {
    return static_cast<uint32_t>(-(base + 1));
  }
  bool IsFree(uint32_t unit) const {
    return (units_[unit].check & kFreeBit) != 0;
  }
  // The parent of a unit in use; a free unit's is no node.
  static uint32_t ParentOf(const Unit& unit) { return unit.check & ~kValueBit; }
  static bool HasValueChild(const Unit& unit) {
    return (unit.check & (kFreeBit | kValueBit)) == kValueBit;
  }
  // The unit holding the value of node `node`, or kNoLink.
  uint32_t HolderOf(uint32_t node) const;
  uint32_t HolderOf(std::string_view key) const;

  void Grow(size_t size);
  void Take(uint32_t unit, uint32_t parent) noexcept;
  void Free(uint32_t unit) noexcept;
  // The child of `node` for `code`, made if missing.
  uint32_t ChildOf(uint32_t node, uint32_t code) noexcept;
  // Moves the children of `node` to a base with room for `code` too.
  int32_t Relocate(uint32_t node, uint32_t code) noexcept;
  // A base at which the units of all `codes` (ascending) are free,
  // trying at most `limit` free units before the end.
  uint32_t FindBase(const uint16_t* codes, size_t count,
                    int limit = kSearchLimit) const noexcept;
  void RelinkFreeUnits() noexcept;

  std::vector<Unit> units_;  // unit 0 is the root once there is any key
  Codes codes_{};
  uint32_t code_count_ = 0;
  uint32_t end_ = 0;  // one past the last unit in use
  uint32_t free_head_ = kNoLink;
  uint32_t free_tail_ = kNoLink;
};

// Lays out a trie from the root down. Each node gets all its children at
// once, the code 0 standing for its own value; nodes should come in
// depth-first order. May throw std::bad_alloc; the trie it builds is
// only handed over by Finish.
class DoubleArray::Builder {
 public:
  explicit Builder(const Codes& codes, size_t units);

  static constexpr uint32_t kRoot = 0;
  const Codes& codes() const { return trie_.codes_; }
  // Gives `node`, which has no children yet, children of `codes`
  // (ascending, at least one); the child of code c is the unit base + c.
  // Returns the base.
  uint32_t Place(uint32_t node, const uint16_t* codes, size_t count);
  // Makes `node`, a node without children, hold `value`.
  void Hold(uint32_t node, uint32_t value) {
    trie_.units_[node].base = Held(value);
  }
  DoubleArray Finish();

 private:
  DoubleArray trie_;
};

template <typename Found>
size_t DoubleArray::ForEachPrefix(std::string_view text, Found found) const {
  if (units_.empty()) return 0;
  const Unit* const units = units_.data();
  const size_t count = units_.size();
  uint32_t node = 0;
  // The node's check, read with the test that it is the child walked to.
  // The root never holds a value: keys are not empty.
  uint32_t check = 0;
  for (size_t length = 0;; ++length) {
    const int32_t base = units[node].base;
    if (base <= 0) {
      if (base < 0) found(ValueOf(base), length);
      return length;
    }
    if ((check & kValueBit) != 0) found(ValueOf(units[base].base), length);
    if (length == text.size()) return length + 1;
    const uint32_t code = codes_[static_cast<unsigned char>(text[length])];
    const size_t child = static_cast<size_t>(base) + code;
    if (code == 0 || child >= count) return length + 1;
    check = units[child].check;
    if ((check & ~kValueBit) != node) return length + 1;
    node = static_cast<uint32_t>(child);
  }
}

}  // namespace wordvault
}  // namespace tesvar

#endif  // TESVAR_WORDVAULT_DOUBLE_ARRAY_H_
