// The read loop: one message at a time, answered before the next is read.
// Diagnostics wait while more input is already buffered, so that a burst
// of keystrokes is checked once, at its end.
// Tested end to end by lsp_session_test.cc.

#include "tools/lsp/lsp_command.h"

#include <utility>

#include "tools/commands.h"
#include "tools/lsp/framing.h"
#include "tools/lsp/server.h"

namespace tesvar {
namespace lsp {

namespace {

constexpr std::string_view kLexiconOption = "--lexicon";
constexpr std::string_view kLexiconOptionEquals = "--lexicon=";

}  // namespace

std::string ParseLspArguments(const std::vector<std::string_view>& args,
                              cli::Options* options) {
  options->command = cli::Command::kLsp;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options->command = cli::Command::kHelp;
      return std::string();
    }
    if (arg == "--stdio") continue;
    std::string_view path;
    if (arg == kLexiconOption) {
      if (i + 1 == args.size()) return "option --lexicon needs a FILE";
      path = args[++i];
    } else if (arg.substr(0, kLexiconOptionEquals.size()) ==
               kLexiconOptionEquals) {
      path = arg.substr(kLexiconOptionEquals.size());
    } else {
      return "unknown argument '" + std::string(arg) + "' for 'lsp'";
    }
    // An empty path would quietly mean the built-in lexicon.
    if (path.empty()) return "option --lexicon needs a FILE, not ''";
    options->lexicon_path.assign(path);
  }
  return std::string();
}

int RunLanguageServer(const cli::Options& options, std::istream& in,
                      std::ostream& out, std::ostream& err) {
  CLexicon lexicon;
  const Status loaded = cli::LoadLexicon(options.lexicon_path, &lexicon);
  if (!loaded.ok()) {
    err << "tesvar: " << loaded.message() << "\n";
    return cli::exit_status::kBadInput;
  }
  LanguageServer server(std::move(lexicon), options.lexicon_path, &out);
  MessageReader reader(&in);
  std::string body, error;
  while (!server.done()) {
    const ReadResult result = reader.Next(&body, &error);
    if (result == ReadResult::kEnd) break;
    if (result == ReadResult::kBroken) {
      err << "tesvar lsp: " << error << "\n";
      return cli::exit_status::kIoError;
    }
    if (result == ReadResult::kTooLarge) {
      server.ReportDroppedMessage(error);
    } else {
      server.HandleMessage(body);
    }
    if (!server.done() && !reader.HasBufferedInput()) server.PublishChanged();
  }
  const int status = server.ExitStatus();
  if (server.output_failed()) {
    err << "tesvar lsp: cannot write the output\n";
  } else if (status != 0 && !server.done()) {
    err << "tesvar lsp: the input ended before shutdown and exit\n";
  }
  return status;
}

}  // namespace lsp
}  // namespace tesvar
