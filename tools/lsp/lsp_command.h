// `tesvar lsp`: the language server on standard input and output, and its
// arguments.
//
// Functions of no shared state; run each on its own streams.

#ifndef TESVAR_TOOLS_LSP_LSP_COMMAND_H_
#define TESVAR_TOOLS_LSP_LSP_COMMAND_H_

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/arguments.h"

namespace tesvar {
namespace lsp {

// Reads the arguments after "lsp" (args[0]) into *options: --lexicon FILE
// (or --lexicon=FILE), and --stdio, which some clients add and which is
// the only transport anyway. Returns an empty string, or what is wrong.
std::string ParseLspArguments(const std::vector<std::string_view>& args,
                              cli::Options* options);

// Serves the protocol on `in` and `out` until the client sends "exit" or
// the input ends, and returns the exit status: 0 when the client asked
// for shutdown first, 1 otherwise or when the input broke or the output
// failed, 2 when the lexicon of options.lexicon_path cannot be loaded.
// Complaints that the client cannot be told go to `err`.
int RunLanguageServer(const cli::Options& options, std::istream& in,
                      std::ostream& out, std::ostream& err);

}  // namespace lsp
}  // namespace tesvar

#endif  // TESVAR_TOOLS_LSP_LSP_COMMAND_H_
