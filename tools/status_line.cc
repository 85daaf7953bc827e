// The progress line is redrawn with a carriage return and an erase to the
// end of the line, which every terminal in use understands; it is only
// drawn when the error stream is a terminal.
// Tested by cli_terminal_test.cc (through a pseudo-terminal).

#include "tools/status_line.h"

#include <cstdio>

namespace tesvar {
namespace cli {

namespace {

// A run shorter than this shows no progress at all.
constexpr std::chrono::milliseconds kFirstDraw(1000);
constexpr std::chrono::milliseconds kRedrawEvery(250);

constexpr std::string_view kEraseLine = "\r\x1b[K";

// 1234567 -> "1,234,567".
std::string Grouped(uint64_t n) {
  std::string digits = std::to_string(n);
  for (size_t i = digits.size(); i > 3; i -= 3) digits.insert(i - 3, ",");
  return digits;
}

}  // namespace

StatusLine::StatusLine(std::ostream* err, bool show_progress,
                       uint64_t input_size)
    : err_(err),
      show_progress_(show_progress),
      input_size_(input_size),
      start_(Clock::now()),
      next_draw_(start_ + kFirstDraw) {}

void StatusLine::Message(std::string_view text) {
  Clear();
  *err_ << text << "\n";
  err_->flush();
}

void StatusLine::Clear() {
  if (!shown_) return;
  *err_ << kEraseLine;
  err_->flush();
  shown_ = false;
}

double StatusLine::seconds() const {
  return std::chrono::duration<double>(Clock::now() - start_).count();
}

std::string StatusLine::ProgressText(uint64_t words, double seconds,
                                     uint64_t input_bytes,
                                     uint64_t input_size) {
  const double rate = seconds > 0 ? static_cast<double>(words) / seconds : 0;
  std::string text = Grouped(words) + " words, " +
                     Grouped(static_cast<uint64_t>(rate)) + " words/s";
  if (input_size > 0 && input_bytes <= input_size && input_bytes > 0) {
    const double done =
        static_cast<double>(input_bytes) / static_cast<double>(input_size);
    const auto left = static_cast<uint64_t>(seconds * (1 - done) / done + 0.5);
    char tail[64];
    std::snprintf(tail, sizeof(tail), ", %d%%, %llu:%02llu left",
                  static_cast<int>(done * 100),
                  static_cast<unsigned long long>(left / 60),
                  static_cast<unsigned long long>(left % 60));
    text += tail;
  }
  return text;
}

void StatusLine::Redraw(uint64_t words, uint64_t input_bytes) {
  const Clock::time_point now = Clock::now();
  if (now < next_draw_) return;
  next_draw_ = now + kRedrawEvery;
  const double elapsed = std::chrono::duration<double>(now - start_).count();
  *err_ << kEraseLine
        << "tesvar: " << ProgressText(words, elapsed, input_bytes, input_size_);
  err_->flush();
  shown_ = true;
}

}  // namespace cli
}  // namespace tesvar
