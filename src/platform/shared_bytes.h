// How many bytes two texts share at their beginnings or at their ends.
// The parser checks runs of corrections that each differ from the one
// before by a small edit, and keeps what it found in the bytes that did
// not change; these find them, a few words at a time.
// Pure functions, thread-safe. Tested by shared_bytes_test.cc.

#ifndef TESVAR_PLATFORM_SHARED_BYTES_H_
#define TESVAR_PLATFORM_SHARED_BYTES_H_

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace tesvar {

// Loads of eight bytes are compared at once; on little-endian machines,
// where the first byte in memory is the low byte of the load, the bytes a
// mismatching pair shares are counted from their difference.
#if defined(__BYTE_ORDER__) && defined(__ORDER_LITTLE_ENDIAN__) && \
    __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
inline constexpr bool kLittleEndianLoads = true;
#else
inline constexpr bool kLittleEndianLoads = false;
#endif

// The number of zero bytes below the lowest byte that is not. REQUIRES:
// bits != 0.
inline size_t LowZeroBytes(uint64_t bits) {
  size_t zero = 0;
  if ((bits & 0xffffffff) == 0) {
    zero += 4;
    bits >>= 32;
  }
  if ((bits & 0xffff) == 0) {
    zero += 2;
    bits >>= 16;
  }
  return (bits & 0xff) == 0 ? zero + 1 : zero;
}

// The number of zero bytes above the highest byte that is not. REQUIRES:
// bits != 0.
inline size_t HighZeroBytes(uint64_t bits) {
  size_t zero = 0;
  if ((bits >> 32) == 0) {
    zero += 4;
    bits <<= 32;
  }
  if ((bits >> 48) == 0) {
    zero += 2;
    bits <<= 16;
  }
  return (bits >> 56) == 0 ? zero + 1 : zero;
}

// The number of bytes that `a` and `b` share at their beginnings.
inline size_t SharedStart(std::string_view a, std::string_view b) {
  const size_t most = std::min(a.size(), b.size());
  size_t shared = 0;
  // Long runs of equal bytes are passed in blocks by the library's
  // compare, which reads them wider than a word at a time; texts that part
  // within their first word are not worth the call.
  constexpr size_t kBlock = 64;
  if (most >= kBlock &&
      std::memcmp(a.data(), b.data(), sizeof(uint64_t)) == 0) {
    while (shared + kBlock <= most &&
           std::memcmp(a.data() + shared, b.data() + shared, kBlock) == 0) {
      shared += kBlock;
    }
  }
  for (constexpr size_t kStep = sizeof(uint64_t); shared + kStep <= most;
       shared += kStep) {
    uint64_t x;
    uint64_t y;
    std::memcpy(&x, a.data() + shared, kStep);
    std::memcpy(&y, b.data() + shared, kStep);
    if (x != y) {
      if (kLittleEndianLoads) return shared + LowZeroBytes(x ^ y);
      break;
    }
  }
  while (shared < most && a[shared] == b[shared]) ++shared;
  return shared;
}

// The number of bytes that `a` and `b` share at their ends, up to `most`.
inline size_t SharedEnd(std::string_view a, std::string_view b, size_t most) {
  most = std::min({most, a.size(), b.size()});
  const char* const a_end = a.data() + a.size();
  const char* const b_end = b.data() + b.size();
  size_t shared = 0;
  for (constexpr size_t kStep = sizeof(uint64_t); shared + kStep <= most;
       shared += kStep) {
    uint64_t x;
    uint64_t y;
    std::memcpy(&x, a_end - shared - kStep, kStep);
    std::memcpy(&y, b_end - shared - kStep, kStep);
    if (x != y) {
      if (kLittleEndianLoads) return shared + HighZeroBytes(x ^ y);
      break;
    }
  }
  while (shared < most && *(a_end - shared - 1) == *(b_end - shared - 1)) {
    ++shared;
  }
  return shared;
}

}  // namespace tesvar

#endif  // TESVAR_PLATFORM_SHARED_BYTES_H_
