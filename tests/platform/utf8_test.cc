// The edge-text rule at its boundaries: the first and last character of
// every sequence length, and the byte sequences that only look like UTF-8.

#include "tesvar/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace tesvar {
namespace {

TEST(Utf8Test, SequenceLengthsAtTheBoundaries) {
  struct Case {
    std::string bytes;
    size_t length;  // 0: not well-formed
    char32_t code_point;
  };
  const Case cases[] = {
      {"\x7F", 1, 0x7F},
      {"\xC2\x80", 2, 0x80},
      {"\xDF\xBF", 2, 0x7FF},
      {"\xE0\xA0\x80", 3, 0x800},
      {"\xED\x9F\xBF", 3, 0xD7FF},
      {"\xEE\x80\x80", 3, 0xE000},
      {"\xEF\xBF\xBF", 3, 0xFFFF},
      {"\xF0\x90\x80\x80", 4, 0x10000},
      {"\xF4\x8F\xBF\xBF", 4, 0x10FFFF},
      {"\xC1\xBF", 0, 0},          // overlong U+007F
      {"\xE0\x9F\xBF", 0, 0},      // overlong U+07FF
      {"\xF0\x8F\xBF\xBF", 0, 0},  // overlong U+FFFF
      {"\xED\xA0\x80", 0, 0},      // surrogate U+D800
      {"\xF4\x90\x80\x80", 0, 0},  // U+110000
      {"\xF5\x80\x80\x80", 0, 0},  // no such lead byte
      {"\x80", 0, 0},              // continuation first
      {"\xE2\x82", 0, 0},          // cut short
      {"\xE2\x28\xA1", 0, 0},      // a third byte that does not continue
      {std::string("\xC3\xA9rest"), 2, 0xE9},
  };
  for (const Case& c : cases) {
    char32_t code_point = 0;
    EXPECT_EQ(Utf8SequenceLength(c.bytes, &code_point), c.length) << c.bytes;
    if (c.length != 0) {
      EXPECT_EQ(code_point, c.code_point) << c.bytes;
    }
  }
  EXPECT_EQ(Utf8SequenceLength(""), 0u);
}

// Every byte survives: a byte of no well-formed sequence becomes the UTF-8
// of its Latin-1 character, and reading that back gives the byte again.
TEST(Utf8Test, AppendAsUtf8KeepsUtf8AndWidensEveryOtherByte) {
  std::string out;
  AppendAsUtf8("caf\xC3\xA9 caf\xE9 \xED\xA0\x80", &out);
  EXPECT_EQ(out, "caf\xC3\xA9 caf\xC3\xA9 \xC3\xAD\xC2\xA0\xC2\x80");
  for (int b = 0x80; b < 0x100; ++b) {
    std::string widened;
    AppendAsUtf8(std::string(1, static_cast<char>(b)), &widened);
    char32_t code_point = 0;
    ASSERT_EQ(Utf8SequenceLength(widened, &code_point), 2u) << b;
    EXPECT_EQ(code_point, static_cast<char32_t>(b));
  }
}

}  // namespace
}  // namespace tesvar
