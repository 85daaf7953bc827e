// The shared beginnings and ends are counted eight bytes at a time; every
// place the first difference can fall, within a load or across two, must
// come out as a byte-by-byte count.

#include "platform/shared_bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace tesvar {
namespace {

size_t SlowSharedStart(const std::string& a, const std::string& b) {
  size_t n = 0;
  while (n < a.size() && n < b.size() && a[n] == b[n]) ++n;
  return n;
}

size_t SlowSharedEnd(const std::string& a, const std::string& b) {
  size_t n = 0;
  while (n < a.size() && n < b.size() &&
         a[a.size() - 1 - n] == b[b.size() - 1 - n]) {
    ++n;
  }
  return n;
}

TEST(SharedBytesTest, CountsAsByteByByteWhereverTheTextsDiffer) {
  // Long enough for several blocks of the wide compare.
  std::string base;
  for (int i = 0; i < 5; ++i) base += "Qapqu'be'qu'be'Qo'Qapla'ghItlhmoHwI'";
  for (size_t size = 0; size <= base.size(); ++size) {
    const std::string a = base.substr(0, size);
    // Equal, one byte changed anywhere, or cut at either end.
    for (size_t at = 0; at <= size; ++at) {
      std::string b = a;
      if (at < size) b[at] = static_cast<char>(b[at] ^ 0x80);
      for (const std::string& other : {b, a.substr(0, at), a.substr(at)}) {
        EXPECT_EQ(SharedStart(a, other), SlowSharedStart(a, other))
            << a << " / " << other;
        EXPECT_EQ(SharedStart(other, a), SlowSharedStart(a, other));
        EXPECT_EQ(SharedEnd(a, other, size), SlowSharedEnd(a, other))
            << a << " / " << other;
        EXPECT_EQ(SharedEnd(other, a, size), SlowSharedEnd(a, other));
      }
    }
  }
}

TEST(SharedBytesTest, SharedEndStopsAtTheLimit) {
  const std::string a = "qu'be'qu'be'qu'be'qu'be'";
  for (size_t most = 0; most <= a.size() + 1; ++most) {
    EXPECT_EQ(SharedEnd(a, "Qo'" + a, most), std::min(most, a.size()));
  }
}

}  // namespace
}  // namespace tesvar
