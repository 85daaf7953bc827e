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

AnswerNote AnswerWord(CTesvarParser& parser, const AnswerWriter& writer,
                      const RefusalReasons& reasons, const InputWord& word,
                      ParseResults* results, std::string* answer) {
  AnswerNote note;
  note.place = word.place;
  note.number = word.number;
  if (word.too_long) {
    note.outcome = Outcome::kRefused;
    note.refusal = reasons.too_long;
    const std::string_view start =
        std::string_view(word.text).substr(0, kRefusedWordShown);
    writer.AppendRefusal(Refusal{start, true, note.refusal}, answer);
    return note;
  }
  results->clear();
  parser.ParseWord(word.text, *results);
  note.outcome = OutcomeOf(*results);
  note.readings = results->size();
  writer.AppendAnswer(word.text, *results, answer);
  return note;
}

}  // namespace cli
}  // namespace tesvar
