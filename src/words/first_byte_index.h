// The rows of an affix table by the first byte of their affix, in row
// order, built at compile time, with every affix packed into one 64-bit
// word. A scan compares a text only with the rows that can begin it, each
// in one step instead of byte by byte, and finds the same first fitting
// row as a walk over the whole table, since row order is kept within each
// byte.
//
// Constant data; thread-safe.
// Tested by first_byte_index_test.cc.

#ifndef TESVAR_WORDS_FIRST_BYTE_INDEX_H_
#define TESVAR_WORDS_FIRST_BYTE_INDEX_H_

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace tesvar {

// Affixes this long at most can be packed.
constexpr size_t kMaxPackedAffix = 8;

// The first kMaxPackedAffix bytes of `text` (fewer if it is shorter), byte
// i in bits 8i to 8i + 7, the rest 0. The same value on every platform;
// compilers make a single load of it when the text is long enough.
constexpr uint64_t PackBytes(std::string_view text) {
  uint64_t packed = 0;
  // A fixed count, so that the loop becomes one load.
  if (text.size() >= kMaxPackedAffix) {
    for (size_t i = 0; i < kMaxPackedAffix; ++i) {
      packed |= uint64_t{static_cast<unsigned char>(text[i])} << (8 * i);
    }
    return packed;
  }
  for (size_t i = 0; i < text.size(); ++i) {
    packed |= uint64_t{static_cast<unsigned char>(text[i])} << (8 * i);
  }
  return packed;
}

// PackBytes at run time: on little-endian machines, where the packed
// order is the order in memory, a text of kMaxPackedAffix bytes or more is
// one load.
inline uint64_t LoadPackedBytes(std::string_view text) {
#if defined(__BYTE_ORDER__) && defined(__ORDER_LITTLE_ENDIAN__) && \
    __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
  const size_t n = text.size();
  const char* bytes = text.data();
  if (n >= kMaxPackedAffix) {
    uint64_t packed;
    std::memcpy(&packed, bytes, sizeof packed);
    return packed;
  }
  // A shorter text is two loads that overlap in the middle: a byte read
  // twice lands in the same place both times.
  if (n >= 4) {
    uint32_t low;
    uint32_t high;
    std::memcpy(&low, bytes, sizeof low);
    std::memcpy(&high, bytes + n - 4, sizeof high);
    return uint64_t{low} | uint64_t{high} << (8 * (n - 4));
  }
  if (n >= 2) {
    uint16_t low;
    uint16_t high;
    std::memcpy(&low, bytes, sizeof low);
    std::memcpy(&high, bytes + n - 2, sizeof high);
    return uint64_t{low} | uint64_t{high} << (8 * (n - 2));
  }
  return n == 1 ? uint64_t{static_cast<unsigned char>(bytes[0])} : 0;
#else
  return PackBytes(text);
#endif
}

template <size_t kMaxRows, size_t N>
struct FirstByteIndex {
  uint8_t count[256];
  uint8_t rows[256][kMaxRows];
  uint64_t packed[N];  // each row's affix
  uint64_t mask[N];    // the bits of `packed` its bytes take
  uint8_t size[N];     // its length

  // The number of the first row, in row order, whose affix `text` begins
  // with, or -1.
  int Match(std::string_view text) const {
    if (text.empty()) return -1;
    const auto first = static_cast<unsigned char>(text[0]);
    const uint64_t start = LoadPackedBytes(text);
    for (size_t i = 0; i < count[first]; ++i) {
      const uint8_t row = rows[first][i];
      if (size[row] <= text.size() && (start & mask[row]) == packed[row]) {
        return row;
      }
    }
    return -1;
  }
};

// True when every affix of `table` can be packed: not empty, and at most
// kMaxPackedAffix bytes.
template <typename Row, size_t N>
constexpr bool AllPackable(const Row (&table)[N],
                           std::string_view Row::*affix) {
  for (const Row& row : table) {
    if ((row.*affix).empty() || (row.*affix).size() > kMaxPackedAffix) {
      return false;
    }
  }
  return true;
}

// REQUIRES: AllPackable(table, affix). More than kMaxRows rows with one
// first byte write past the end of `rows`, which ends the constant
// evaluation, and with it the build.
template <size_t kMaxRows, typename Row, size_t N>
constexpr FirstByteIndex<kMaxRows, N> MakeFirstByteIndex(
    const Row (&table)[N], std::string_view Row::*affix) {
  static_assert(N <= UINT8_MAX, "row numbers fit in a byte");
  FirstByteIndex<kMaxRows, N> index{};
  for (size_t i = 0; i < N; ++i) {
    const std::string_view text = table[i].*affix;
    const auto first = static_cast<unsigned char>(text[0]);
    index.rows[first][index.count[first]++] = static_cast<uint8_t>(i);
    index.packed[i] = PackBytes(text);
    index.mask[i] = text.size() == kMaxPackedAffix
                        ? ~uint64_t{0}
                        : (uint64_t{1} << (8 * text.size())) - 1;
    index.size[i] = static_cast<uint8_t>(text.size());
  }
  return index;
}

}  // namespace tesvar

#endif  // TESVAR_WORDS_FIRST_BYTE_INDEX_H_
