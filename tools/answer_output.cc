// Tested end to end by cli_run_test.cc (--stats) and cli_limits_test.cc
// (refusals).

#include "tools/answer_output.h"

#include <cstdio>

namespace tesvar {
namespace cli {

bool AnswerOutput::Write(std::string_view answer, const AnswerNote& note,
                         uint64_t input_bytes) {
  const size_t start = gathered_.size();
  gathered_.append(answer);
  return WriteAppended(start, note, input_bytes);
}

bool AnswerOutput::WriteAppended(size_t start, const AnswerNote& note,
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
      // The answers before it reach the stream before the message does.
      if (!WriteGathered(start)) return false;
      status_->Message("tesvar: " + std::string(note.place) + " " +
                       std::to_string(note.number) + ": " + note.refusal);
      break;
    case Outcome::kCancelled:
      break;
  }
  status_->Update(tally_.words, input_bytes);
  if (gathered_.size() < kGatheredBytes) return static_cast<bool>(*out_);
  return WriteGathered(gathered_.size());
}

bool AnswerOutput::WriteGathered(size_t size) {
  out_->write(gathered_.data(), static_cast<std::streamsize>(size));
  gathered_.erase(0, size);
  return static_cast<bool>(*out_);
}

bool AnswerOutput::Flush() {
  return WriteGathered(gathered_.size()) && static_cast<bool>(out_->flush());
}

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
