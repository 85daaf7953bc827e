// SIGINT and SIGTERM end `tesvar parse` after the answer being written:
// whenever the signal comes, the output is a prefix of the full output
// that ends where an answer ends, and the exit status names the signal.

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "cli/cli_process.h"

namespace tesvar {
namespace {

using testing::CliRun;

// Cheap words of every kind, and now and then one that takes
// milliseconds, so that signals land in the parser as well as in writes.
std::string Input(int lines) {
  const std::vector<std::string> words = {
      "ghompu'wI'", "Dalpu'", "vIghIlbe'", "yIwuqQo'",      "romlaH'a'",
      "mIy",        "DALMEY", "xyz",       "tuvHa'ghachmey"};
  std::string slow = "Dal";
  for (int i = 0; i < 30; ++i) slow += "pu'";
  std::string input;
  for (int i = 0; i < lines; ++i) {
    input += i % 500 == 250 ? slow : words[i % words.size()];
    input += "\n";
  }
  return input;
}

// Where the answers of `output` end: after each line in JSON Lines, before
// each unindented line in the readable text.
std::set<size_t> AnswerEnds(const std::string& output, bool json) {
  std::set<size_t> ends = {0};
  for (size_t at = output.find('\n'); at != std::string::npos;
       at = output.find('\n', at + 1)) {
    if (json || at + 1 == output.size() || output[at + 1] != ' ') {
      ends.insert(at + 1);
    }
  }
  return ends;
}

TEST(CliSignalsTest, InterruptedRunsEndWithAWholeAnswer) {
  const std::string input = Input(3000);
  struct Mode {
    std::vector<std::string> args;
    bool json;
  };
  const Mode modes[] = {{{"parse", "--json"}, true},
                        {{"parse", "--json", "--jobs", "3"}, true},
                        {{"parse", "--native", "--jobs", "2"}, false},
                        {{"parse"}, false}};
  std::mt19937 random(7);
  int interrupted = 0;
  for (const Mode& mode : modes) {
    const auto start = std::chrono::steady_clock::now();
    const CliRun full = testing::RunCli(mode.args, input);
    const auto full_us = std::chrono::duration_cast<std::chrono::microseconds>(
                             std::chrono::steady_clock::now() - start)
                             .count();
    ASSERT_EQ(0, full.exit_status) << mode.args.size();
    const std::set<size_t> ends = AnswerEnds(full.out, mode.json);
    for (int run = 0; run < 20; ++run) {
      const int signo = run % 2 == 0 ? SIGINT : SIGTERM;
      // Within the first half of the full run's time, so that most signals
      // land while the run is still going even when the machine is busy.
      const int delay_us = static_cast<int>(random() % (full_us / 2 + 1));
      const CliRun cut =
          testing::RunCliInterrupted(mode.args, input, signo, delay_us);
      const std::string name = mode.args.back() + " run " +
                               std::to_string(run) + " after " +
                               std::to_string(delay_us) + " us";
      if (cut.exit_status == 0) {
        EXPECT_EQ(full.out, cut.out) << name;
        continue;
      }
      ++interrupted;
      EXPECT_EQ(128 + signo, cut.exit_status) << name;
      EXPECT_EQ(full.out.substr(0, cut.out.size()), cut.out) << name;
      EXPECT_EQ(1u, ends.count(cut.out.size()))
          << name << ": ends inside an answer at byte " << cut.out.size();
      EXPECT_EQ("", cut.err) << name;
    }
  }
  // Enough signals come while the run is still going for the checks above
  // to mean something.
  EXPECT_GT(interrupted, 20);
}

TEST(CliSignalsTest, InterruptsARunWaitingForInput) {
  for (const char* jobs : {"1", "2"}) {
    testing::CliProcess cli({"parse", "--json", "--jobs", jobs});
    cli.Write("naQ\n");
    EXPECT_NE("", cli.ReadLine(20000)) << jobs;
    cli.Signal(SIGINT);
    // The output ends when the program does; the input is still open.
    EXPECT_EQ("", cli.ReadLine(20000)) << jobs;
    EXPECT_EQ(128 + SIGINT, cli.Wait()) << jobs;
  }
}

}  // namespace
}  // namespace tesvar
