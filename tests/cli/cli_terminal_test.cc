// What the command line does only on a terminal, seen through a
// pseudo-terminal: colours when standard output is one, a hint when words
// are typed, and a progress line on standard error during a long run into
// a file or pipe, never in the output itself.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "cli/cli_process.h"

namespace tesvar {
namespace {

using testing::TempFile;

// Which standard stream is the terminal.
enum class On { kIn, kOut, kErr };

struct TerminalRun {
  int exit_status = -1;
  std::string out;       // standard output, unless it is the terminal
  std::string err;       // standard error, unless it is the terminal
  std::string terminal;  // what the terminal showed, without "\r"
};

struct Setup {
  std::vector<std::string> args;
  On terminal;
  std::string input;  // a file on standard input, or typed on the terminal
  std::vector<std::string> env;  // NAME=VALUE, or NAME alone to unset
  // Standard output is a pipe read this many bytes at a time, with a pause
  // between reads, so that a run lasts as long as the reader makes it.
  size_t slow_read_bytes = 0;
};

void ReadAvailable(int fd, std::string* into, size_t at_most) {
  char buffer[4096];
  while (at_most > 0) {
    pollfd ready = {fd, POLLIN, 0};
    if (poll(&ready, 1, 0) != 1) return;
    const ssize_t n = read(fd, buffer, std::min(sizeof(buffer), at_most));
    if (n <= 0) return;
    into->append(buffer, static_cast<size_t>(n));
    at_most -= static_cast<size_t>(n);
  }
}

TerminalRun RunOnTerminal(const Setup& setup) {
  const int master = posix_openpt(O_RDWR | O_NOCTTY);
  grantpt(master);
  unlockpt(master);
  const std::string slave_name = ptsname(master);
  const TempFile in(setup.terminal == On::kIn ? "" : setup.input);
  const TempFile out(""), err("");
  int out_pipe[2];
  if (pipe(out_pipe) != 0) std::abort();
  const pid_t pid = fork();
  if (pid == 0) {
    setsid();
    const int slave = open(slave_name.c_str(), O_RDWR);
    const int files[3] = {open(in.path().c_str(), O_RDONLY),
                          setup.slow_read_bytes > 0
                              ? out_pipe[1]
                              : open(out.path().c_str(), O_WRONLY),
                          open(err.path().c_str(), O_WRONLY)};
    for (int fd = 0; fd < 3; ++fd) {
      dup2(fd == static_cast<int>(setup.terminal) ? slave : files[fd], fd);
    }
    for (const std::string& var : setup.env) {
      const size_t equals = var.find('=');
      if (equals == std::string::npos) {
        unsetenv(var.c_str());
      } else {
        setenv(var.substr(0, equals).c_str(), var.c_str() + equals + 1, 1);
      }
    }
    signal(SIGINT, SIG_DFL);
    std::vector<char*> argv = {const_cast<char*>(TESVAR_CLI_PATH)};
    for (const std::string& arg : setup.args) {
      argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    execv(TESVAR_CLI_PATH, argv.data());
    _exit(127);
  }
  close(out_pipe[1]);
  TerminalRun run;
  if (setup.terminal == On::kIn) {
    // Typed, then Ctrl-D at the start of a line.
    const std::string typed = setup.input + "\x04";
    (void)!write(master, typed.data(), typed.size());
  }
  int wait_status = 0;
  for (;;) {
    ReadAvailable(master, &run.terminal, SIZE_MAX);
    if (setup.slow_read_bytes > 0) {
      ReadAvailable(out_pipe[0], &run.out, setup.slow_read_bytes);
    }
    if (waitpid(pid, &wait_status, WNOHANG) == pid) break;
    usleep(setup.slow_read_bytes > 0 ? 20000 : 1000);
  }
  ReadAvailable(master, &run.terminal, SIZE_MAX);
  ReadAvailable(out_pipe[0], &run.out, SIZE_MAX);
  close(out_pipe[0]);
  close(master);
  run.exit_status = WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : -1;
  if (setup.slow_read_bytes == 0) run.out += testing::ReadFile(out.path());
  run.err = testing::ReadFile(err.path());
  std::string shown;
  for (char c : run.terminal) {
    if (c != '\r') shown.push_back(c);
  }
  run.terminal = shown;
  return run;
}

constexpr char kLabel[] = "\x1b[1;36m[N]\x1b[0m";
constexpr char kError[] = "\x1b[31mSpelling or case.\x1b[0m";
constexpr char kSuggestion[] = "\x1b[32mDalmey\x1b[0m";

TEST(CliTerminalTest, ColoursOnATerminalUnlessAskedNotTo) {
  struct Case {
    const char* name;
    std::vector<std::string> args;
    std::vector<std::string> env;
    bool coloured;
  };
  const Case cases[] = {
      {"terminal", {"parse", "DALMEY"}, {"NO_COLOR", "TERM=xterm"}, true},
      {"NO_COLOR", {"parse", "DALMEY"}, {"NO_COLOR=1", "TERM=xterm"}, false},
      {"empty NO_COLOR",
       {"parse", "DALMEY"},
       {"NO_COLOR=", "TERM=xterm"},
       true},
      {"dumb terminal", {"parse", "DALMEY"}, {"NO_COLOR", "TERM=dumb"}, false},
      {"--color=never",
       {"parse", "--color=never", "DALMEY"},
       {"NO_COLOR"},
       false},
      {"--color beats NO_COLOR",
       {"parse", "--color", "DALMEY"},
       {"NO_COLOR=1"},
       true},
      {"JSON is never coloured",
       {"parse", "--json", "DALMEY"},
       {"NO_COLOR"},
       false},
  };
  for (const Case& c : cases) {
    const TerminalRun run = RunOnTerminal({c.args, On::kOut, "", c.env});
    EXPECT_EQ(0, run.exit_status) << c.name;
    const bool coloured = run.terminal.find(kLabel) != std::string::npos &&
                          run.terminal.find(kError) != std::string::npos &&
                          run.terminal.find(kSuggestion) != std::string::npos;
    EXPECT_EQ(c.coloured, coloured) << c.name << "\n" << run.terminal;
    if (!c.coloured) {
      EXPECT_EQ(std::string::npos, run.terminal.find('\x1b')) << c.name;
    }
  }
  // Asked for, colours also go into a file.
  const testing::CliRun forced =
      testing::RunCli({"parse", "--color=always", "DALMEY"}, "");
  EXPECT_NE(std::string::npos, forced.out.find(kLabel)) << forced.out;
}

TEST(CliTerminalTest, HintsWhenWordsAreTyped) {
  const std::string hint =
      "tesvar: type one word per line, Ctrl-D to end (built-in sample, 44 "
      "entries)\n";
  const TerminalRun typed =
      RunOnTerminal({{"parse", "--json"}, On::kIn, "naQ\n", {}});
  EXPECT_EQ(0, typed.exit_status);
  EXPECT_EQ(hint, typed.err);
  EXPECT_EQ(0u, typed.out.find("{\"input\": \"naQ\"")) << typed.out;
  const TerminalRun quiet =
      RunOnTerminal({{"parse", "--quiet", "--json"}, On::kIn, "naQ\n", {}});
  EXPECT_EQ("", quiet.err);
  EXPECT_EQ(typed.out, quiet.out);
}

TEST(CliTerminalTest, ShowsProgressOfALongRunOnStandardError) {
  std::string input;
  for (int i = 0; i < 12000; ++i) input += "naQ\n";
  const std::string expected = testing::RunCli({"parse", "--json"}, input).out;
  // About 1.6 MB at 16 KB every 20 ms: two seconds.
  const TerminalRun run =
      RunOnTerminal({{"parse", "--json"}, On::kErr, input, {}, 16 << 10});
  EXPECT_EQ(0, run.exit_status);
  EXPECT_TRUE(run.out == expected) << "the output holds no progress";
  // "\x1b[K" erases the line before each redraw and at the end.
  const std::string erase = "\x1b[K";
  EXPECT_NE(std::string::npos, run.terminal.find(erase + "tesvar: "))
      << run.terminal;
  EXPECT_NE(std::string::npos, run.terminal.find(" words/s, ")) << run.terminal;
  EXPECT_NE(std::string::npos, run.terminal.find("%, ")) << run.terminal;
  EXPECT_NE(std::string::npos, run.terminal.find(" left")) << run.terminal;
  ASSERT_GE(run.terminal.size(), erase.size());
  EXPECT_EQ(erase, run.terminal.substr(run.terminal.size() - erase.size()))
      << "the line is cleared at the end";

  const TerminalRun quiet = RunOnTerminal(
      {{"parse", "--json", "--quiet"}, On::kErr, input, {}, 16 << 10});
  EXPECT_EQ("", quiet.terminal);
  EXPECT_TRUE(quiet.out == expected);
}

}  // namespace
}  // namespace tesvar
