#include "tools/line_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace tesvar {
namespace cli {
namespace {

std::vector<std::string> ReadLines(const std::string& input) {
  std::istringstream in(input);
  LineReader reader(&in);
  std::vector<std::string> lines;
  std::string line;
  while (reader.Next(&line)) lines.push_back(line);
  EXPECT_FALSE(reader.failed()) << input;
  EXPECT_FALSE(reader.Next(&line)) << input;  // stays at the end
  return lines;
}

TEST(LineReaderTest, SplitsLines) {
  using Lines = std::vector<std::string>;
  struct Case {
    std::string input;
    Lines lines;
  };
  const Case cases[] = {
      {"", {}},
      {"\n", {""}},
      {"a", {"a"}},
      {"a\n", {"a"}},
      {"a\nb", {"a", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\r", {"a"}},
      {"\r\n\n", {"", ""}},
      {"a\r\r\n", {"a\r"}},
      {"a\rb\n", {"a\rb"}},
      {std::string("a\0b\n\xFF", 5), {std::string("a\0b", 3), "\xFF"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.lines, ReadLines(c.input)) << c.input;
  }
}

}  // namespace
}  // namespace cli
}  // namespace tesvar
