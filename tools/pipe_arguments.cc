// Pipe options come from a table, tried in order. An option with a value
// takes it from the next argument or, attached, from the rest of the same
// argument ("-dNAME", "--encoding=NAME"), as ispell-style checkers allow.
// Modes that would change the output (hunspell's -L, -G, -s, ...) are not
// in the table, so asking for them is an error rather than a surprise.
// Tested by pipe_arguments_test.cc.

#include "tools/pipe_arguments.h"

namespace tesvar {
namespace cli {

namespace {

enum class Effect {
  kAnswerMode,   // answer each line (the pipe protocol)
  kListMode,     // list the misspelt words
  kVersionMode,  // print the version line and stop
  kLexicon,      // the lexicon file
  kEncoding,     // the client's text encoding
  kPersonal,     // the personal dictionary file
  kDictionary,   // the dictionary's name, which names the default one
  kTex,          // text formats
  kHtml,
  kNroff,
  kFormatName,  // a format by name, if it names one
  kIgnored,     // meaningful only to other checkers
};

struct PipeOptionRow {
  std::string_view name;
  bool takes_value;
  Effect effect;
};

constexpr PipeOptionRow kPipeOptions[] = {
    {"-a", false, Effect::kAnswerMode},
    {"-l", false, Effect::kListMode},
    {"-vv", false, Effect::kVersionMode},
    {"-v", false, Effect::kVersionMode},
    {"--lexicon", true, Effect::kLexicon},
    {"-i", true, Effect::kEncoding},
    {"--encoding", true, Effect::kEncoding},
    {"-d", true, Effect::kDictionary},
    {"-p", true, Effect::kPersonal},
    {"-T", true, Effect::kFormatName},
    {"-t", false, Effect::kTex},
    {"-H", false, Effect::kHtml},
    {"-n", false, Effect::kNroff},
    // Extra word characters, password and minimum word length of other
    // checkers.
    {"-w", true, Effect::kIgnored},
    {"-P", true, Effect::kIgnored},
    {"-W", true, Effect::kIgnored},
    // Affix, compound, sorting and backup switches.
    {"-m", false, Effect::kIgnored},
    {"-B", false, Effect::kIgnored},
    {"-C", false, Effect::kIgnored},
    {"-S", false, Effect::kIgnored},
    {"-X", false, Effect::kIgnored},
    {"-O", false, Effect::kIgnored},
    {"-x", false, Effect::kIgnored},
    {"-b", false, Effect::kIgnored},
    {"--check-url", false, Effect::kIgnored},
    {"--check-apostrophe", false, Effect::kIgnored},
};
constexpr size_t kPipeOptionCount =
    sizeof(kPipeOptions) / sizeof(kPipeOptions[0]);

bool IsLong(std::string_view name) { return name.substr(0, 2) == "--"; }

// The row that `arg` names, or nullptr. *has_attached tells whether the
// argument also holds the value, which is then stored in *attached.
const PipeOptionRow* FindOption(std::string_view arg,
                                std::string_view* attached,
                                bool* has_attached) {
  *has_attached = false;
  for (size_t i = 0; i < kPipeOptionCount; ++i) {
    const PipeOptionRow& row = kPipeOptions[i];
    if (arg == row.name) return &row;
    if (!row.takes_value || arg.substr(0, row.name.size()) != row.name) {
      continue;
    }
    std::string_view rest = arg.substr(row.name.size());
    if (IsLong(row.name)) {
      if (rest[0] != '=') continue;
      rest.remove_prefix(1);
    }
    *attached = rest;
    *has_attached = true;
    return &row;
  }
  return nullptr;
}

bool IsUtf8Name(std::string_view name) {
  std::string lower;
  for (char c : name) {
    lower += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return lower == "utf-8" || lower == "utf8";
}

}  // namespace

bool IsPipeOption(std::string_view arg) {
  std::string_view attached;
  bool has_attached = false;
  return FindOption(arg, &attached, &has_attached) != nullptr;
}

std::string ParsePipeArguments(const std::vector<std::string_view>& args,
                               size_t first, bool mode_required,
                               Options* options) {
  options->command = Command::kPipe;
  bool mode_given = false;
  for (size_t i = first; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options->command = Command::kHelp;
      return std::string();
    }
    std::string_view value;
    bool has_value = false;
    const PipeOptionRow* row = FindOption(arg, &value, &has_value);
    if (row == nullptr) {
      const bool option = !arg.empty() && arg[0] == '-';
      return (option ? "unknown option '" : "unexpected argument '") +
             std::string(arg) + "'";
    }
    if (row->takes_value && !has_value) {
      if (i + 1 == args.size()) {
        return "option " + std::string(row->name) + " needs a value";
      }
      value = args[++i];
    }
    switch (row->effect) {
      case Effect::kAnswerMode:
        options->pipe_mode = PipeMode::kAnswer;
        mode_given = true;
        break;
      case Effect::kListMode:
        options->pipe_mode = PipeMode::kList;
        mode_given = true;
        break;
      case Effect::kVersionMode:
        options->pipe_mode = PipeMode::kVersion;
        mode_given = true;
        break;
      case Effect::kLexicon:
        // An empty path would quietly mean the built-in lexicon.
        if (value.empty()) return "option --lexicon needs a FILE, not ''";
        options->lexicon_path.assign(value);
        break;
      case Effect::kEncoding:
        options->pipe_byte_offsets = !IsUtf8Name(value);
        break;
      case Effect::kPersonal:
        options->pipe_personal_dictionary.assign(value);
        break;
      case Effect::kDictionary:
        options->pipe_dictionary_name.assign(value);
        break;
      case Effect::kTex:
        options->pipe_format = TextFormat::kTex;
        break;
      case Effect::kHtml:
        options->pipe_format = TextFormat::kHtml;
        break;
      case Effect::kNroff:
        options->pipe_format = TextFormat::kNroff;
        break;
      case Effect::kFormatName:
        // ispell's -T also names character sets; those change nothing.
        TextFormatNamed(value, &options->pipe_format);
        break;
      case Effect::kIgnored:
        break;
    }
  }
  if (mode_required && !mode_given) {
    return "ispell-style options need one of -a, -l, -v, -vv";
  }
  return std::string();
}

}  // namespace cli
}  // namespace tesvar
