// Splits a line of text into the words a spell checker answers for: the
// maximal runs of letters, where a letter is any letter of a Latin, Greek
// or Cyrillic alphabet (f, k, x, z and accented letters included, though
// the language does not use them) or an apostrophe (', and the
// typographic U+2019, U+2018 and U+02BC). A word with a letter outside the
// language's alphabet stays one word, to be answered as unknown; digits,
// blanks and punctuation separate words. Each word carries its offset in
// the line, counted the way the client counts: in characters of UTF-8, or
// in bytes for an 8-bit encoding (whose letters are Latin-1's).
//
// Parts of the line can be marked as markup (see pipe_markup.h); they
// separate words like punctuation and hold none.
//
// A WordSplitter reads a line it does not own; use it from one thread.

#ifndef TESVAR_TOOLS_WORD_SPLITTER_H_
#define TESVAR_TOOLS_WORD_SPLITTER_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tesvar {
namespace cli {

enum class OffsetUnit { kUtf8Characters, kBytes };

// True when `c` is a byte of the language's alphabet: the ASCII letters it
// uses and the apostrophe.
bool IsWordByte(char c);

// `word` with each typographic apostrophe (U+2019, U+2018, U+02BC in
// UTF-8) written as "'".
std::string WithPlainApostrophes(std::string_view word);

// True when every character of `word` is a byte of the alphabet or a
// typographic apostrophe, so that the parser reads all of it.
bool IsAlphabetWord(std::string_view word);

// One word of a line.
struct LineWord {
  std::string_view text;  // a view into the line
  size_t offset = 0;      // characters (or bytes) of the line before it
};

class WordSplitter {
 public:
  // Splits `line` from byte `start` on; offsets still count from the
  // line's first byte, so that bytes skipped at the start are counted.
  // `markup`, when not null, marks the bytes of the line that are markup
  // (non-zero) and holds one flag per byte.
  // REQUIRES: `line` and `markup` outlive the splitter;
  // start <= line.size().
  WordSplitter(std::string_view line, size_t start, OffsetUnit unit,
               const std::vector<uint8_t>* markup = nullptr);

  WordSplitter(const WordSplitter&) = delete;
  WordSplitter& operator=(const WordSplitter&) = delete;

  // Stores the next word in *word and returns true, or returns false at
  // the end of the line.
  bool Next(LineWord* word);

 private:
  // The length in bytes of the character at `position`, and whether it is
  // a letter of a word there.
  size_t CharacterAt(size_t position, bool* letter) const;

  const std::string_view line_;
  const OffsetUnit unit_;
  const std::vector<uint8_t>* const markup_;
  size_t position_ = 0;  // next byte to look at
  size_t offset_ = 0;    // characters (or bytes) before position_
};

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_WORD_SPLITTER_H_
