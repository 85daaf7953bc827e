// One word of `tesvar parse` answered: its readings (or its refusal)
// written by the chosen AnswerWriter into a buffer, and a note of what the
// answer holds, for the summary and for the message that names a refused
// word. The step that every thread of a run repeats.
//
// Functions of no shared state; each thread brings its own parser.

#ifndef TESVAR_TOOLS_WORD_ANSWER_H_
#define TESVAR_TOOLS_WORD_ANSWER_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "tesvar/parser.h"
#include "tools/answer_writer.h"
#include "tools/word_source.h"

namespace tesvar {
namespace cli {

// What became of a word.
enum class Outcome {
  kFlawless,    // at least one reading without errors
  kWithErrors,  // readings, each with at least one error
  kUnknown,     // no reading
  kRefused,     // not analysed
};

// What an answer holds, beside its text.
struct AnswerNote {
  Outcome outcome = Outcome::kUnknown;
  size_t readings = 0;
  // Why the word was refused, for outcome kRefused; views text that lives
  // as long as the run.
  std::string_view refusal;
  // Where the word came from ("line", 3).
  const char* place = "";
  size_t number = 0;
};

// How much of a refused word its answer shows.
constexpr size_t kRefusedWordShown = 64;

// The reasons for refusing a word, worded once for the whole run.
struct RefusalReasons {
  std::string too_long;  // "word longer than 256 bytes"
};

// Appends the answer for `word` to *answer: its readings, or a refusal
// when it is too long. `results` is scratch space, cleared first.
AnswerNote AnswerWord(CTesvarParser& parser, const AnswerWriter& writer,
                      const RefusalReasons& reasons, const InputWord& word,
                      ParseResults* results, std::string* answer);

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_WORD_ANSWER_H_
