// WordSource hands out the words of `tesvar parse`, from the command line's
// arguments or one per line of an input stream, each with its place
// ("line 3", "argument 2") for messages. Of a line longer than the word
// limit, one byte more than the limit is kept, so that the parser sees
// that it is too long, and the rest is read and dropped.
//
// Use from one thread; the stream is not owned.

#ifndef TESVAR_TOOLS_WORD_SOURCE_H_
#define TESVAR_TOOLS_WORD_SOURCE_H_

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <vector>

#include "tools/line_reader.h"

namespace tesvar {
namespace cli {

struct InputWord {
  std::string text;        // the word, or the start of a line past the limit
  const char* place = "";  // "line" or "argument"
  size_t number = 0;       // counted from 1
  // Bytes of the input read up to the end of the word, for the progress
  // line.
  uint64_t input_bytes = 0;
};

class WordSource {
 public:
  // The words of the arguments.
  // REQUIRES: `words` outlives the source.
  explicit WordSource(const std::vector<std::string>* words);
  // One word per line of `in`, with the word limit `max_word_bytes` (0 for
  // none).
  WordSource(std::istream* in, size_t max_word_bytes);
  WordSource(const WordSource&) = delete;
  WordSource& operator=(const WordSource&) = delete;

  // Stores the next word in *word and returns true, or returns false at
  // the end (or when reading failed).
  bool Next(InputWord* word);

  // True when the next word may have to wait for input that has not yet
  // arrived, so that answers already written should be flushed first.
  // Takes what the input has at hand, without waiting.
  bool MayWait();

  // True when reading the input failed.
  bool failed() const { return in_ != nullptr && reader_.failed(); }

  // Bytes of input consumed so far (of the arguments, none).
  uint64_t bytes_read() const {
    return in_ != nullptr ? reader_.bytes_read() : 0;
  }

 private:
  const std::vector<std::string>* const words_;
  std::istream* const in_;
  LineReader reader_;
  size_t number_ = 0;
};

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_WORD_SOURCE_H_
