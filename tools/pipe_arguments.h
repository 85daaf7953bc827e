// The arguments of `tesvar pipe`, which are those of an ispell-style spell
// checker: programs that drive such a checker start it as "PROGRAM -a
// OPTIONS", so `tesvar -a ...` means `tesvar pipe ...`: -p FILE (personal
// dictionary), -d NAME (names the default one), -t, -H, -n and -T NAME
// (text formats), -i/--encoding. Options that only make sense for other
// checkers' dictionaries are accepted and ignored.
//
// Pure functions; thread-safe.

#ifndef TESVAR_TOOLS_PIPE_ARGUMENTS_H_
#define TESVAR_TOOLS_PIPE_ARGUMENTS_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "tools/arguments.h"

namespace tesvar {
namespace cli {

// True when `arg` is one of the ispell-style options (with its value
// attached or not), so that a command line starting with it is a pipe.
bool IsPipeOption(std::string_view arg);

// Reads args[first], args[first + 1], ... as pipe options into *options,
// setting options->command to kPipe (or kHelp for --help). With
// `mode_required` one of -a, -l, -v and -vv must be among them; otherwise
// the mode defaults to -a. Returns an empty string, or what is wrong.
// REQUIRES: first <= args.size().
std::string ParsePipeArguments(const std::vector<std::string_view>& args,
                               size_t first, bool mode_required,
                               Options* options);

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_PIPE_ARGUMENTS_H_
