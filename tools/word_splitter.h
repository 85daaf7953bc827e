// Splits a line of text into the words a spell checker answers for: the
// maximal runs of bytes of the language's alphabet (the letters and the
// apostrophe, which is a letter here). Every other byte separates words.
// Each word carries its offset in the line, counted the way the client
// counts: in UTF-8 characters, or in bytes for an 8-bit encoding.
//
// A WordSplitter reads a line it does not own; use it from one thread.

#ifndef TESVAR_TOOLS_WORD_SPLITTER_H_
#define TESVAR_TOOLS_WORD_SPLITTER_H_

#include <cstddef>
#include <string_view>

namespace tesvar {
namespace cli {

enum class OffsetUnit { kUtf8Characters, kBytes };

// True when `c` is a byte of the alphabet, so part of a word.
bool IsWordByte(char c);

// One word of a line.
struct LineWord {
  std::string_view text;  // a view into the line
  size_t offset = 0;      // characters (or bytes) of the line before it
};

class WordSplitter {
 public:
  // Splits `line` from byte `start` on; offsets still count from the
  // line's first byte, so that bytes skipped at the start are counted.
  // REQUIRES: `line` outlives the splitter; start <= line.size().
  WordSplitter(std::string_view line, size_t start, OffsetUnit unit);

  WordSplitter(const WordSplitter&) = delete;
  WordSplitter& operator=(const WordSplitter&) = delete;

  // Stores the next word in *word and returns true, or returns false at
  // the end of the line.
  bool Next(LineWord* word);

 private:
  // Moves past `count` bytes that are not part of a word, counting them.
  void Skip(size_t count);

  const std::string_view line_;
  const OffsetUnit unit_;
  size_t position_ = 0;  // next byte to look at
  size_t offset_ = 0;    // characters (or bytes) before position_
};

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_WORD_SPLITTER_H_
