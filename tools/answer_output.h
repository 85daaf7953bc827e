// AnswerOutput is the end of a `tesvar parse` run that the answers reach
// in input order: it writes each answer's text to the output, names a
// refused word on the error stream, counts what the answers held for the
// summary, and keeps the progress line going.
//
// Use from one thread at a time (a run hands it from thread to thread
// under its own lock).

#ifndef TESVAR_TOOLS_ANSWER_OUTPUT_H_
#define TESVAR_TOOLS_ANSWER_OUTPUT_H_

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

#include "tools/status_line.h"
#include "tools/word_answer.h"

namespace tesvar {
namespace cli {

// What the answers of a run held.
struct RunTally {
  uint64_t words = 0;
  uint64_t readings = 0;
  uint64_t flawless = 0;
  uint64_t with_errors = 0;
  uint64_t unknown = 0;
  uint64_t refused = 0;
};

class AnswerOutput {
 public:
  // Neither stream nor the status line is owned.
  AnswerOutput(std::ostream* out, StatusLine* status)
      : out_(out), status_(status) {}
  AnswerOutput(const AnswerOutput&) = delete;
  AnswerOutput& operator=(const AnswerOutput&) = delete;

  // Writes the answer of the next word. `input_bytes` is how much of the
  // input had been read up to the end of that word. Returns false when the
  // output cannot be written. Answers are gathered and reach the stream
  // in pieces of kGatheredBytes or at Flush.
  bool Write(std::string_view answer, const AnswerNote& note,
             uint64_t input_bytes);

  // The buffer where answers are gathered; the next answer may be
  // appended to it directly and then passed to WriteAppended, which saves
  // copying it.
  std::string* gathered() { return &gathered_; }

  // Write for an answer appended to gathered() from `start` on.
  bool WriteAppended(size_t start, const AnswerNote& note,
                     uint64_t input_bytes);

  // Hands what was written to the output's reader. False on failure.
  bool Flush();

  const RunTally& tally() const { return tally_; }

 private:
  // A stream write per answer costs more than many an answer's JSON.
  static constexpr size_t kGatheredBytes = size_t{1} << 16;

  // Hands the first `size` bytes of the gathered answers to the stream.
  bool WriteGathered(size_t size);

  std::ostream* const out_;
  StatusLine* const status_;
  RunTally tally_;
  std::string gathered_;
};

// The summary of a run, one "name: value" line each: words, readings,
// flawless, with errors, unknown, refused, time (and words per second),
// lexicon.
std::string Summary(const RunTally& tally, double seconds,
                    std::string_view lexicon);

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_ANSWER_OUTPUT_H_
