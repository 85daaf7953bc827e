// Argument parsing for the few commands of the command line. Options of
// "parse" may stand anywhere among the words; "--" ends the options, so
// that a word may begin with "-".
// Tested by arguments_test.cc.

#include "tools/arguments.h"

#include "tools/lsp/lsp_command.h"
#include "tools/pipe_arguments.h"

namespace tesvar {
namespace cli {

namespace {

// One row of the usage table: what to type, and what it does.
struct UsageRow {
  std::string_view synopsis;
  std::string_view description;
};

constexpr UsageRow kUsageRows[] = {
    {"tesvar parse [--lexicon FILE] [--json] [--native] [--jobs N] [WORD ...]",
     "Analyse each WORD, or each line of standard input when no WORD is "
     "given. Words longer than 256 bytes are refused."},
    {"  --lexicon FILE",
     "Use the lexicon in FILE instead of the built-in "
     "sample lexicon."},
    {"  --json", "Write one JSON object per word (JSON Lines)."},
    {"  --native", "Also show each reading in native notation."},
    {"  --jobs N",
     "Analyse with N threads (1 to 64, default 1); answers keep the input "
     "order and, with N > 1, come in batches of 256 lines."},
    {"tesvar lexicon check FILE",
     "Load a lexicon file and count its entries by part of speech."},
    {"tesvar pipe [--lexicon FILE] [-l|-vv] [ISPELL OPTION ...]",
     "Spell-check the lines of standard input with the ispell -a protocol "
     "(-l: list the misspelt words; -vv: print the version line)."},
    {"tesvar -a|-l|-vv [ISPELL OPTION ...]",
     "The same, called as an ispell-style checker; options such as -d, -p, "
     "-B, -m, -t, -i ENC and --encoding=ENC are accepted."},
    {"tesvar lsp [--lexicon FILE]",
     "Serve the Language Server Protocol on standard input and output, for "
     "editors: diagnostics, hover and quick fixes."},
    {"tesvar --help", "Show this text."},
    {"tesvar --version", "Show the version."},
};

constexpr std::string_view kLexiconOption = "--lexicon";
constexpr std::string_view kLexiconOptionEquals = "--lexicon=";
constexpr std::string_view kJobsOption = "--jobs";
constexpr std::string_view kJobsOptionEquals = "--jobs=";
// More threads than this would only queue up on any machine we know.
constexpr int kMaxJobs = 64;

// Reads the N of --jobs N: a decimal number from 1 to kMaxJobs.
std::string ParseJobs(std::string_view text, Options* options) {
  int jobs = 0;
  for (char c : text) {
    if (c < '0' || c > '9' || jobs > kMaxJobs) {
      jobs = kMaxJobs + 1;
      break;
    }
    jobs = jobs * 10 + (c - '0');
  }
  if (text.empty() || jobs < 1 || jobs > kMaxJobs) {
    return "option --jobs needs a number from 1 to " +
           std::to_string(kMaxJobs) + ", not '" + std::string(text) + "'";
  }
  options->jobs = jobs;
  return std::string();
}

bool IsHelp(std::string_view arg) { return arg == "--help" || arg == "-h"; }

std::string ParseParseArguments(const std::vector<std::string_view>& args,
                                Options* options) {
  options->command = Command::kParse;
  bool options_ended = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (options_ended || arg.size() < 2 || arg[0] != '-') {
      options->words.emplace_back(arg);
    } else if (arg == "--") {
      options_ended = true;
    } else if (IsHelp(arg)) {
      options->command = Command::kHelp;
      return std::string();
    } else if (arg == "--json") {
      options->json = true;
    } else if (arg == "--native") {
      options->native = true;
    } else if (arg == kLexiconOption) {
      if (i + 1 == args.size()) return "option --lexicon needs a FILE";
      options->lexicon_path.assign(args[++i]);
    } else if (arg.substr(0, kLexiconOptionEquals.size()) ==
               kLexiconOptionEquals) {
      options->lexicon_path.assign(arg.substr(kLexiconOptionEquals.size()));
    } else if (arg == kJobsOption) {
      if (i + 1 == args.size()) return "option --jobs needs a number";
      const std::string error = ParseJobs(args[++i], options);
      if (!error.empty()) return error;
    } else if (arg.substr(0, kJobsOptionEquals.size()) == kJobsOptionEquals) {
      const std::string error =
          ParseJobs(arg.substr(kJobsOptionEquals.size()), options);
      if (!error.empty()) return error;
    } else {
      return "unknown option '" + std::string(arg) + "'";
    }
  }
  return std::string();
}

std::string ParseLexiconArguments(const std::vector<std::string_view>& args,
                                  Options* options) {
  if (args.size() < 2) return "missing subcommand after 'lexicon' (check)";
  if (IsHelp(args[1])) {
    options->command = Command::kHelp;
    return std::string();
  }
  if (args[1] != "check") {
    return "unknown subcommand 'lexicon " + std::string(args[1]) + "'";
  }
  if (args.size() < 3) return "'lexicon check' needs a FILE";
  if (args.size() > 3) {
    return "unexpected argument '" + std::string(args[3]) + "'";
  }
  options->command = Command::kLexiconCheck;
  options->lexicon_path.assign(args[2]);
  return std::string();
}

}  // namespace

std::string ParseArguments(const std::vector<std::string_view>& args,
                           Options* options) {
  *options = Options();
  if (args.empty()) return "no command given";
  const std::string_view command = args[0];
  if (IsHelp(command)) {
    options->command = Command::kHelp;
    return std::string();
  }
  if (command == "--version") {
    options->command = Command::kVersion;
    return std::string();
  }
  if (command == "parse") return ParseParseArguments(args, options);
  if (command == "lexicon") return ParseLexiconArguments(args, options);
  if (command == "lsp") return lsp::ParseLspArguments(args, options);
  if (command == "pipe") return ParsePipeArguments(args, 1, false, options);
  if (IsPipeOption(command)) return ParsePipeArguments(args, 0, true, options);
  if (!command.empty() && command[0] == '-') {
    return "unknown option '" + std::string(command) + "'";
  }
  return "unknown command '" + std::string(command) + "'";
}

std::string Usage() {
  std::string out = "Usage:\n";
  for (const UsageRow& row : kUsageRows) {
    out += "  ";
    out += row.synopsis;
    out += "\n      ";
    out += row.description;
    out += "\n";
  }
  return out;
}

}  // namespace cli
}  // namespace tesvar
