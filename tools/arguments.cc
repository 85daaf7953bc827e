// Argument parsing for the few commands of the command line. Options of
// "parse" may stand anywhere among the words; "--" ends the options, so
// that a word may begin with "-". The options of each command are rows of
// one table, which also gives the usage text its lines, so that the two
// cannot differ; numbers in the usage text come from the constants that
// the code uses.
// Tested by cli_run_test.cc and cli_manual_test.cc.

#include "tools/arguments.h"

#include <cstdint>

#include "tools/lsp/lsp_command.h"
#include "tools/parallel_answers.h"
#include "tools/pipe_arguments.h"

namespace tesvar {
namespace cli {

namespace {

enum class Effect {
  kLexicon,
  kJson,
  kNative,
  kJobs,
  kQuiet,
  kStats,
  kColour,
  kMaxWordBytes,
  kMaxWork,
  kStrict,
};

struct OptionRow {
  Command command;
  std::string_view name;
  // What the option takes ("FILE"), empty for none. An optional value is
  // written "[=WHEN]" and can only be attached.
  std::string_view value;
  Effect effect;
};

constexpr OptionRow kOptions[] = {
    {Command::kParse, "--lexicon", "FILE", Effect::kLexicon},
    {Command::kParse, "--json", "", Effect::kJson},
    {Command::kParse, "--native", "", Effect::kNative},
    {Command::kParse, "--jobs", "N", Effect::kJobs},
    {Command::kParse, "--quiet", "", Effect::kQuiet},
    {Command::kParse, "--stats", "", Effect::kStats},
    {Command::kParse, "--color", "[=WHEN]", Effect::kColour},
    {Command::kParse, "--max-word-bytes", "N", Effect::kMaxWordBytes},
    {Command::kParse, "--max-work", "N", Effect::kMaxWork},
    {Command::kLexicon, "--json", "", Effect::kJson},
    {Command::kLexicon, "--strict", "", Effect::kStrict},
};

std::string Describe(const OptionRow& row) {
  switch (row.effect) {
    case Effect::kLexicon:
      return "Use the lexicon in FILE instead of the built-in sample lexicon.";
    case Effect::kJson:
      return row.command == Command::kParse
                 ? "Write one JSON object per word (JSON Lines)."
                 : "lexicon list, show, find, stats: write JSON (one object "
                   "per entry, or one in all for stats).";
    case Effect::kNative:
      return "Also show each reading in native notation.";
    case Effect::kJobs:
      return "Analyse with N threads (1 to " + std::to_string(kMaxJobs) +
             ", default 1; no more than the processors available). Answers "
             "keep the input order and come as soon as they are ready; "
             "answers held back by a slower word take at most " +
             std::to_string(kMaxWaitingAnswerBytes >> 20) +
             " MiB before the threads wait.";
    case Effect::kQuiet:
      return "Show no progress line and no hint on a terminal.";
    case Effect::kStats:
      return "At the end, print a summary on standard error: words, "
             "readings, flawless, with errors, unknown, refused, time, "
             "lexicon.";
    case Effect::kColour:
      return "Colour labels, errors, suggestions and refusals: WHEN is auto "
             "(on a terminal unless NO_COLOR is set or TERM is dumb; the "
             "default), always or never.";
    case Effect::kMaxWordBytes:
      return "Refuse words longer than N bytes (default " +
             std::to_string(ParseLimits::kDefaultMaxWordBytes) +
             "; 0: no limit).";
    case Effect::kMaxWork:
      return "Refuse words whose analysis needs more than N work units "
             "(default " +
             std::to_string(ParseLimits::kDefaultMaxWork) +
             ", a few tens of milliseconds; 0: no limit).";
    case Effect::kStrict:
      return "lexicon check: treat warnings as errors.";
  }
  return std::string();
}

// One row of the usage text: what to type, and what it does.
struct UsageRow {
  std::string_view synopsis;
  std::string_view description;
};

constexpr UsageRow kParseUsage = {
    "tesvar parse [OPTION ...] [WORD ...]",
    "Analyse each WORD, or each line of standard input when no WORD is "
    "given."};

constexpr UsageRow kLexiconUsage[] = {
    {"tesvar lexicon check [--strict] [FILE]",
     "Load a lexicon, warn of likely mistakes (FILE:LINE: warning: ...) "
     "and count its entries by part of speech."},
    {"tesvar lexicon list [--json] [FILE]",
     "Print every entry in order, as a lexicon file or as JSON Lines."},
    {"tesvar lexicon show [--json] KEY [FILE]",
     "Print the entry stored under KEY."},
    {"tesvar lexicon find [--json] WORD [FILE]",
     "Print the entries whose headword is WORD, then those whose headword "
     "starts WORD, longest first."},
    {"tesvar lexicon stats [--json] [FILE]",
     "Count entries per label and flag, headword lengths and homographs."},
};

constexpr UsageRow kOtherUsage[] = {
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
    {"tesvar --version",
     "Show the version, the build and the built-in lexicon."},
};

void AppendUsageRow(std::string_view indent, std::string_view synopsis,
                    std::string_view description, std::string* out) {
  out->append(indent);
  out->append(synopsis);
  out->append("\n      ");
  out->append(description);
  out->append("\n");
}

void AppendOptionRows(Command command, std::string* out) {
  for (const OptionRow& row : kOptions) {
    if (row.command != command) continue;
    std::string synopsis(row.name);
    if (!row.value.empty() && row.value[0] != '[') synopsis += ' ';
    synopsis += row.value;
    AppendUsageRow("    ", synopsis, Describe(row), out);
  }
}

bool IsHelp(std::string_view arg) { return arg == "--help" || arg == "-h"; }

// The row that `arg` names for `command`, or nullptr. An attached value
// ("--jobs=2") is stored in *value and *attached set.
const OptionRow* FindOption(Command command, std::string_view arg,
                            std::string_view* value, bool* attached) {
  *attached = false;
  const size_t equals = arg.find('=');
  const std::string_view name = arg.substr(0, equals);
  for (const OptionRow& row : kOptions) {
    if (row.command != command || row.name != name) continue;
    if (equals != std::string_view::npos) {
      *value = arg.substr(equals + 1);
      *attached = true;
    }
    return &row;
  }
  return nullptr;
}

std::string NeedsValue(const OptionRow& row) {
  return "option " + std::string(row.name) + " needs " +
         (row.value == "FILE" ? "a FILE" : "a number");
}

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

// Reads a decimal number that fits in 64 bits.
bool ParseCount(std::string_view text, uint64_t* value) {
  if (text.empty() || text.size() > 20) return false;
  uint64_t n = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    const uint64_t digit = static_cast<uint64_t>(c - '0');
    if (n > (UINT64_MAX - digit) / 10) return false;
    n = n * 10 + digit;
  }
  *value = n;
  return true;
}

std::string ParseLimit(const OptionRow& row, std::string_view text,
                       Options* options) {
  uint64_t value = 0;
  if (!ParseCount(text, &value) ||
      (row.effect == Effect::kMaxWordBytes && value > SIZE_MAX)) {
    return "option " + std::string(row.name) +
           " needs a number (0 for no limit), not '" + std::string(text) + "'";
  }
  if (row.effect == Effect::kMaxWordBytes) {
    options->limits.max_word_bytes = static_cast<size_t>(value);
  } else {
    options->limits.max_work = value;
  }
  return std::string();
}

std::string ParseColour(std::string_view when, bool given, Options* options) {
  if (!given || when == "always") {
    options->colour = ColourMode::kAlways;
  } else if (when == "auto") {
    options->colour = ColourMode::kAuto;
  } else if (when == "never") {
    options->colour = ColourMode::kNever;
  } else {
    return "option --color takes auto, always or never, not '" +
           std::string(when) + "'";
  }
  return std::string();
}

// Applies one option; `value` is its value, if it takes one.
std::string Apply(const OptionRow& row, std::string_view value, bool given,
                  Options* options) {
  switch (row.effect) {
    case Effect::kLexicon:
      if (value.empty()) return "option --lexicon needs a FILE, not ''";
      options->lexicon_path.assign(value);
      return std::string();
    case Effect::kJson:
      options->json = true;
      return std::string();
    case Effect::kNative:
      options->native = true;
      return std::string();
    case Effect::kJobs:
      return ParseJobs(value, options);
    case Effect::kQuiet:
      options->quiet = true;
      return std::string();
    case Effect::kStats:
      options->stats = true;
      return std::string();
    case Effect::kColour:
      return ParseColour(value, given, options);
    case Effect::kMaxWordBytes:
    case Effect::kMaxWork:
      return ParseLimit(row, value, options);
    case Effect::kStrict:
      options->strict = true;
      return std::string();
  }
  return std::string();
}

// Reads the options of `command` among args[first...]; other arguments
// go to *positional in order. "--" ends the options.
std::string ParseOptions(Command command,
                         const std::vector<std::string_view>& args,
                         size_t first, Options* options,
                         std::vector<std::string>* positional) {
  bool options_ended = false;
  for (size_t i = first; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (options_ended || arg.size() < 2 || arg[0] != '-') {
      positional->emplace_back(arg);
      continue;
    }
    if (arg == "--") {
      options_ended = true;
      continue;
    }
    if (IsHelp(arg)) {
      options->command = Command::kHelp;
      return std::string();
    }
    std::string_view value;
    bool attached = false;
    const OptionRow* row = FindOption(command, arg, &value, &attached);
    if (row == nullptr) return "unknown option '" + std::string(arg) + "'";
    const bool takes_value = !row->value.empty() && row->value[0] != '[';
    if (!takes_value && attached && row->value.empty()) {
      return "option " + std::string(row->name) + " takes no value";
    }
    if (takes_value && !attached) {
      if (i + 1 == args.size()) return NeedsValue(*row);
      value = args[++i];
    }
    const std::string error = Apply(*row, value, attached, options);
    if (!error.empty()) return error;
  }
  return std::string();
}

struct LexiconActionRow {
  std::string_view name;
  LexiconAction action;
  bool takes_query;  // show KEY, find WORD
};

constexpr LexiconActionRow kLexiconActions[] = {
    {"check", LexiconAction::kCheck, false},
    {"list", LexiconAction::kList, false},
    {"show", LexiconAction::kShow, true},
    {"find", LexiconAction::kFind, true},
    {"stats", LexiconAction::kStats, false},
};

std::string ParseLexiconArguments(const std::vector<std::string_view>& args,
                                  Options* options) {
  if (args.size() < 2) {
    return "'lexicon' needs one of check, list, show, find, stats";
  }
  if (IsHelp(args[1])) {
    options->command = Command::kHelp;
    return std::string();
  }
  const LexiconActionRow* action = nullptr;
  for (const LexiconActionRow& row : kLexiconActions) {
    if (row.name == args[1]) action = &row;
  }
  if (action == nullptr) {
    return "unknown subcommand 'lexicon " + std::string(args[1]) + "'";
  }
  options->command = Command::kLexicon;
  options->lexicon_action = action->action;
  std::vector<std::string> positional;
  const std::string error =
      ParseOptions(Command::kLexicon, args, 2, options, &positional);
  if (!error.empty() || options->command == Command::kHelp) return error;
  const std::string name = "'lexicon " + std::string(action->name) + "'";
  if (options->strict && action->action != LexiconAction::kCheck) {
    return "option --strict is only for 'lexicon check'";
  }
  if (options->json && action->action == LexiconAction::kCheck) {
    return "option --json is not for 'lexicon check'";
  }
  size_t next = 0;
  if (action->takes_query) {
    if (positional.empty()) {
      return name + " needs a " +
             (action->action == LexiconAction::kShow ? "KEY" : "WORD");
    }
    options->lexicon_query = positional[next++];
  }
  if (next < positional.size()) {
    if (positional[next].empty()) return name + " needs a FILE, not ''";
    options->lexicon_path = positional[next++];
  }
  if (next < positional.size()) {
    return "unexpected argument '" + positional[next] + "'";
  }
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
    if (args.size() > 1) {
      return "unexpected argument '" + std::string(args[1]) + "'";
    }
    return std::string();
  }
  if (command == "parse") {
    options->command = Command::kParse;
    return ParseOptions(Command::kParse, args, 1, options, &options->words);
  }
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
  AppendUsageRow("  ", kParseUsage.synopsis,
                 std::string(kParseUsage.description) +
                     " Words past the word limit (" +
                     std::to_string(ParseLimits::kDefaultMaxWordBytes) +
                     " bytes by default) or the work budget are refused.",
                 &out);
  AppendOptionRows(Command::kParse, &out);
  for (const UsageRow& row : kLexiconUsage) {
    AppendUsageRow("  ", row.synopsis, row.description, &out);
  }
  out += "      With no FILE, each works on the built-in sample lexicon.\n";
  AppendOptionRows(Command::kLexicon, &out);
  for (const UsageRow& row : kOtherUsage) {
    AppendUsageRow("  ", row.synopsis, row.description, &out);
  }
  return out;
}

}  // namespace cli
}  // namespace tesvar
