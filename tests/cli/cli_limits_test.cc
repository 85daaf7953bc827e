// The command line's bounds on words: lines and argument words longer than
// the limit, and words past the work budget, are refused in place, in both
// output modes, and the run goes on; both limits can be set or lifted; the
// line reader splits lines and keeps no more of a line than the limit.
// Also lines holding NUL and every other byte value.

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_process.h"
#include "tools/line_reader.h"

namespace tesvar {
namespace {

using testing::CliRun;
using testing::RunCli;

constexpr size_t kLimit = cli::kMaxLineBytes;

// A word of `length` bytes that is naQ once normalised: the answer is
// cheap to compute and shows that the word was analysed.
std::string NaqOfLength(size_t length) {
  return "naQ" + std::string(length - 3, '-');
}

// The refusal record of a word that starts like NaqOfLength's.
const char kJsonRefusal[] =
    "{\"input\": \"naQ-------------------------------------------------------"
    "------...\", \"error\": \"word longer than 256 bytes\"}\n";
const char kReadableRefusal[] =
    "naQ-------------------------------------------------------------...\n"
    "  refused: word longer than 256 bytes\n";

std::string JsonNaq(const std::string& input) {
  return "{\"input\": \"" + input +
         "\", \"results\": [{\"pos\": \"ADV\", \"word\": \"naQ\", \"key\": "
         "\"naQ:ADV\", \"analysis\": \"quickly\", \"score\": "
         "0.9090909090909091, \"errors\": [\"Spelling or case.\"], "
         "\"suggestions\": [\"naQ\"]}]}\n";
}

// The answer for "naQ" itself, a flawless reading.
const char kJsonNaqExact[] =
    "{\"input\": \"naQ\", \"results\": [{\"pos\": \"ADV\", \"word\": "
    "\"naQ\", \"key\": \"naQ:ADV\", \"analysis\": \"quickly\", \"score\": 1, "
    "\"errors\": [], \"suggestions\": []}]}\n";

TEST(CliLimitsTest, LineReaderCutsOverlongLines) {
  struct Line {
    std::string text;
    bool too_long;
    bool operator==(const Line& o) const {
      return text == o.text && too_long == o.too_long;
    }
  };
  struct Case {
    size_t limit;
    std::string input;
    std::vector<Line> lines;
  };
  const std::string chunkful(1024, 'c');
  const Case cases[] = {
      // Lines end at "\n", "\r\n" or the end of the input, where a last
      // "\r" goes too; any other "\r", NUL and high bytes are kept.
      {kLimit, "", {}},
      {kLimit, "a\r", {{"a", false}}},
      {kLimit, "a\r\r\n\r\n", {{"a\r", false}, {"", false}}},
      {kLimit,
       std::string("a\rb\0\n\xFF", 6),
       {{std::string("a\rb\0", 4), false}, {"\xFF", false}}},
      {4, "abcd\nabcde\nab", {{"abcd", false}, {"abcd", true}, {"ab", false}}},
      {4, "abcd\r\nabcde\r\n", {{"abcd", false}, {"abcd", true}}},
      {4, "abcd\r\r\n", {{"abcd", true}}},
      {4, "abcde", {{"abcd", true}}},
      {0, "\na\n\r\n", {{"", false}, {"", true}, {"", false}}},
      // Lines that end at, or just past, the reader's internal chunks.
      {2000,
       chunkful + "\n" + chunkful + "x\n",
       {{chunkful, false}, {chunkful + "x", false}}},
      {1024, chunkful + "\r\n", {{chunkful, false}}},
      {1023, chunkful + "\n", {{chunkful.substr(1), true}}},
      {kLimit,
       std::string(100000, 'z') + "\nnext",
       {{std::string(kLimit, 'z'), true}, {"next", false}}},
  };
  // Asking whether a line is ready (as a run does before each word, to
  // know when to flush) must not change the lines.
  for (const bool ask_ready : {false, true}) {
    for (const Case& c : cases) {
      std::istringstream in(c.input);
      cli::LineReader reader(&in, c.limit);
      std::vector<Line> lines;
      std::string line;
      for (;;) {
        if (ask_ready) reader.LineReady();
        if (!reader.Next(&line)) break;
        lines.push_back({line, reader.too_long()});
      }
      EXPECT_FALSE(reader.failed()) << c.input.substr(0, 20);
      EXPECT_FALSE(reader.Next(&line)) << "stays at the end";
      ASSERT_EQ(c.lines.size(), lines.size()) << c.input.substr(0, 20);
      for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_TRUE(c.lines[i] == lines[i])
            << c.limit << " " << c.input.substr(0, 20) << " line " << i
            << (ask_ready ? " (asked)" : "");
      }
    }
  }
}

TEST(CliLimitsTest, LineReaderHoldsOnlyTheLimit) {
  // A 16 MB line: the string handed out never grows past the limit plus
  // the "\r" allowance, so the rest was not kept.
  std::istringstream in(std::string(16 << 20, 'a') + "\nb\n");
  cli::LineReader reader(&in);
  std::string line;
  ASSERT_TRUE(reader.Next(&line));
  EXPECT_TRUE(reader.too_long());
  EXPECT_LE(line.capacity(), 2 * (kLimit + 1));
  ASSERT_TRUE(reader.Next(&line));
  EXPECT_EQ("b", line);
}

TEST(CliLimitsTest, OverlongWordsAreRefusedInPlace) {
  const std::string at_limit = NaqOfLength(kLimit);
  const std::string over = NaqOfLength(kLimit + 1);
  struct Case {
    const char* name;
    std::vector<std::string> args;
    std::string input;
    std::string out;
    std::string err;
  };
  const Case cases[] = {
      {"json lines",
       {"parse", "--json"},
       at_limit + "\n" + over + "\nnaQ\n" + at_limit + "\r\n",
       JsonNaq(at_limit) + kJsonRefusal + kJsonNaqExact + JsonNaq(at_limit),
       "tesvar: line 2: word longer than 256 bytes\n"},
      {"json, last line overlong and unterminated",
       {"parse", "--json"},
       over + "\n" + over,
       std::string(kJsonRefusal) + kJsonRefusal,
       "tesvar: line 1: word longer than 256 bytes\n"
       "tesvar: line 2: word longer than 256 bytes\n"},
      {"readable lines",
       {"parse"},
       over + "\nnaQ\n",
       std::string(kReadableRefusal) +
           "naQ\n  1. [ADV] quickly\n     word naQ, key naQ:ADV, score 1\n",
       "tesvar: line 1: word longer than 256 bytes\n"},
      {"json lines, parsers on two threads",
       {"parse", "--json", "--jobs", "2"},
       over + "\nnaQ\n" + over + "\n",
       kJsonRefusal + std::string(kJsonNaqExact) + kJsonRefusal,
       "tesvar: line 1: word longer than 256 bytes\n"
       "tesvar: line 3: word longer than 256 bytes\n"},
      {"argument words",
       {"parse", "--json", at_limit, over, "naQ"},
       "",
       JsonNaq(at_limit) + kJsonRefusal + kJsonNaqExact,
       "tesvar: argument 2: word longer than 256 bytes\n"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(c.args, c.input);
    EXPECT_EQ(1, run.exit_status) << c.name;
    EXPECT_EQ(c.out, run.out) << c.name;
    EXPECT_EQ(c.err, run.err) << c.name;
  }
  // Up to the limit, nothing is refused.
  const CliRun fine = RunCli({"parse", "--json"}, at_limit + "\n");
  EXPECT_EQ(0, fine.exit_status);
  EXPECT_EQ(JsonNaq(at_limit), fine.out);
}

TEST(CliLimitsTest, LimitsAreSettableAndTooComplexWordsAreRefused) {
  // A word within the length limit whose analysis needs far more than the
  // default work budget: a plural repeated until the limit.
  std::string costly = "Dal";
  while (costly.size() + 3 <= kLimit) costly += "pu'";
  const std::string json_costly =
      "{\"input\": \"" + costly + "\", \"error\": \"word too complex\"}\n";
  const std::string short_refusal =
      "{\"input\": \"naQ--------...\", \"error\": \"word longer than 10 "
      "bytes\"}\n";
  const std::string long_word = NaqOfLength(kLimit + 100);
  struct Case {
    const char* name;
    std::vector<std::string> args;
    std::string input;
    int exit_status;
    std::string out_start;  // the whole output, or its start for "..."
    std::string err;
  };
  const Case cases[] = {
      {"too complex, then the next word",
       {"parse", "--json", costly, "naQ"},
       "",
       1,
       json_costly + kJsonNaqExact,
       "tesvar: argument 1: word too complex\n"},
      {"too complex, readable",
       {"parse", costly},
       "",
       1,
       costly + "\n  refused: word too complex\n",
       "tesvar: argument 1: word too complex\n"},
      {"too complex, on two threads",
       {"parse", "--json", "--jobs", "2"},
       "naQ\n" + costly + "\n",
       1,
       kJsonNaqExact + json_costly,
       "tesvar: line 2: word too complex\n"},
      {"no work budget",
       {"parse", "--json", "--max-work", "0", costly},
       "",
       0,
       "{\"input\": \"" + costly + "\", \"results\": [{...",
       ""},
      {"a lower word limit",
       {"parse", "--json", "--max-word-bytes=10"},
       NaqOfLength(10) + "\n" + NaqOfLength(11) + "\n",
       1,
       JsonNaq(NaqOfLength(10)) + short_refusal,
       "tesvar: line 2: word longer than 10 bytes\n"},
      {"no word limit",
       {"parse", "--json", "--max-word-bytes", "0"},
       long_word + "\n",
       0,
       JsonNaq(long_word),
       ""},
      {"a bad limit",
       {"parse", "--max-work", "lots", "naQ"},
       "",
       2,
       "",
       "tesvar: option --max-work needs a number (0 for no limit), not "
       "'lots' (try 'tesvar --help')\n"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(c.args, c.input);
    EXPECT_EQ(c.exit_status, run.exit_status) << c.name;
    const size_t n = c.out_start.size();
    if (n > 3 && c.out_start.compare(n - 3, 3, "...") == 0) {
      EXPECT_EQ(c.out_start.substr(0, n - 3), run.out.substr(0, n - 3))
          << c.name;
    } else {
      EXPECT_EQ(c.out_start, run.out) << c.name;
    }
    EXPECT_EQ(c.err, run.err) << c.name;
  }
}

TEST(CliLimitsTest, EveryByteValueComesBack) {
  // Every byte but the line end, in one line and one argument; NUL bytes
  // can only come through standard input.
  std::string all;
  std::string json;
  std::string readable;
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    if (c == '\n') continue;
    all.push_back(c);
    char escaped[8];
    if (b == '"' || b == '\\') {
      json += {'\\', c};
    } else if (b >= 0x20 && b <= 0x7E) {
      json.push_back(c);
    } else {
      std::snprintf(escaped, sizeof(escaped), "\\u%04x", b);
      json += escaped;
    }
    // In this order, no byte of 0x80 or more starts a well-formed UTF-8
    // sequence, so each is escaped.
    if (b < 0x20 || b >= 0x7F) {
      std::snprintf(escaped, sizeof(escaped), "\\x%02X", b);
      readable += escaped;
    } else {
      readable.push_back(c);
    }
  }
  const std::string nul_word("na\0Q", 4);
  struct Case {
    const char* name;
    std::vector<std::string> args;
    std::string input;
    std::string out_start;
  };
  const Case cases[] = {
      {"json line", {"parse", "--json"}, all + "\n", "{\"input\": \"" + json},
      {"readable line", {"parse"}, all + "\n", readable + "\n"},
      {"json argument",
       {"parse", "--json", all.substr(1)},
       "",
       "{\"input\": \"" + json.substr(6)},
      {"nul in a line",
       {"parse", "--json"},
       nul_word + "\n",
       JsonNaq("na\\u0000Q")},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(c.args, c.input);
    EXPECT_EQ(0, run.exit_status) << c.name;
    EXPECT_EQ(c.out_start, run.out.substr(0, c.out_start.size())) << c.name;
    EXPECT_EQ("", run.err) << c.name;
  }
}

}  // namespace
}  // namespace tesvar
