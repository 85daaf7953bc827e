// The command line's arguments: which command to run and with what, and
// the usage text that lists them.
//
// Pure functions; thread-safe.

#ifndef TESVAR_TOOLS_ARGUMENTS_H_
#define TESVAR_TOOLS_ARGUMENTS_H_

#include <string>
#include <string_view>
#include <vector>

#include "tesvar/parser.h"
#include "tools/pipe_markup.h"

namespace tesvar {
namespace cli {

enum class Command { kHelp, kVersion, kParse, kLexicon, kPipe, kLsp };

// What `tesvar lexicon` does.
enum class LexiconAction { kCheck, kList, kShow, kFind, kStats };

// What `tesvar pipe` does, chosen as ispell's -a, -l and -vv choose it.
enum class PipeMode { kAnswer, kList, kVersion };

// When the readable output is coloured.
enum class ColourMode { kAuto, kAlways, kNever };

// The most threads `--jobs` accepts; more would only queue up on any
// machine we know.
constexpr int kMaxJobs = 64;

struct Options {
  Command command = Command::kHelp;
  // The lexicon file (of parse, lexicon, pipe and lsp), empty for the
  // built-in sample lexicon.
  std::string lexicon_path;
  bool json = false;    // parse, lexicon: JSON instead of text
  bool native = false;  // parse: also show the native rendering
  // parse: threads that analyse words at once; answers keep input order.
  int jobs = 1;
  bool quiet = false;  // parse: no progress line, no hint on a terminal
  bool stats = false;  // parse: a summary on standard error at the end
  // parse: the word limit and work budget of each word (0: none).
  ParseLimits limits;
  ColourMode colour = ColourMode::kAuto;  // parse
  // parse: the words to analyse; empty means one word per line of
  // standard input.
  std::vector<std::string> words;
  LexiconAction lexicon_action = LexiconAction::kCheck;
  std::string lexicon_query;  // lexicon show: the key; find: the word
  bool strict = false;        // lexicon check: warnings are errors
  PipeMode pipe_mode = PipeMode::kAnswer;  // pipe
  // pipe: count offsets in bytes, for a client whose encoding (-i or
  // --encoding) is not UTF-8; by default they count UTF-8 characters.
  bool pipe_byte_offsets = false;
  // pipe: the personal dictionary (-p), empty for the default one, which
  // -d names; the text format (-t, -H, -n).
  std::string pipe_personal_dictionary;
  std::string pipe_dictionary_name;
  TextFormat pipe_format = TextFormat::kPlain;
};

// Reads the arguments that follow the program name. Returns an empty
// string and fills *options, or returns what is wrong with the arguments
// in one line (unknown command or option, missing or extra argument);
// *options is then unspecified.
std::string ParseArguments(const std::vector<std::string_view>& args,
                           Options* options);

// The usage text, one line per command and option, ending in "\n".
std::string Usage();

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_ARGUMENTS_H_
