#include "cli/cli_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <utility>

namespace tesvar {
namespace testing {

namespace {

// The path of the binary under test, set by the build.
constexpr const char* kCliPath = TESVAR_CLI_PATH;

[[noreturn]] void ExecCli(const std::vector<std::string>& args) {
  // The binary starts with the signals as a shell would leave them, not
  // as the test runner may have set them.
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  signal(SIGINT, SIG_DFL);
  signal(SIGTERM, SIG_DFL);
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(kCliPath));
  for (const std::string& arg : args)
    argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  execv(kCliPath, argv.data());
  _exit(127);
}

void MoveTo(int fd, int target) {
  dup2(fd, target);
  close(fd);
}

int ExitStatus(int wait_status) {
  if (WIFEXITED(wait_status)) return WEXITSTATUS(wait_status);
  if (WIFSIGNALED(wait_status)) return 128 + WTERMSIG(wait_status);
  return -1;
}

// Where standard input comes from: `input`, or `unreadable` when set.
struct Input {
  std::string text;
  std::optional<Stdin> unreadable;
};

// Opens (or closes) standard input in the child.
void OpenInput(const Input& input, const std::string& in_path) {
  if (!input.unreadable) {
    MoveTo(open(in_path.c_str(), O_RDONLY), 0);
  } else if (*input.unreadable == Stdin::kDirectory) {
    MoveTo(open("/", O_RDONLY | O_DIRECTORY), 0);
  } else {
    close(0);
  }
}

CliRun Run(const std::vector<std::string>& args, const Input& input,
           Stdout stdout_mode, int signo, int delay_us) {
  char dir_template[] = "/tmp/tesvar-cli-XXXXXX";
  const std::string dir = mkdtemp(dir_template);
  const std::string in_path = dir + "/in", out_path = dir + "/out",
                    err_path = dir + "/err";
  std::ofstream(in_path, std::ios::binary) << input.text;
  int out_pipe[2];
  if (pipe(out_pipe) != 0) std::abort();

  const pid_t pid = fork();
  if (pid == 0) {
    // Each file is opened on the lowest free descriptor and then moved,
    // which frees it again; only a descriptor left closed must wait until
    // nothing else is opened, so standard input comes last.
    MoveTo(open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 2);
    close(out_pipe[0]);
    if (stdout_mode == Stdout::kClosed) {
      close(1);
    } else if (stdout_mode == Stdout::kFull) {
      MoveTo(open("/dev/full", O_WRONLY), 1);
    } else if (stdout_mode == Stdout::kFirstLine) {
      MoveTo(out_pipe[1], 1);
    } else {
      MoveTo(open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 1);
    }
    OpenInput(input, in_path);
    ExecCli(args);
  }
  close(out_pipe[1]);
  if (signo != 0) {
    usleep(static_cast<useconds_t>(delay_us));
    kill(pid, signo);
  }
  CliRun run;
  // Read up to the first line end, then leave, as `head -1` does.
  char c;
  while (stdout_mode == Stdout::kFirstLine && read(out_pipe[0], &c, 1) == 1) {
    run.out.push_back(c);
    if (c == '\n') break;
  }
  close(out_pipe[0]);
  int wait_status = 0;
  waitpid(pid, &wait_status, 0);
  run.exit_status = ExitStatus(wait_status);
  if (stdout_mode == Stdout::kCaptured) run.out = ReadFile(out_path);
  run.err = ReadFile(err_path);
  for (const std::string& path : {in_path, out_path, err_path}) {
    unlink(path.c_str());
  }
  rmdir(dir.c_str());
  return run;
}

}  // namespace

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

CliRun RunCli(const std::vector<std::string>& args, const std::string& input,
              Stdout stdout_mode) {
  return Run(args, Input{input, std::nullopt}, stdout_mode, 0, 0);
}

CliRun RunCliInterrupted(const std::vector<std::string>& args,
                         const std::string& input, int signo, int delay_us) {
  return Run(args, Input{input, std::nullopt}, Stdout::kCaptured, signo,
             delay_us);
}

CliRun RunCliWithoutInput(const std::vector<std::string>& args,
                          Stdin stdin_mode) {
  return Run(args, Input{"", stdin_mode}, Stdout::kCaptured, 0, 0);
}

TempFile::TempFile(const std::string& text) {
  char name[] = "/tmp/tesvar-file-XXXXXX";
  const int fd = mkstemp(name);
  path_ = name;
  std::ofstream(path_, std::ios::binary) << text;
  close(fd);
}

TempFile::~TempFile() { unlink(path_.c_str()); }

CliProcess::CliProcess(const std::vector<std::string>& args) {
  int to_child[2];
  int from_child[2];
  if (pipe(to_child) != 0 || pipe(from_child) != 0) std::abort();
  pid_ = fork();
  if (pid_ == 0) {
    dup2(to_child[0], 0);
    dup2(from_child[1], 1);
    close(to_child[1]);
    close(from_child[0]);
    ExecCli(args);
  }
  close(to_child[0]);
  close(from_child[1]);
  in_fd_ = to_child[1];
  out_fd_ = from_child[0];
}

CliProcess::~CliProcess() {
  Wait();
  if (out_fd_ >= 0) close(out_fd_);
}

void CliProcess::Write(std::string_view text) {
  while (!text.empty()) {
    const ssize_t n = write(in_fd_, text.data(), text.size());
    if (n <= 0) return;
    text.remove_prefix(static_cast<size_t>(n));
  }
}

std::string CliProcess::ReadLine(int timeout_ms) {
  for (;;) {
    const size_t end = pending_.find('\n');
    if (end != std::string::npos) {
      std::string line = pending_.substr(0, end + 1);
      pending_.erase(0, end + 1);
      return line;
    }
    pollfd ready = {out_fd_, POLLIN, 0};
    char buffer[4096];
    const ssize_t n = poll(&ready, 1, timeout_ms) == 1
                          ? read(out_fd_, buffer, sizeof(buffer))
                          : 0;
    if (n <= 0) return std::exchange(pending_, std::string());
    pending_.append(buffer, static_cast<size_t>(n));
  }
}

void CliProcess::Signal(int signo) {
  if (pid_ > 0) kill(pid_, signo);
}

void CliProcess::CloseInput() {
  if (in_fd_ >= 0) close(in_fd_);
  in_fd_ = -1;
}

int CliProcess::Wait() {
  CloseInput();
  if (pid_ <= 0) return -1;
  int wait_status = 0;
  waitpid(pid_, &wait_status, 0);
  pid_ = -1;
  return ExitStatus(wait_status);
}

}  // namespace testing
}  // namespace tesvar
