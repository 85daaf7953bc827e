// The tesvar command line: reads the arguments and runs one command.
// Everything else lives in tesvar_cli_lib, where the tests reach it.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/arguments.h"
#include "tools/commands.h"
#include "tools/fd_input.h"
#include "tools/lsp/lsp_command.h"
#include "tools/spell_pipe.h"
#include "tools/version_text.h"

namespace tesvar {
namespace cli {
namespace {

// A closed standard descriptor would be handed out by the next open() or
// pipe(), and the program would then read its own signal pipe or lexicon
// as standard input, or write its output into them. Each closed one is
// taken by /dev/null, opened the wrong way round (standard input for
// writing, the others for reading), so that reading the input or writing
// the output still fails, and says so.
void HoldClosedStandardDescriptors() {
  for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    const int held =
        open("/dev/null", (fd == STDIN_FILENO ? O_WRONLY : O_RDONLY));
    if (held >= 0 && held != fd) {
      dup2(held, fd);
      close(held);
    }
  }
}

// The size of standard input when it is a regular file, else 0.
uint64_t InputSize() {
  struct stat info;
  if (fstat(STDIN_FILENO, &info) != 0 || !S_ISREG(info.st_mode)) return 0;
  const off_t at = lseek(STDIN_FILENO, 0, SEEK_CUR);
  return info.st_size > at && at >= 0 ? static_cast<uint64_t>(info.st_size - at)
                                      : 0;
}

// Colours on a terminal that can show them, unless the user asks
// otherwise; NO_COLOR (https://no-color.org) counts only for "auto", so
// that an explicit --color=always still wins.
bool UseColour(ColourMode mode, bool out_is_terminal) {
  if (mode != ColourMode::kAuto) return mode == ColourMode::kAlways;
  const char* no_colour = std::getenv("NO_COLOR");
  const char* term = std::getenv("TERM");
  return out_is_terminal && (no_colour == nullptr || *no_colour == '\0') &&
         (term == nullptr || std::string_view(term) != "dumb");
}

int Parse(const Options& options) {
  // Before any thread starts, so that every thread has the signals
  // blocked and only StopSignals' own thread takes them.
  const StopSignals stop;
  FdInput input_buffer(STDIN_FILENO, stop.wake_fd());
  std::istream input(&input_buffer);
  ParseStreams streams;
  streams.in = &input;
  streams.out = &std::cout;
  streams.err = &std::cerr;
  streams.stop = &stop;
  streams.in_is_terminal = isatty(STDIN_FILENO) != 0;
  streams.out_is_terminal = isatty(STDOUT_FILENO) != 0;
  streams.err_is_terminal = isatty(STDERR_FILENO) != 0;
  streams.in_size = InputSize();
  streams.colour = UseColour(options.colour, streams.out_is_terminal);
  const int status = RunParse(options, streams);
  if (stop.requested()) {
    std::cout.flush();
    stop.EndBySignal();
  }
  return status;
}

int Run(const Options& options) {
  switch (options.command) {
    case Command::kHelp:
      std::cout << Usage();
      return exit_status::kOk;
    case Command::kVersion:
      std::cout << VersionText();
      return exit_status::kOk;
    case Command::kParse:
      return Parse(options);
    case Command::kLexicon:
      return RunLexicon(options, std::cout, std::cerr);
    case Command::kPipe:
      return RunSpellPipe(options, std::cin, std::cout, std::cerr);
    case Command::kLsp:
      return lsp::RunLanguageServer(options, std::cin, std::cout, std::cerr);
  }
  return exit_status::kBadInput;
}

}  // namespace
}  // namespace cli
}  // namespace tesvar

int main(int argc, char** argv) {
  namespace cli = tesvar::cli;
  cli::HoldClosedStandardDescriptors();
#ifdef SIGPIPE
  // A closed pipe should end the program through a failed write and a
  // non-zero status, not through a signal.
  std::signal(SIGPIPE, SIG_IGN);
#endif
  // The streams do their own buffering; nothing here writes through C's
  // stdio.
  std::ios::sync_with_stdio(false);
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  cli::Options options;
  const std::string error = cli::ParseArguments(args, &options);
  if (!error.empty()) {
    std::cerr << "tesvar: " << error << " (try 'tesvar --help')\n";
    return cli::exit_status::kBadInput;
  }
  const int status = cli::Run(options);
  // The commands report their own write errors; help and version do not.
  if (status == cli::exit_status::kOk && !std::cout.flush()) {
    std::cerr << "tesvar: cannot write the output\n";
    return cli::exit_status::kIoError;
  }
  return status;
}
