// How `tesvar parse` writes its answers: one AnswerWriter per output
// format, chosen once by MakeAnswerWriter. The run hands every word to the
// writer as an answer (its readings) or a refusal (why it was not
// analysed), in input order, and calls AppendEnd after the last one. A new
// output format is a new class here and a line in MakeAnswerWriter.
//
// Writers append to a caller's buffer and keep no state, so that the
// threads of `--jobs` can share one; every method is thread-safe.

#ifndef TESVAR_TOOLS_ANSWER_WRITER_H_
#define TESVAR_TOOLS_ANSWER_WRITER_H_

#include <memory>
#include <string>
#include <string_view>

#include "tesvar/parse_result.h"

namespace tesvar {
namespace cli {

// A word that was not analysed, and why.
struct Refusal {
  // The word as given, or only its start when `cut` is set.
  std::string_view input;
  bool cut = false;
  // Why, in a few words: "word longer than 256 bytes".
  std::string_view reason;
};

class AnswerWriter {
 public:
  virtual ~AnswerWriter() = default;

  // Appends the answer for `input` and its readings (possibly none).
  virtual void AppendAnswer(std::string_view input, const ParseResults& results,
                            std::string* out) const = 0;

  // Appends the answer for a word that was not analysed.
  virtual void AppendRefusal(const Refusal& refusal,
                             std::string* out) const = 0;

  // Appends what follows the last answer; formats whose answers stand
  // alone (JSON Lines, the readable text) append nothing.
  virtual void AppendEnd(std::string* out) const { (void)out; }
};

// What the options ask of the output.
struct OutputStyle {
  bool json = false;    // JSON Lines instead of the readable text
  bool native = false;  // each reading's native rendering too
  bool colour = false;  // readable text only: terminal colours
};

std::unique_ptr<AnswerWriter> MakeAnswerWriter(const OutputStyle& style);

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_ANSWER_WRITER_H_
