// The commands of the command line. Each writes its answers to its output
// stream and its complaints to its error stream, and returns the
// program's exit status.
//
// Functions of no shared state; run each on its own streams.

#ifndef TESVAR_TOOLS_COMMANDS_H_
#define TESVAR_TOOLS_COMMANDS_H_

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>

#include "tools/arguments.h"
#include "tools/lexicon_file.h"
#include "tools/stop_signals.h"

namespace tesvar {
namespace cli {

// Exit statuses; scripts rely on them. DO NOT CHANGE.
namespace exit_status {
constexpr int kOk = 0;
// The output could not be written, the input not read, or a word refused
// (past the parser's word limit or work budget).
constexpr int kIoError = 1;
// Bad arguments, or a lexicon file that cannot be read or is malformed.
constexpr int kBadInput = 2;
// `lexicon show` or `lexicon find` found nothing (as grep's status 1).
constexpr int kNothingFound = 1;
}  // namespace exit_status

// The streams of `tesvar parse` and what is known about them.
struct ParseStreams {
  std::istream* in = nullptr;  // the words when there are none in options
  std::ostream* out = nullptr;
  std::ostream* err = nullptr;
  // Ends the run early when a signal arrives; may be null.
  const StopSignals* stop = nullptr;
  bool in_is_terminal = false;
  bool out_is_terminal = false;
  bool err_is_terminal = false;
  uint64_t in_size = 0;  // bytes, when the input is a regular file
  bool colour = false;   // colour the readable output
};

// `tesvar parse`: analyses options.words, or each line of the input when
// there are none, and writes the answers in input order. A word past the
// parser's limits (options.limits) is answered with a refusal and named on
// the error stream; the run goes on and returns kIoError at the end. A
// stop signal ends the run after the answer being written.
int RunParse(const Options& options, const ParseStreams& streams);

// `tesvar lexicon ...`: loads options.lexicon_path (or the built-in
// sample) and does options.lexicon_action. show and find return
// kNothingFound when nothing matches.
int RunLexicon(const Options& options, std::ostream& out, std::ostream& err);

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_COMMANDS_H_
