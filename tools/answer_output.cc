// Tested end to end by cli_run_test.cc (--stats) and cli_limits_test.cc
// (refusals).

#include "tools/answer_output.h"

#include <cstdio>

namespace tesvar {
namespace cli {

bool AnswerOutput::Write(std::string_view answer, const AnswerNote& note,
                         uint64_t input_bytes) {
  // A word cut short by a stop signal has no answer, and the run ends.
  if (note.outcome == Outcome::kCancelled) return true;
  ++tally_.words;
  tally_.readings += note.readings;
  switch (note.outcome) {
    case Outcome::kFlawless:
      ++tally_.flawless;
      break;
    case Outcome::kWithErrors:
      ++tally_.with_errors;
      break;
    case Outcome::kUnknown:
      ++tally_.unknown;
      break;
    case Outcome::kRefused:
      ++tally_.refused;
      status_->Message("tesvar: " + std::string(note.place) + " " +
                       std::to_string(note.number) + ": " + note.refusal);
      break;
    case Outcome::kCancelled:
      break;
  }
  out_->write(answer.data(), static_cast<std::streamsize>(answer.size()));
  status_->Update(tally_.words, input_bytes);
  return static_cast<bool>(*out_);
}

bool AnswerOutput::Flush() { return static_cast<bool>(out_->flush()); }

std::string Summary(const RunTally& tally, double seconds,
                    std::string_view lexicon) {
  const auto line = [](const char* name, uint64_t value) {
    return std::string(name) + ": " + std::to_string(value) + "\n";
  };
  char time[96];
  std::snprintf(time, sizeof(time), "time: %.3f s (%.0f words/s)\n", seconds,
                seconds > 0 ? static_cast<double>(tally.words) / seconds : 0.0);
  return line("words", tally.words) + line("readings", tally.readings) +
         line("flawless", tally.flawless) +
         line("with errors", tally.with_errors) +
         line("unknown", tally.unknown) + line("refused", tally.refused) +
         time + "lexicon: " + std::string(lexicon) + "\n";
}

}  // namespace cli
}  // namespace tesvar
