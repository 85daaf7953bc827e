// StatusLine owns the error stream of a run: it prints messages, and on a
// terminal it keeps a progress line below them (words done, words per
// second and, when the size of the input is known, how far the run is and
// the time left), redrawn in place a few times a second once the run has
// lasted a second. Messages clear the progress line first, so that the two
// never mix.
//
// Use from one thread at a time.

#ifndef TESVAR_TOOLS_STATUS_LINE_H_
#define TESVAR_TOOLS_STATUS_LINE_H_

#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace tesvar {
namespace cli {

class StatusLine {
 public:
  using Clock = std::chrono::steady_clock;

  // `show_progress`: draw the progress line (for a terminal only).
  // `input_size`: bytes of input in all, or 0 when not known.
  StatusLine(std::ostream* err, bool show_progress, uint64_t input_size);
  StatusLine(const StatusLine&) = delete;
  StatusLine& operator=(const StatusLine&) = delete;

  // Prints `text` and a line end.
  void Message(std::string_view text);

  // Notes that `words` answers are written, which used `input_bytes`
  // bytes of the input, and redraws the progress line when it is due.
  void Update(uint64_t words, uint64_t input_bytes) {
    if (show_progress_ && ++calls_ % kCallsPerClockRead == 0) {
      Redraw(words, input_bytes);
    }
  }

  // Removes the progress line, if one is shown.
  void Clear();

  // Seconds since the run started.
  double seconds() const;

  // The progress text itself, for the tests: "12,345 words, 6,172
  // words/s" and, with a known input size, ", 42%, 0:07 left".
  static std::string ProgressText(uint64_t words, double seconds,
                                  uint64_t input_bytes, uint64_t input_size);

 private:
  // Reading the clock costs little, but answers can come a million a
  // second; looking every few answers is often enough.
  static constexpr uint64_t kCallsPerClockRead = 16;

  void Redraw(uint64_t words, uint64_t input_bytes);

  std::ostream* const err_;
  const bool show_progress_;
  const uint64_t input_size_;
  const Clock::time_point start_;
  Clock::time_point next_draw_;
  uint64_t calls_ = 0;
  bool shown_ = false;
};

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_STATUS_LINE_H_
