// LineReader hands out standard input one line at a time, so that the
// command line can answer each word before the next one is typed.
//
// A LineReader reads from a stream it does not own; use it from one thread.

#ifndef TESVAR_TOOLS_LINE_READER_H_
#define TESVAR_TOOLS_LINE_READER_H_

#include <istream>
#include <string>

namespace tesvar {
namespace cli {

class LineReader {
 public:
  // REQUIRES: `in` outlives the reader.
  explicit LineReader(std::istream* in) : in_(in) {}

  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // Stores the next line in *line, without its "\n" and a trailing "\r",
  // and returns true. A last line without "\n" counts; the empty rest
  // after a final "\n" does not. Returns false at the end of the input or
  // when reading fails (see failed()).
  bool Next(std::string* line);

  // True when reading stopped on an error rather than at the end.
  bool failed() const { return in_->bad(); }

 private:
  std::istream* const in_;
};

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_LINE_READER_H_
