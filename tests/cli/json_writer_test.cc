#include "tools/json_writer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <string>

#include "words/parsed_word.h"

namespace tesvar {
namespace cli {
namespace {

// Escaping of every byte value is checked through the binary, in
// cli_limits_test.cc.
TEST(JsonWriterTest, ScoresReadBackAsTheSameDouble) {
  struct Case {
    double score;
    const char* json;
  };
  const Case cases[] = {
      {1.0, "1"},
      {1.0 / factor::kSpelling, "0.9090909090909091"},
      {1.0 / factor::kSpelling / factor::kThird, "0.30303030303030304"},
      {0.0, "0"},
      {std::numeric_limits<double>::infinity(), "null"},
  };
  for (const Case& c : cases) {
    std::string json;
    AppendJsonNumber(c.score, &json);
    EXPECT_EQ(c.json, json) << c.score;
    if (json != "null") {
      EXPECT_EQ(c.score, std::strtod(json.c_str(), nullptr)) << json;
    }
  }
}

}  // namespace
}  // namespace cli
}  // namespace tesvar
