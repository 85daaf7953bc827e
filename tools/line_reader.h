// LineReader hands out standard input one line at a time, so that the
// command line can answer each word before the next one is typed. Lines
// are bounded: the start of an overlong line is kept and the rest is read
// and dropped, so no input can make the reader hold more than one
// bounded line.
//
// A LineReader reads from a stream it does not own; use it from one thread.

#ifndef TESVAR_TOOLS_LINE_READER_H_
#define TESVAR_TOOLS_LINE_READER_H_

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>

namespace tesvar {
namespace cli {

// The longest line, in bytes without its line end, that is handed out
// whole. It is also the command line's limit on a word, stated in the
// usage text, the README and the manual page; change them together.
//
// Why so low: the cost of a word grows much faster than its length when it
// repeats a suffix, since every repetition adds corrections that the
// suggestion check parses in turn, each as long as the word. Measured: a
// noun with its plural repeated 160 times (483 bytes) takes 0.9 s and
// writes 1.5 MB; 640 times (1,923 bytes) takes 21 s and writes 120 MB.
// Real words are well under 100 bytes; at 256 bytes the worst word found
// by fuzzing costs a fraction of a second.
constexpr size_t kMaxLineBytes = 256;

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

  // Bytes taken from the stream so far, line ends and dropped bytes
  // included.
  uint64_t bytes_read() const { return bytes_read_; }

 private:
  std::istream* const in_;
  const size_t max_length_;
  bool too_long_ = false;
  uint64_t bytes_read_ = 0;
};

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_LINE_READER_H_
