// WordAnswerer answers the words of `tesvar parse` one at a time: their
// readings, or a refusal with the parser's reason (a word past its word
// limit or work budget), written by the chosen AnswerWriter into a
// buffer, and a note of what the answer holds, for the summary and for
// the message that names a refused word. Each thread of a run has its own
// answerer; they share one parser, which is const.
//
// A WordAnswerer is used by one thread.

#ifndef TESVAR_TOOLS_WORD_ANSWER_H_
#define TESVAR_TOOLS_WORD_ANSWER_H_

#include <cstddef>
#include <string>

#include "tesvar/parser.h"
#include "tools/answer_writer.h"
#include "tools/stop_signals.h"
#include "tools/word_source.h"

namespace tesvar {
namespace cli {

// What became of a word.
enum class Outcome {
  kFlawless,    // at least one reading without errors
  kWithErrors,  // readings, each with at least one error
  kUnknown,     // no reading
  kRefused,     // not analysed: too long or too complex
  kCancelled,   // a stop signal cut the analysis short; not to be written
};

// What an answer holds, beside its text.
struct AnswerNote {
  Outcome outcome = Outcome::kUnknown;
  size_t readings = 0;
  std::string refusal;  // why the word was refused, for kRefused
  // Where the word came from ("line", 3).
  const char* place = "";
  size_t number = 0;
};

// How much of a word refused as too long its answer shows.
constexpr size_t kRefusedWordShown = 64;

class WordAnswerer {
 public:
  // `stop` (may be null) cuts a word's analysis short when a signal comes.
  // REQUIRES: the pointers outlive the answerer.
  WordAnswerer(const CTesvarParser* parser, const AnswerWriter* writer,
               const StopSignals* stop)
      : parser_(parser), writer_(writer), interrupt_(stop) {}
  WordAnswerer(const WordAnswerer&) = delete;
  WordAnswerer& operator=(const WordAnswerer&) = delete;

  // Appends the answer for `word` to *answer (nothing when the outcome is
  // kCancelled).
  AnswerNote Answer(const InputWord& word, std::string* answer);

 private:
  class StopInterrupt : public ParseInterrupt {
   public:
    explicit StopInterrupt(const StopSignals* stop) : stop_(stop) {}
    bool StopRequested() override {
      return stop_ != nullptr && stop_->requested();
    }

   private:
    const StopSignals* const stop_;
  };

  const CTesvarParser* const parser_;
  const AnswerWriter* const writer_;
  StopInterrupt interrupt_;
  ParseScratch scratch_;
  ParseResults results_;
};

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_WORD_ANSWER_H_
