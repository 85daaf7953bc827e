// LineReader hands out standard input one line at a time, so that the
// command line can answer each word before the next one is typed. Lines
// are bounded: the start of an overlong line is kept and the rest is read
// and dropped, so no input can make the reader hold more than one
// bounded line and its own read buffer.
//
// A LineReader reads from a stream it does not own; use it from one thread.

#ifndef TESVAR_TOOLS_LINE_READER_H_
#define TESVAR_TOOLS_LINE_READER_H_

#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>
#include <string>

#include "tesvar/parser.h"

namespace tesvar {
namespace cli {

// The parser's default word limit, in bytes: the longest line, without its
// line end, that the spell-check pipe analyses, and the default limit of
// `tesvar parse` (--max-word-bytes).
constexpr size_t kMaxLineBytes = ParseLimits::kDefaultMaxWordBytes;

class LineReader {
 public:
  // REQUIRES: `in` outlives the reader.
  explicit LineReader(std::istream* in, size_t max_length = kMaxLineBytes)
      : in_(in), max_length_(max_length) {}

  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // Stores the next line in *line, without its "\n" and a trailing "\r",
  // and returns true. A last line without "\n" counts; the empty rest
  // after a final "\n" does not. A line longer than max_length is cut to
  // its first max_length bytes and too_long() is set. Returns false at the
  // end of the input or when reading fails (see failed()).
  bool Next(std::string* line);

  // True when the line last handed out was longer than max_length.
  bool too_long() const { return too_long_; }

  // True when reading stopped on an error rather than at the end.
  bool failed() const { return in_->bad(); }

  // Bytes of the lines handed out so far, line ends and dropped bytes
  // included.
  uint64_t bytes_read() const { return bytes_read_; }

  // True when the next line can be handed out without waiting: it has
  // been read whole, or the stream has the rest of it at hand. Takes what
  // the stream has, without waiting.
  bool LineReady();

 private:
  static constexpr size_t kBufferBytes = size_t{1} << 14;

  // Refills the empty buffer with what the stream has, waiting only when
  // it has nothing at all. False at the end of the input or on failure.
  bool Fill();
  // Adds what the stream has at hand to the unread bytes.
  void TopUp();
  // True when the line at start_ is whole in the buffer; notes its end.
  bool HasLine();

  std::istream* const in_;
  const size_t max_length_;
  bool too_long_ = false;
  uint64_t bytes_read_ = 0;
  std::unique_ptr<char[]> buffer_;  // made on the first read
  size_t start_ = 0;                // buffer_[start_, end_) is unread
  size_t end_ = 0;
  // The "\n" that ends the line at start_, when HasLine found it.
  const char* found_end_ = nullptr;
};

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_LINE_READER_H_
