#include "tools/json_writer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <string>

#include "words/parsed_word.h"

namespace tesvar {
namespace cli {
namespace {

std::string JsonString(std::string_view text) {
  std::string out;
  AppendJsonString(text, &out);
  return out;
}

TEST(JsonWriterTest, EscapesEveryByteThatIsNotPrintableAscii) {
  struct Case {
    std::string text;
    const char* json;
  };
  const Case cases[] = {
      {"", "\"\""},
      {" azAZ09'{}~", "\" azAZ09'{}~\""},
      {"say \"hi\"", "\"say \\\"hi\\\"\""},
      {"a\\b", "\"a\\\\b\""},
      {std::string("\0", 1), "\"\\u0000\""},
      {"\t\n\r\x1F", "\"\\u0009\\u000a\\u000d\\u001f\""},
      {"\x7F", "\"\\u007f\""},
      {"\x80\xC3\xA9\xFF", "\"\\u0080\\u00c3\\u00a9\\u00ff\""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.json, JsonString(c.text)) << c.text;
  }
  // Every byte by itself: printable ASCII is one byte, the rest six.
  for (int b = 0; b < 256; ++b) {
    const std::string json = JsonString(std::string(1, static_cast<char>(b)));
    const bool printable = b >= 0x20 && b <= 0x7E;
    const size_t escaped = (b == '"' || b == '\\') ? 2 : printable ? 1 : 6;
    EXPECT_EQ(escaped + 2, json.size()) << b;
  }
}

TEST(JsonWriterTest, ScoresReadBackAsTheSameDouble) {
  struct Case {
    double score;
    const char* json;
  };
  const Case cases[] = {
      {1.0, "1"},
      {1.0 / factor::kSpelling, "0.9090909090909091"},
      {1.0 / factor::kEighth / factor::kHalf, "0.0625"},
      {1.0 / factor::kQuarter / factor::kSlight, "0.16666666666666666"},
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

TEST(JsonWriterTest, WritesOneLinePerWord) {
  CParseResult flawless;
  flawless.m_strPOS = "ADV";
  flawless.m_strWord = "naQ";
  flawless.m_strKey = "k";
  flawless.m_strAnalysis = "quickly";
  flawless.m_dScore = 1.0;
  flawless.m_strNative = "naQ";
  CParseResult faulty = flawless;
  faulty.m_dScore = 1.0 / factor::kHalf;
  faulty.m_lstErrors = {"e1", "e2"};
  faulty.m_lstSuggestions = {"s"};

  struct Case {
    ParseResults results;
    bool native;
    const char* json;
  };
  const Case cases[] = {
      {{}, false, "{\"input\": \"in\", \"results\": []}\n"},
      {{flawless, faulty},
       false,
       "{\"input\": \"in\", \"results\": [{\"pos\": \"ADV\", \"word\": "
       "\"naQ\", \"key\": \"k\", \"analysis\": \"quickly\", \"score\": 1, "
       "\"errors\": [], \"suggestions\": []}, {\"pos\": \"ADV\", \"word\": "
       "\"naQ\", \"key\": \"k\", \"analysis\": \"quickly\", \"score\": 0.5, "
       "\"errors\": [\"e1\", \"e2\"], \"suggestions\": [\"s\"]}]}\n"},
      {{flawless},
       true,
       "{\"input\": \"in\", \"results\": [{\"pos\": \"ADV\", \"word\": "
       "\"naQ\", \"key\": \"k\", \"analysis\": \"quickly\", \"score\": 1, "
       "\"errors\": [], \"suggestions\": [], \"native\": \"naQ\"}]}\n"},
  };
  for (const Case& c : cases) {
    std::string json = "previous ";
    AppendJsonLine("in", c.results, c.native, &json);
    EXPECT_EQ(std::string("previous ") + c.json, json);
  }
}

}  // namespace
}  // namespace cli
}  // namespace tesvar
