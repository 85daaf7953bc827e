// A reader that goes away (as `tesvar parse ... | head -1` does) and an
// output that cannot be written (a full disk) end the command line quietly
// with status 1 and one message, in the streaming mode and with argument
// words alike: no signal, no abort, nothing else on standard error.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tesvar {
namespace {

constexpr const char* kCliPath = TESVAR_CLI_PATH;
constexpr char kWriteError[] = "tesvar: cannot write the output\n";

// Far more answers than a pipe holds, so that the writer is still busy
// when its reader leaves.
constexpr int kWords = 20000;

struct Ended {
  int exit_status = -1;  // 128 + signal number when killed by a signal
  std::string first_line;
  std::string err;
};

enum class Sink { kReaderLeavesAfterOneLine, kDevFull };

// Runs the binary with `args`, standard input from `input`, standard
// output into `sink`.
Ended RunInto(const std::vector<std::string>& args, const std::string& input,
              Sink sink) {
  char dir_template[] = "/tmp/tesvar-broken-XXXXXX";
  const std::string dir = mkdtemp(dir_template);
  const std::string in_path = dir + "/in", err_path = dir + "/err";
  std::ofstream(in_path, std::ios::binary) << input;
  int out_pipe[2];
  if (pipe(out_pipe) != 0) std::abort();

  const pid_t pid = fork();
  if (pid == 0) {
    dup2(open(in_path.c_str(), O_RDONLY), 0);
    dup2(open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 2);
    if (sink == Sink::kDevFull) {
      dup2(open("/dev/full", O_WRONLY), 1);
    } else {
      dup2(out_pipe[1], 1);
    }
    close(out_pipe[0]);
    close(out_pipe[1]);
    std::vector<char*> argv = {const_cast<char*>(kCliPath)};
    for (const std::string& arg : args) {
      argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    execv(kCliPath, argv.data());
    _exit(127);
  }
  close(out_pipe[1]);
  Ended ended;
  // Read up to the first line end, then leave, as `head -1` does.
  char c;
  while (read(out_pipe[0], &c, 1) == 1) {
    ended.first_line.push_back(c);
    if (c == '\n') break;
  }
  close(out_pipe[0]);
  int wait_status = 0;
  waitpid(pid, &wait_status, 0);
  ended.exit_status = WIFEXITED(wait_status)     ? WEXITSTATUS(wait_status)
                      : WIFSIGNALED(wait_status) ? 128 + WTERMSIG(wait_status)
                                                 : -1;
  std::ifstream err_file(err_path, std::ios::binary);
  std::ostringstream err;
  err << err_file.rdbuf();
  ended.err = err.str();
  unlink(in_path.c_str());
  unlink(err_path.c_str());
  rmdir(dir.c_str());
  return ended;
}

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
    Sink sink;
    std::string first_line;
  };
  const Case cases[] = {
      {"closed pipe, standard input",
       {"parse", "--json"},
       lines,
       Sink::kReaderLeavesAfterOneLine,
       first},
      {"closed pipe, argument words", word_args, "",
       Sink::kReaderLeavesAfterOneLine, first},
      {"closed pipe, readable output",
       {"parse"},
       lines,
       Sink::kReaderLeavesAfterOneLine,
       "naQ\n"},
      {"full disk, standard input",
       {"parse", "--json"},
       lines,
       Sink::kDevFull,
       ""},
      {"full disk, argument words", word_args, "", Sink::kDevFull, ""},
      {"closed pipe, parsers on two threads",
       {"parse", "--json", "--jobs", "2"},
       lines,
       Sink::kReaderLeavesAfterOneLine,
       first},
      {"full disk, parsers on two threads",
       {"parse", "--jobs", "2"},
       lines,
       Sink::kDevFull,
       ""},
  };
  for (const Case& c : cases) {
    const Ended ended = RunInto(c.args, c.input, c.sink);
    EXPECT_EQ(1, ended.exit_status) << c.name;
    EXPECT_EQ(c.first_line, ended.first_line) << c.name;
    EXPECT_EQ(kWriteError, ended.err) << c.name;
  }
}

}  // namespace
}  // namespace tesvar
