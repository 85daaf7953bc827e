#include "platform/text.h"

#include <gtest/gtest.h>

#include <string>

namespace tesvar {
namespace {

TEST(TextTest, LeftAndRightClampToTheString) {
  struct Case {
    std::string_view s;
    int n;
    std::string_view left;
    std::string_view right;
  };
  const Case cases[] = {
      {"tlhIngan", 0, "", ""},
      {"tlhIngan", -3, "", ""},
      {"tlhIngan", 3, "tlh", "gan"},
      {"tlhIngan", 99, "tlhIngan", "tlhIngan"},
      {"", 2, "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Left(c.s, c.n), c.left) << c.s << " " << c.n;
    EXPECT_EQ(Right(c.s, c.n), c.right) << c.s << " " << c.n;
  }
}

TEST(TextTest, FindReportsMinusOneWhenAbsentAndFindsEmptyAtZero) {
  EXPECT_EQ(Find("qaStaH", "taH"), 3);
  EXPECT_EQ(Find("qaStaH", "tah"), -1);  // case-sensitive
  EXPECT_EQ(Find("qaStaH", ""), 0);
  EXPECT_EQ(Find("", ""), 0);
  EXPECT_EQ(Find("", "a"), -1);
  EXPECT_EQ(Find("be'be'", "be'"), 0);

  EXPECT_EQ(FindChar("a'b'c", '\'', 0), 1);
  EXPECT_EQ(FindChar("a'b'c", '\'', 2), 3);
  EXPECT_EQ(FindChar("a'b'c", '\'', 4), -1);
  EXPECT_EQ(FindChar("a'b'c", '\'', 5), -1);
  EXPECT_EQ(FindChar("a'b'c", '\'', -1), -1);
}

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

TEST(TextTest, InsertAndDeleteClampTheirIndex) {
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

  struct DeleteCase {
    std::string in;
    int index;
    int count;
    std::string out;
  };
  const DeleteCase deletes[] = {
      {"be big", 0, 3, "big"}, {"abc", 1, 1, "ac"},  {"abc", 1, 99, "a"},
      {"abc", 3, 1, "abc"},    {"abc", 9, 1, "abc"}, {"abc", 0, 0, "abc"},
      {"abc", 0, -2, "abc"},   {"abc", -1, 1, "bc"},
  };
  for (const DeleteCase& c : deletes) {
    std::string s = c.in;
    Delete(&s, c.index, c.count);
    EXPECT_EQ(s, c.out) << c.in << " " << c.index << " " << c.count;
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
}

}  // namespace
}  // namespace tesvar
