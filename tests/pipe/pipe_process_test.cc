// The built binary as an ispell client starts it: each answer arrives
// before the next line is written.

#include <gtest/gtest.h>

#include <string>

#include "cli/cli_process.h"
#include "tesvar/version.h"

namespace tesvar {
namespace {

TEST(PipeProcessTest, AnswersEachLineBeforeTheNext) {
  constexpr int kTimeoutMs = 20000;
  testing::CliProcess cli({"-a", "-m", "-d", "tesvar", "-B"});
  EXPECT_EQ("@(#) International Ispell Version 3.2.06 (but really tesvar " +
                std::string(TESVAR_VERSION_STRING) + ")\n",
            cli.ReadLine(kTimeoutMs));
  cli.Write("%\n^DAT\n");
  EXPECT_EQ("& DAT 2 1: Dat, Dal\n", cli.ReadLine(kTimeoutMs));
  EXPECT_EQ("\n", cli.ReadLine(kTimeoutMs));
  cli.Write("!\n^Dat xyzzy\n");
  EXPECT_EQ("# xyzzy 5\n", cli.ReadLine(kTimeoutMs));
  EXPECT_EQ("\n", cli.ReadLine(kTimeoutMs));
  cli.CloseInput();
  EXPECT_EQ("", cli.ReadLine(kTimeoutMs));
  EXPECT_EQ(0, cli.Wait());
}

}  // namespace
}  // namespace tesvar
