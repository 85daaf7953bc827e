// Tested end to end by cli_run_test.cc and cli_limits_test.cc.

#include "tools/word_answer.h"

#include <string_view>

namespace tesvar {
namespace cli {

namespace {

Outcome OutcomeOf(const ParseResults& results) {
  if (results.empty()) return Outcome::kUnknown;
  for (const CParseResult& r : results) {
    if (r.m_lstErrors.empty()) return Outcome::kFlawless;
  }
  return Outcome::kWithErrors;
}

}  // namespace

AnswerNote WordAnswerer::Answer(const InputWord& word, std::string* answer) {
  AnswerNote note;
  note.place = word.place;
  note.number = word.number;
  const Status status =
      parser_->Parse(word.text, &results_, &scratch_, &interrupt_);
  switch (status.code()) {
    case Status::Code::kOk:
      note.outcome = OutcomeOf(results_);
      note.readings = results_.size();
      writer_->AppendAnswer(word.text, results_, answer);
      return note;
    case Status::Code::kCancelled:
      note.outcome = Outcome::kCancelled;
      return note;
    default: {
      // Too long or too complex. Of a long word only its start is shown
      // (the rest of a long line was not even kept).
      note.outcome = Outcome::kRefused;
      note.refusal = status.message();
      const bool cut = status.code() == Status::Code::kWordTooLong;
      const std::string_view shown =
          cut ? std::string_view(word.text).substr(0, kRefusedWordShown)
              : std::string_view(word.text);
      writer_->AppendRefusal(Refusal{shown, cut, note.refusal}, answer);
      return note;
    }
  }
}

}  // namespace cli
}  // namespace tesvar
