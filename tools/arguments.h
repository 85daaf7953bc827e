// The command line's arguments: which command to run and with what, and
// the usage text that lists them.
//
// Pure functions; thread-safe.

#ifndef TESVAR_TOOLS_ARGUMENTS_H_
#define TESVAR_TOOLS_ARGUMENTS_H_

#include <string>
#include <string_view>
#include <vector>

namespace tesvar {
namespace cli {

enum class Command { kHelp, kVersion, kParse, kLexiconCheck, kPipe, kLsp };

// What `tesvar pipe` does, chosen as ispell's -a, -l and -vv choose it.
enum class PipeMode { kAnswer, kList, kVersion };

struct Options {
  Command command = Command::kHelp;
  // parse, pipe, lsp: the lexicon file, empty for the built-in sample lexicon.
  // lexicon check: the file to check.
  std::string lexicon_path;
  bool json = false;    // parse: JSON Lines instead of readable text
  bool native = false;  // parse: also show the native rendering
  // parse: threads that analyse words at once; answers keep input order.
  int jobs = 1;
  // parse: the words to analyse; empty means one word per line of
  // standard input.
  std::vector<std::string> words;
  PipeMode pipe_mode = PipeMode::kAnswer;  // pipe
  // pipe: count offsets in bytes, for a client whose encoding (-i or
  // --encoding) is not UTF-8; by default they count UTF-8 characters.
  bool pipe_byte_offsets = false;
};

// Reads the arguments that follow the program name. Returns an empty
// string and fills *options, or returns what is wrong with the arguments
// (unknown command or option, missing or extra argument); *options is then
// unspecified.
std::string ParseArguments(const std::vector<std::string_view>& args,
                           Options* options);

// The usage text, one line per command and option, ending in "\n".
std::string Usage();

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_ARGUMENTS_H_
