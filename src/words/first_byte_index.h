// The rows of an affix table by the first byte of their affix, in row
// order, built at compile time. A scan compares a text only with the rows
// that can begin it instead of with every row, and finds the same first
// fitting row, since row order is kept within each byte.
//
// Constant data; thread-safe.

#ifndef TESVAR_WORDS_FIRST_BYTE_INDEX_H_
#define TESVAR_WORDS_FIRST_BYTE_INDEX_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tesvar {

// At most kMaxRows rows share a first byte; building an index of a table
// where more do fails to compile (a write past the end of `rows` ends the
// constant evaluation).
template <size_t kMaxRows>
struct FirstByteIndex {
  uint8_t count[256];
  uint8_t rows[256][kMaxRows];

  // Row numbers of the rows whose affix begins with `byte`, in row order.
  const uint8_t* begin(char byte) const {
    return rows[static_cast<unsigned char>(byte)];
  }
  const uint8_t* end(char byte) const {
    return begin(byte) + count[static_cast<unsigned char>(byte)];
  }
};

template <size_t kMaxRows, typename Row, size_t N>
constexpr FirstByteIndex<kMaxRows> MakeFirstByteIndex(
    const Row (&table)[N], std::string_view Row::*affix) {
  static_assert(N <= UINT8_MAX, "row numbers fit in a byte");
  FirstByteIndex<kMaxRows> index{};
  for (size_t i = 0; i < N; ++i) {
    const auto first = static_cast<unsigned char>((table[i].*affix)[0]);
    index.rows[first][index.count[first]++] = static_cast<uint8_t>(i);
  }
  return index;
}

}  // namespace tesvar

#endif  // TESVAR_WORDS_FIRST_BYTE_INDEX_H_
