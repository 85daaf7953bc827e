// Lexicon inputs that never end: a device of endless zero bytes and an
// endless pipe. `tesvar lexicon check` stops with a message and exit
// status 2 instead of reading until memory runs out.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "cli/cli_process.h"

namespace tesvar {
namespace {

TEST(CliLexiconInputTest, EndlessDeviceEndsWithAMessage) {
  const testing::CliRun run =
      testing::RunCli({"lexicon", "check", "/dev/zero"}, "");
  EXPECT_EQ(run.exit_status, 2);
  EXPECT_EQ(run.err,
            "/dev/zero:1: line longer than the limit of 1048576 bytes\n");
  EXPECT_EQ(run.out, "");
}

// Through the shell, as a user would type it.
TEST(CliLexiconInputTest, EndlessPipeEndsWithAMessage) {
  const std::string command = std::string("yes | '") + TESVAR_CLI_PATH +
                              "' lexicon check /dev/stdin 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[256];
  while (fgets(buffer, sizeof(buffer), pipe) != nullptr) output += buffer;
  const int status = pclose(pipe);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 2);
  EXPECT_EQ(output, "/dev/stdin:1: unknown column 'y'\n");
}

}  // namespace
}  // namespace tesvar
