#include "tools/lsp/json.h"

#include <gtest/gtest.h>

#include <string>

#include "tools/lsp/uri.h"

namespace tesvar {
namespace lsp {
namespace {

// Text that reads, and the compact text it writes back as.
TEST(JsonTest, ReadsAndWritesBack) {
  const struct {
    std::string in;
    std::string out;
  } cases[] = {
      {R"( {"a" : [1, -2.5, 1e3, true, false, null], "b": {}} )",
       R"({"a":[1,-2.5,1000,true,false,null],"b":{}})"},
      {R"({"z":1,"a":2})", R"({"z":1,"a":2})"},  // member order kept
      {R"("tab\t nl\n quote\" back\\ slash\/")",
       R"("tab\t nl\n quote\" back\\ slash/")"},
      {R"("\u0001\u001f")", R"("\u0001\u001f")"},
      {R"("\u00e9\u2019")", "\"\xC3\xA9\xE2\x80\x99\""},
      {R"("\ud83d\ude00")", "\"\xF0\x9F\x98\x80\""},  // a surrogate pair
      // Lone surrogates stand for U+FFFD; the next escape stands alone.
      {R"("\ud83d\u0041 \ude00")",
       "\"\xEF\xBF\xBD"
       "A \xEF\xBF\xBD\""},
      {"\"\xF0\x9F\x98\x80 \xC3\xA9\"", "\"\xF0\x9F\x98\x80 \xC3\xA9\""},
      {"0.1", "0.1"},
      {"-0", "0"},
      {"9007199254740993", "9007199254740992"},  // nearest double
      {"1e300", "1e+300"},
      {"[[[]]]", "[[[]]]"},
  };
  for (const auto& row : cases) {
    Json value;
    const Status status = ReadJson(row.in, &value);
    ASSERT_TRUE(status.ok()) << row.in << ": " << status.message();
    EXPECT_EQ(WriteJson(value), row.out) << row.in;
    Json again;
    ASSERT_TRUE(ReadJson(WriteJson(value), &again).ok()) << row.in;
    EXPECT_EQ(again, value) << row.in;
  }
}

TEST(JsonTest, RefusesWhatIsNotStrictJson) {
  const std::string deep(kMaxJsonDepth + 2, '[');
  const struct {
    std::string in;
    std::string error;
  } cases[] = {
      {"", "JSON at byte 0: unexpected character"},
      {"{\"a\":1,}", "expected a member name"},
      {"[1,]", "unexpected character"},
      {"[1 2]", "expected ',' or ']'"},
      {"{\"a\" 1}", "expected ':'"},
      {"{\"a\":1,\"a\":2}", "repeated member name"},
      {"01", "unexpected text after the value"},
      {"1.", "expected a digit after '.'"},
      {"1e", "expected a digit in the exponent"},
      {"-", "expected a digit"},
      {".5", "unexpected character"},
      {"1e400", "number out of range"},
      {"NaN", "unexpected character"},
      {"tru", "unexpected character"},
      {"\"abc", "unterminated string"},
      {"\"a\nb\"", "control character in string"},
      {"\"\\x\"", "bad escape"},
      {"\"\\u12g4\"", "bad hex digit"},
      {"\"\\u12\"", "cut \\u escape"},
      {"\"\xC3\"", "invalid UTF-8"},
      {"\"\xC0\xAF\"", "invalid UTF-8"},          // overlong '/'
      {"\"\xED\xA0\x80\"", "invalid UTF-8"},      // a surrogate
      {"\"\xF4\x90\x80\x80\"", "invalid UTF-8"},  // past U+10FFFF
      {"{} {}", "unexpected text after the value"},
      {deep, "nested too deeply"},
  };
  for (const auto& row : cases) {
    Json value;
    const Status status = ReadJson(row.in, &value);
    ASSERT_FALSE(status.ok()) << row.in;
    EXPECT_NE(status.message().find(row.error), std::string::npos)
        << row.in << ": " << status.message();
  }
}

TEST(JsonTest, WritesBytesThatAreNotUtf8AsLatin1) {
  // A lexicon in an 8-bit encoding still reaches the client readable.
  EXPECT_EQ(WriteJson(Json("caf\xE9 \xC3\xA9 \xFF\x7F")),
            "\"caf\\u00e9 \xC3\xA9 \\u00ff\x7F\"");
  EXPECT_EQ(WriteJson(Json("\xF0\x9F\x98")), "\"\\u00f0\\u009f\\u0098\"");
}

TEST(JsonTest, BuildsObjectsAndFindsMembers) {
  Json object = Json::Object().Set("a", 1).Set("b", "x").Set("a", 2);
  EXPECT_EQ(WriteJson(object), R"({"a":2,"b":"x"})");
  ASSERT_NE(Member(&object, "b"), nullptr);
  EXPECT_EQ(Member(&object, "b")->string(), "x");
  EXPECT_EQ(Member(Member(&object, "b"), "c"), nullptr);
  EXPECT_EQ(Member(nullptr, "a"), nullptr);
  EXPECT_EQ(WriteJson(Json(0.1 + 0.2)), "0.30000000000000004");
  EXPECT_EQ(WriteJson(Json(1.0 / 0.0)), "null");
}

TEST(UriTest, PathOfFileUris) {
  const struct {
    const char* uri;
    const char* path;
  } cases[] = {
      {"file:///home/a%20b/c.tsv", "/home/a b/c.tsv"},
      {"file://localhost/x", "/x"},
      {"file:///%E2%80%99", "/\xE2\x80\x99"},
      {"file://server/x", ""},
      {"file:///bad%2", ""},
      {"file:///bad%zz", ""},
      {"https://example.org/x", ""},
      {"file:", ""},
  };
  for (const auto& row : cases) {
    EXPECT_EQ(PathOfUri(row.uri), row.path) << row.uri;
  }
}

}  // namespace
}  // namespace lsp
}  // namespace tesvar
