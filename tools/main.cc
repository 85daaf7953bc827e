// The tesvar command line: reads the arguments and runs one command.
// Everything else lives in tesvar_cli_lib, where the tests reach it.

#include <csignal>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "tesvar/version.h"
#include "tools/arguments.h"
#include "tools/commands.h"
#include "tools/lsp/lsp_command.h"
#include "tools/spell_pipe.h"

namespace tesvar {
namespace cli {
namespace {

int Run(const Options& options) {
  switch (options.command) {
    case Command::kHelp:
      std::cout << Usage();
      return exit_status::kOk;
    case Command::kVersion:
      std::cout << "tesvar " << TESVAR_VERSION_STRING << "\n";
      return exit_status::kOk;
    case Command::kParse:
      // The parse command decides itself when to flush; a tie would flush
      // the output before every read.
      std::cin.tie(nullptr);
      return RunParse(options, std::cin, std::cout, std::cerr);
    case Command::kLexiconCheck:
      return RunLexiconCheck(options.lexicon_path, std::cout, std::cerr);
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
    std::cerr << "tesvar: " << error << "\n" << cli::Usage();
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
