// The alphabet is the parser's own: a byte belongs to a word exactly when
// spelling normalisation would keep it, so a word handed to the parser
// loses nothing and its neighbours stay outside it. In UTF-8 a character
// starts at every byte that is not a continuation byte (10xxxxxx); the
// alphabet is ASCII, so a word's own bytes are one character each.
// Tested by word_splitter_test.cc.

#include "tools/word_splitter.h"

#include "tesvar/parser.h"

namespace tesvar {
namespace cli {

namespace {

// Lends the parser's alphabet test, which it keeps for its subclasses.
class Alphabet : public CTesvarParser {
 public:
  using CTesvarParser::IsValidChar;
};

bool IsUtf8Continuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

bool IsWordByte(char c) { return Alphabet::IsValidChar(c) != 0; }

WordSplitter::WordSplitter(std::string_view line, size_t start, OffsetUnit unit)
    : line_(line), unit_(unit) {
  Skip(start);
}

void WordSplitter::Skip(size_t count) {
  const size_t end = position_ + count;
  if (unit_ == OffsetUnit::kBytes) {
    offset_ += count;
  } else {
    for (size_t i = position_; i < end; ++i) {
      if (!IsUtf8Continuation(line_[i])) ++offset_;
    }
  }
  position_ = end;
}

bool WordSplitter::Next(LineWord* word) {
  size_t begin = position_;
  while (begin < line_.size() && !IsWordByte(line_[begin])) ++begin;
  Skip(begin - position_);
  if (position_ == line_.size()) return false;
  size_t end = begin;
  while (end < line_.size() && IsWordByte(line_[end])) ++end;
  word->text = line_.substr(begin, end - begin);
  word->offset = offset_;
  // Word bytes are ASCII: one character each in either unit.
  offset_ += end - begin;
  position_ = end;
  return true;
}

}  // namespace cli
}  // namespace tesvar
