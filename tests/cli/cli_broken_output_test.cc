// A reader that goes away (as `tesvar parse ... | head -1` does) and an
// output that cannot be written (a full disk) end the command line quietly
// with status 1 and one message, in the streaming mode and with argument
// words alike: no signal, no abort, nothing else on standard error.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_process.h"

namespace tesvar {
namespace {

using testing::CliRun;
using testing::Stdout;

constexpr char kWriteError[] = "tesvar: cannot write the output\n";

// Far more answers than a pipe holds, so that the writer is still busy
// when its reader leaves.
constexpr int kWords = 20000;

TEST(CliBrokenOutputTest, EndsQuietlyWithStatusOne) {
  std::string lines;
  std::vector<std::string> word_args = {"parse", "--json"};
  for (int i = 0; i < kWords; ++i) {
    lines += "naQ\n";
    word_args.push_back("naQ");
  }
  const std::string first =
      "{\"input\": \"naQ\", \"results\": [{\"pos\": \"ADV\", \"word\": "
      "\"naQ\", \"key\": \"naQ:ADV\", \"analysis\": \"quickly\", \"score\": "
      "1, \"errors\": [], \"suggestions\": []}]}\n";
  struct Case {
    const char* name;
    std::vector<std::string> args;
    std::string input;
    Stdout sink;
    std::string first_line;
  };
  const Case cases[] = {
      {"closed pipe, standard input",
       {"parse", "--json"},
       lines,
       Stdout::kFirstLine,
       first},
      {"closed pipe, argument words", word_args, "", Stdout::kFirstLine, first},
      {"closed pipe, readable output",
       {"parse"},
       lines,
       Stdout::kFirstLine,
       "naQ\n"},
      {"full disk, standard input",
       {"parse", "--json"},
       lines,
       Stdout::kFull,
       ""},
      {"full disk, argument words", word_args, "", Stdout::kFull, ""},
      {"closed pipe, parsers on two threads",
       {"parse", "--json", "--jobs", "2"},
       lines,
       Stdout::kFirstLine,
       first},
      {"full disk, parsers on two threads",
       {"parse", "--jobs", "2"},
       lines,
       Stdout::kFull,
       ""},
  };
  for (const Case& c : cases) {
    const CliRun run = testing::RunCli(c.args, c.input, c.sink);
    EXPECT_EQ(1, run.exit_status) << c.name;
    EXPECT_EQ(c.first_line, run.out) << c.name;
    EXPECT_EQ(kWriteError, run.err) << c.name;
  }
}

}  // namespace
}  // namespace tesvar
