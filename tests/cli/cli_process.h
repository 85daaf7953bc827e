// Test support for end-to-end runs of the built tesvar binary: run it to
// completion on a given standard input, or talk to it line by line through
// pipes. POSIX only, like the machines the tests run on.

#ifndef TESVAR_TESTS_CLI_CLI_PROCESS_H_
#define TESVAR_TESTS_CLI_CLI_PROCESS_H_

#include <string>
#include <string_view>
#include <vector>

namespace tesvar {
namespace testing {

struct CliRun {
  int exit_status = -1;  // 128 + signal number when killed by a signal
  std::string out;
  std::string err;
};

// Where standard output goes: a file read back, nowhere (closed), a full
// disk (/dev/full), or a pipe whose reader leaves after the first line.
enum class Stdout { kCaptured, kClosed, kFull, kFirstLine };

// Standard input that cannot be read: closed, or a directory.
enum class Stdin { kClosed, kDirectory };

// Runs the binary with `args` (without the program name), `input` on its
// standard input, and waits for it to end.
CliRun RunCli(const std::vector<std::string>& args, const std::string& input,
              Stdout stdout_mode = Stdout::kCaptured);

// Runs the binary as RunCli does, with its output captured, and sends it
// `signo` after `delay_us` microseconds.
CliRun RunCliInterrupted(const std::vector<std::string>& args,
                         const std::string& input, int signo, int delay_us);

// Runs the binary as RunCli does, with standard input that cannot be read.
CliRun RunCliWithoutInput(const std::vector<std::string>& args,
                          Stdin stdin_mode);

// The content of the file at `path`.
std::string ReadFile(const std::string& path);

// A file holding `text` that lives as long as the object.
class TempFile {
 public:
  explicit TempFile(const std::string& text);
  ~TempFile();
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// A running binary whose standard input and output are pipes held by the
// test, for checking that answers come before the input ends.
class CliProcess {
 public:
  explicit CliProcess(const std::vector<std::string>& args);
  ~CliProcess();
  CliProcess(const CliProcess&) = delete;
  CliProcess& operator=(const CliProcess&) = delete;

  void Write(std::string_view text);
  // The next output line with its "\n", or what arrived before
  // `timeout_ms` passed or the output ended.
  std::string ReadLine(int timeout_ms);
  void CloseInput();
  void Signal(int signo);
  // Closes the input if still open and returns the exit status.
  int Wait();

 private:
  int pid_ = -1;
  int in_fd_ = -1;
  int out_fd_ = -1;
  std::string pending_;  // output read past the last line handed out
};

}  // namespace testing
}  // namespace tesvar

#endif  // TESVAR_TESTS_CLI_CLI_PROCESS_H_
