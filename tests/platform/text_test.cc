#include "platform/text.h"

#include <gtest/gtest.h>

#include <string>

namespace tesvar {
namespace {

TEST(TextTest, ReplaceIsLeftToRightAndNonOverlapping) {
  struct Case {
    std::string in;
    std::string_view from;
    std::string_view to;
    std::string out;
    int count;
  };
  const Case cases[] = {
      {"thath", "th", "tlh", "tlhatlh", 2},
      {"aaaa", "aa", "b", "bb", 2},
      {"aaa", "aa", "b", "ba", 1},
      {"abc", "x", "y", "abc", 0},
      {"abc", "", "y", "abc", 0},
      {"abab", "ab", "", "", 2},
      // A replacement that contains the pattern is not scanned again.
      {"th", "th", "tth", "tth", 1},
  };
  for (const Case& c : cases) {
    std::string s = c.in;
    EXPECT_EQ(Replace(&s, c.from, c.to), c.count) << c.in;
    EXPECT_EQ(s, c.out) << c.in;
  }
}

TEST(TextTest, InsertClampsItsIndex) {
  struct Case {
    std::string in;
    int index;
    std::string out;
  };
  const Case inserts[] = {
      {"(completed) ", 1, "(not completed) "},
      {"ab", 50, "abnot "},
      {"ab", 0, "not ab"},
      {"ab", -4, "not ab"},
      {"", 3, "not "},
  };
  for (const Case& c : inserts) {
    std::string s = c.in;
    Insert(&s, c.index, "not ");
    EXPECT_EQ(s, c.out) << c.in << " at " << c.index;
  }
}

TEST(TextTest, TrimRightRemovesTrailingWhiteSpaceOnly) {
  struct Case {
    std::string in;
    std::string out;
  };
  const Case cases[] = {
      {"I eat ", "I eat"},
      {" x \t\n\r\v\f", " x"},
      {"   ", ""},
      {"", ""},
      // A NUL byte is not white space.
      {std::string("a\0 ", 3), std::string("a\0", 2)},
  };
  for (const Case& c : cases) {
    std::string s = c.in;
    TrimRight(&s);
    EXPECT_EQ(s, c.out) << "[" << c.in << "]";
  }
}

// Trimming after a prefix that must stay, as when a sentence is appended
// to a buffer that already holds text.
TEST(TextTest, TrimRightKeepsItsPrefix) {
  struct Case {
    std::string in;
    size_t keep;
    std::string out;
  };
  const Case cases[] = {
      {"def: I eat  ", 5, "def: I eat"},
      {"def:    ", 5, "def: "},
      {"ab ", 9, "ab "},
  };
  for (const Case& c : cases) {
    std::string s = c.in;
    TrimRight(&s, c.keep);
    EXPECT_EQ(s, c.out) << "[" << c.in << "] keeping " << c.keep;
  }
}

TEST(TextTest, ConcatJoinsShortAndLongTexts) {
  const std::string long_part(200, 'x');
  EXPECT_EQ(Concat({}), "");
  EXPECT_EQ(Concat({"", "", ""}), "");
  EXPECT_EQ(Concat({"mu", "", "ngom", "moH"}), "mungommoH");
  EXPECT_EQ(Concat({std::string_view("a\0b", 3), "c"}),
            std::string("a\0bc", 4));
  // Longer than the stack buffer, with the boundary on either side.
  EXPECT_EQ(Concat({"<", long_part, ">"}), "<" + long_part + ">");
  EXPECT_EQ(Concat({std::string(128, 'y')}), std::string(128, 'y'));
  EXPECT_EQ(Concat({std::string(128, 'y'), "z"}), std::string(128, 'y') + "z");
}

TEST(TextTest, FormatFillsTextsAndIntegers) {
  EXPECT_EQ(Format("The noun suffix {%s} is type %i, and must precede {%s} "
                   "which is type %i.",
                   {"pu'", 2, "wI'", 4}),
            "The noun suffix {pu'} is type 2, and must precede {wI'} which "
            "is type 4.");
  EXPECT_EQ(Format("%i%%", {-7}), "-7%");
  EXPECT_EQ(Format("no directives", {}), "no directives");
  // Texts are copied byte for byte, NUL included.
  EXPECT_EQ(Format("{%s}", {std::string_view("a\0b", 3)}),
            std::string("{a\0b}", 5));
  // A directive without a matching argument is kept literally.
  EXPECT_EQ(Format("%s and %s", {"one"}), "one and %s");
  EXPECT_EQ(Format("%i", {"text"}), "%i");
  EXPECT_EQ(Format("trailing %", {}), "trailing %");
  EXPECT_EQ(Format("%d", {3}), "%d");
  // "%%" is one literal "%", never the start of a directive.
  EXPECT_EQ(Format("%%s, 100%% %s%", {"x"}), "%s, 100% x%");
}

}  // namespace
}  // namespace tesvar
