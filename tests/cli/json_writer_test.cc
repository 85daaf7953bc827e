#include "tools/json_writer.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>
#include <limits>
#include <string>

#include "tools/readable_writer.h"
#include "words/parsed_word.h"

namespace tesvar {
namespace cli {
namespace {

// Escaping of every single byte value is checked through the binary, in
// cli_limits_test.cc; here, the sequences that make up UTF-8 and those
// that only look like it.
TEST(JsonWriterTest, WellFormedUtf8StaysAndEveryOtherByteIsEscaped) {
  struct Case {
    const char* name;
    std::string text;
    std::string json;
    std::string readable;
  };
  const Case cases[] = {
      {"two bytes", "caf\xc3\xa9", "\"caf\xc3\xa9\"", "caf\xc3\xa9"},
      {"three bytes",
       "\xe2\x82\xac"
       "5",
       "\"\xe2\x82\xac"
       "5\"",
       "\xe2\x82\xac"
       "5"},
      {"four bytes", "\xf0\x9f\x98\x80", "\"\xf0\x9f\x98\x80\"",
       "\xf0\x9f\x98\x80"},
      {"latin-1", "caf\xe9", "\"caf\\u00e9\"", "caf\\xE9"},
      {"overlong", "\xc0\xaf", "\"\\u00c0\\u00af\"", "\\xC0\\xAF"},
      {"overlong three", "\xe0\x80\xaf", "\"\\u00e0\\u0080\\u00af\"",
       "\\xE0\\x80\\xAF"},
      {"surrogate", "\xed\xa0\x80", "\"\\u00ed\\u00a0\\u0080\"",
       "\\xED\\xA0\\x80"},
      {"past U+10FFFF", "\xf4\x90\x80\x80", "\"\\u00f4\\u0090\\u0080\\u0080\"",
       "\\xF4\\x90\\x80\\x80"},
      {"cut short", "\xe2\x82", "\"\\u00e2\\u0082\"", "\\xE2\\x82"},
      {"lone continuation",
       "a\x80"
       "b",
       "\"a\\u0080b\"", "a\\x80b"},
      {"mixed", "\xc3\xa9\xe9", "\"\xc3\xa9\\u00e9\"", "\xc3\xa9\\xE9"},
      {"controls", "\t\x7f\"\\", "\"\\u0009\\u007f\\\"\\\\\"",
       "\\x09\\x7F\"\\"},
  };
  for (const Case& c : cases) {
    std::string json;
    AppendJsonString(c.text, &json);
    EXPECT_EQ(json, c.json) << c.name;
    std::string readable;
    AppendVisible(c.text, &readable);
    EXPECT_EQ(readable, c.readable) << c.name;
  }
}

// Plain text is judged several bytes at a time, with a short text's end
// read again as the chunk that ends it; a byte to escape must be found
// wherever it falls, in texts of every length around the chunk sizes.
TEST(JsonWriterTest, EscapesAByteAtAnyPlaceInTextsOfAnyLength) {
  const struct {
    char byte;
    const char* escaped;
  } specials[] = {{'"', "\\\""},       {'\\', "\\\\"},      {'\x01', "\\u0001"},
                  {'\x1f', "\\u001f"}, {'\x7f', "\\u007f"}, {'\x80', "\\u0080"},
                  {'\xff', "\\u00ff"}};
  for (size_t size = 1; size <= 40; ++size) {
    const std::string plain(size, 'q');
    std::string json;
    AppendJsonString(plain, &json);
    EXPECT_EQ(json, "\"" + plain + "\"");
    for (size_t at = 0; at < size; ++at) {
      for (const auto& special : specials) {
        std::string text = plain;
        text[at] = special.byte;
        // Its neighbours are the lowest and the highest plain bytes.
        if (at > 0) text[at - 1] = ' ';
        if (at + 1 < size) text[at + 1] = '~';
        std::string expected = "\"" + text.substr(0, at) + special.escaped +
                               text.substr(at + 1) + "\"";
        json.clear();
        AppendJsonString(text, &json);
        EXPECT_EQ(json, expected) << "size " << size << " at " << at;
      }
    }
  }
}

TEST(JsonWriterTest, WholeScoresAreWrittenAsTheShortestFormWritesThem) {
  for (int n = 0; n <= 100000; ++n) {
    char shortest[32];
    const auto value = static_cast<double>(n);
    char* end = std::to_chars(shortest, shortest + 32, value).ptr;
    std::string json;
    AppendJsonNumber(value, &json);
    EXPECT_EQ(json, std::string(shortest, static_cast<size_t>(end - shortest)))
        << n;
  }
  std::string json;
  AppendJsonNumber(-0.0, &json);
  EXPECT_EQ(json, "-0");
}

// Short decimals have their own path; it must agree with the shortest
// form everywhere, including where fixed and exponent notation are the
// same length (0.001) and where more decimals are needed than it tries.
TEST(JsonWriterTest, FractionsAreWrittenAsTheShortestFormWritesThem) {
  const auto expect_shortest = [](double value) {
    char shortest[32];
    char* end = std::to_chars(shortest, shortest + 32, value).ptr;
    std::string json;
    AppendJsonNumber(value, &json);
    EXPECT_EQ(json, std::string(shortest, static_cast<size_t>(end - shortest)))
        << value;
  };
  for (int n = 1; n <= 20000; ++n) {
    for (const double divisor : {8.0, 10.0, 1e3, 1e4, 1e6, 1e7, 3.0, 1.1}) {
      expect_shortest(n / divisor);
    }
  }
  for (const double value :
       {0.001, 0.0009, 0.0015, 9999.999999, 9999.5, 0.30000000000000004, 1e-6,
        0.1 + 0.7, 0.00390625, 0.00000001, 1234.56789012, 1.0 / 1.1 / 1.1}) {
    expect_shortest(value);
  }
  // The scores the writer knows by heart.
  for (const char* text :
       {"0.9090909090909091", "0.45454545454545453", "0.6666666666666666",
        "0.3333333333333333", "0.1111111111111111", "0.16666666666666666",
        "0.08333333333333333", "0.303030303030303", "0.606060606060606",
        "0.22727272727272727"}) {
    expect_shortest(std::strtod(text, nullptr));
  }
}

// A line makes its room once, for its texts unescaped; every escape must
// make room for itself without eating into the room of what follows,
// however many there are and wherever they fall, and earlier lines in the
// buffer must stay as they were.
TEST(JsonWriterTest, LinesWithManyEscapesAreWrittenWhole) {
  const std::string nasty = "\x01\"\\\x7f\xff";
  const auto quoted = [](std::string_view text) {
    std::string json;
    AppendJsonString(text, &json);
    return json;
  };
  for (size_t repeat : {1, 5, 40}) {
    std::string field;
    for (size_t i = 0; i < repeat; ++i) field += nasty + "ab";
    CParseResult r;
    r.m_strPOS = field;
    r.m_strWord = field;
    r.m_strKey = field;
    r.m_strAnalysis = field;
    r.m_dScore = 0.5;
    r.m_lstErrors = {field, field};
    r.m_lstSuggestions = {field};
    r.m_strNative = field;
    const std::string q = quoted(field);
    const std::string record =
        "{\"pos\": " + q + ", \"word\": " + q + ", \"key\": " + q +
        ", \"analysis\": " + q + ", \"score\": 0.5, \"errors\": [" + q + ", " +
        q + "], \"suggestions\": [" + q + "], \"native\": " + q + "}";
    std::string json = "earlier line\n";
    AppendJsonLine(field, {r, r}, true, &json);
    EXPECT_EQ(json, "earlier line\n{\"input\": " + q + ", \"results\": [" +
                        record + ", " + record + "]}\n")
        << repeat;
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
