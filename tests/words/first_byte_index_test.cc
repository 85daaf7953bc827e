// Packed loads of texts of every length, as the affix indexes compare
// them: the run-time load must give the constant packing byte for byte.

#include "words/first_byte_index.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace tesvar {
namespace {

TEST(FirstByteIndexTest, LoadsPackEveryLength) {
  // Bytes above 0x7f too, so that no sign extension goes unnoticed.
  const std::string text =
      "ab\xff"
      "cd\x80"
      "efghij'k";
  for (size_t from = 0; from < 3; ++from) {
    for (size_t n = 0; from + n <= text.size(); ++n) {
      const std::string_view part = std::string_view(text).substr(from, n);
      EXPECT_EQ(LoadPackedBytes(part), PackBytes(part))
          << "from " << from << ", " << n << " bytes";
    }
  }
  EXPECT_EQ(LoadPackedBytes("a'"), uint64_t{'a'} | uint64_t{'\''} << 8);
  EXPECT_EQ(LoadPackedBytes(std::string_view()), 0u);
}

}  // namespace
}  // namespace tesvar
