#include "tools/lsp/framing.h"

#include <gtest/gtest.h>

#include <ios>
#include <sstream>
#include <streambuf>
#include <string>

namespace tesvar {
namespace lsp {
namespace {

// Reads every message of `input`, each as "[body]" or as "<result: error>".
std::string ReadAll(const std::string& input, size_t limit = 100) {
  std::istringstream in(input);
  MessageReader reader(&in, limit);
  std::string out, body, error;
  for (;;) {
    switch (reader.Next(&body, &error)) {
      case ReadResult::kMessage:
        out += "[" + body + "]";
        continue;
      case ReadResult::kEnd:
        return out;
      case ReadResult::kTooLarge:
        out += "<too large: " + error + ">";
        continue;
      case ReadResult::kBroken:
        return out + "<broken: " + error + ">";
    }
  }
}

TEST(FramingTest, ReadsMessages) {
  const struct {
    std::string in;
    std::string out;
  } cases[] = {
      {"", ""},
      {"Content-Length: 2\r\n\r\n{}Content-Length: 3\r\n\r\n[1]", "[{}][[1]]"},
      // Any case, any order, other headers ignored, blanks around values.
      {"content-type: application/vscode-jsonrpc; charset=utf-8\r\n"
       "CONTENT-LENGTH:  4 \r\n\r\nnull",
       "[null]"},
      {"Content-Length: 0\r\n\r\n", "[]"},
      {"Content-Length: 2\n\n{}", "[{}]"},  // bare line feeds
      // The body is bytes: line ends in it are no headers.
      {"Content-Length: 5\r\n\r\n\r\n\r\n\r", "[\r\n\r\n\r]"},
      {"Content-Length: 3\r\n\r\n{}", "<broken: input ended inside a message>"},
      {"Content-Length: 2\r\n", "<broken: input ended inside a header>"},
      {"\r\n{}", "<broken: message without a Content-Length header>"},
      {"Content-Length: x\r\n\r\n", "<broken: bad Content-Length header>"},
      {"Content-Length: -1\r\n\r\n", "<broken: bad Content-Length header>"},
      {"Content-Length: 99999999999999999999999\r\n\r\n",
       "<broken: bad Content-Length header>"},
      {"Content-Length: 1\r\nContent-Length: 1\r\n\r\nx",
       "<broken: bad Content-Length header>"},
      {"Content-Length 2\r\n\r\n{}", "<broken: header line without ':'>"},
      {"X-Long: " + std::string(kMaxHeaderLineBytes, 'a') + "\r\n\r\n",
       "<broken: header line longer than 1024 bytes>"},
  };
  for (const auto& row : cases) {
    EXPECT_EQ(ReadAll(row.in), row.out) << row.in;
  }
}

TEST(FramingTest, SkipsTooLargeMessagesAndGoesOn) {
  const std::string big(101, 'x');
  EXPECT_EQ(ReadAll("Content-Length: 101\r\n\r\n" + big +
                    "Content-Length: 2\r\n\r\n{}"),
            "<too large: message of 101 bytes skipped: the limit is 100>[{}]");
  EXPECT_EQ(ReadAll("Content-Length: 101\r\n\r\nxx"),
            "<broken: input ended inside a message>");
}

// A file stream's buffer throws when a read fails, as it does for
// standard input on a directory; the reader reports that as a broken
// stream instead of ending the program.
TEST(FramingTest, AFailedReadIsABrokenStream) {
  struct FailingBuffer : std::streambuf {
    int_type underflow() override {
      throw std::ios_base::failure("read error");
    }
  } buffer;
  std::istream in(&buffer);
  MessageReader reader(&in);
  std::string body = "stale", error;
  EXPECT_EQ(reader.Next(&body, &error), ReadResult::kBroken);
  EXPECT_EQ(error, "cannot read the input");
  EXPECT_TRUE(body.empty());
}

TEST(FramingTest, WritesWhatItReads) {
  std::ostringstream out;
  ASSERT_TRUE(WriteMessage("{\"a\":\"\xC3\xA9\"}", &out));
  ASSERT_TRUE(WriteMessage("", &out));
  EXPECT_EQ(out.str(),
            "Content-Length: 10\r\n\r\n{\"a\":\"\xC3\xA9\"}"
            "Content-Length: 0\r\n\r\n");
  EXPECT_EQ(ReadAll(out.str()), "[{\"a\":\"\xC3\xA9\"}][]");
}

}  // namespace
}  // namespace lsp
}  // namespace tesvar
