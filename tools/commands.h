// The commands of the command line. Each writes its answers to `out` and
// its complaints to `err`, and returns the program's exit status.
//
// Functions of no shared state; run each on its own streams.

#ifndef TESVAR_TOOLS_COMMANDS_H_
#define TESVAR_TOOLS_COMMANDS_H_

#include <istream>
#include <ostream>
#include <string>

#include "tesvar/lexicon.h"
#include "tesvar/status.h"
#include "tools/arguments.h"

namespace tesvar {
namespace cli {

// Exit statuses; scripts rely on them. DO NOT CHANGE.
namespace exit_status {
constexpr int kOk = 0;
// The output could not be written, the input not read, or a word refused
// as longer than the line limit (kMaxLineBytes).
constexpr int kIoError = 1;
// Bad arguments, or a lexicon file that cannot be read or is malformed.
constexpr int kBadInput = 2;
}  // namespace exit_status

// Fills *lexicon from the TSV file at `path`, or from the built-in sample
// lexicon when `path` is empty. On error leaves *lexicon empty and returns
// a status whose message names the file ("FILE:LINE: what is wrong", or
// "FILE: cannot open ..." when it cannot be read).
Status LoadLexicon(const std::string& path, CLexicon* lexicon);

// `tesvar parse`: analyses options.words, or each line of `in` when there
// are none, answering (and flushing) one word at a time. A word longer
// than kMaxLineBytes is answered with a refusal and named on `err`; the
// run goes on and returns kIoError at the end.
int RunParse(const Options& options, std::istream& in, std::ostream& out,
             std::ostream& err);

// `tesvar lexicon check FILE`: prints the number of entries and the
// number per part-of-speech label.
int RunLexiconCheck(const std::string& path, std::ostream& out,
                    std::ostream& err);

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_COMMANDS_H_
