// `tesvar parse --jobs N` gives exactly the output of one thread, in input
// order, overlong lines and their refusals included, also when the input
// fills the queue of words read ahead many times over and the answers
// waiting behind a slow word reach the bound on their bytes.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cli/cli_process.h"
#include "tools/line_reader.h"
#include "tools/parallel_answers.h"

namespace tesvar {
namespace {

using testing::CliRun;
using testing::RunCli;

// Words of every kind from the sample lexicon, misspelt and unknown ones,
// now and then a line over the limit, and a few words whose answers are
// hundreds of kilobytes long and take milliseconds (within the default
// work budget).
std::string MixedInput() {
  const std::vector<std::string> words = {
      "ghompu'wI'", "Dalpu'", "vIghIlbe'",      "yIwuqQo'",
      "romlaH'a'",  "mIy",    "vaghmaHDIch",    "DALMEY",
      "xyz",        "",       "tuvHa'ghachmey", "jItIn"};
  std::string slow = "Dal";
  for (int i = 0; i < 62; ++i) slow += "pu'";
  std::string input;
  for (int i = 0; i < 3000; ++i) {
    if (i % 97 == 5) {
      input += std::string(cli::kMaxLineBytes + 1, 'a');
    } else if (i % 400 == 10) {
      input += slow;
    } else {
      input += words[i % words.size()];
    }
    input += "\n";
  }
  return input;
}

TEST(CliJobsTest, SeveralThreadsAnswerLikeOne) {
  const std::string input = MixedInput();
  for (const std::vector<std::string>& mode :
       {std::vector<std::string>{"--json", "--native"},
        std::vector<std::string>{}}) {
    std::vector<std::string> one = {"parse"};
    one.insert(one.end(), mode.begin(), mode.end());
    std::vector<std::string> three = one;
    three.insert(three.end(), {"--jobs", "3"});
    const CliRun expected = RunCli(one, input);
    const CliRun actual = RunCli(three, input);
    EXPECT_EQ(expected.exit_status, 1);  // some lines were refused
    // What the input is meant to exercise.
    EXPECT_GT(std::count(input.begin(), input.end(), '\n'),
              2 * static_cast<long>(cli::kMaxQueuedWords));
    EXPECT_GT(expected.out.size(), 2 * cli::kMaxWaitingAnswerBytes);
    EXPECT_EQ(actual.exit_status, expected.exit_status);
    EXPECT_TRUE(actual.out == expected.out) << "outputs differ";
    EXPECT_EQ(actual.err, expected.err);
  }
}

TEST(CliJobsTest, RejectsBadThreadCounts) {
  for (const char* bad : {"0", "65", "two", "", "-1", "999999999999"}) {
    const CliRun run = RunCli({"parse", "--jobs", bad, "naQ"}, "");
    EXPECT_EQ(run.exit_status, 2) << bad;
    EXPECT_NE(run.err.find("--jobs"), std::string::npos) << bad;
  }
  EXPECT_EQ(RunCli({"parse", "--jobs=2", "naQ"}, "").exit_status, 0);
}

}  // namespace
}  // namespace tesvar
