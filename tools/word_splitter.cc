// A word is a run of letters of any alphabet rather than of the language's
// alone, so that "Dalmeyk", "xyzzy" and "Dät" come to the checker whole:
// cut at the foreign letter, their pieces could be words ("Dal" is) and
// the line would be accepted. Which characters are letters comes from a
// small table of code point ranges (the Latin, IPA, Greek and Cyrillic
// blocks, and the typographic apostrophes); this is a spell checker for
// one Latin-script language, not a Unicode word breaker.
//
// In UTF-8 a character is a well-formed sequence; a byte that begins none
// is a character of its own, read as Latin-1, as 8-bit input is.
// Tested by word_splitter_test.cc.

#include "tools/word_splitter.h"

#include "tesvar/parser.h"
#include "tesvar/utf8.h"

namespace tesvar {
namespace cli {

namespace {

// Lends the parser's alphabet test, which it keeps for its subclasses.
class Alphabet : public CTesvarParser {
 public:
  using CTesvarParser::IsValidChar;
};

struct CodePointRange {
  uint32_t first;
  uint32_t last;
};

// Letters beyond ASCII, in code points. Row order does not matter.
constexpr CodePointRange kLetterRanges[] = {
    {0x00AA, 0x00AA}, {0x00B5, 0x00B5}, {0x00BA, 0x00BA},
    {0x00C0, 0x00D6}, {0x00D8, 0x00F6}, {0x00F8, 0x036F},  // Latin, IPA, marks
    {0x0370, 0x037D}, {0x037F, 0x0386}, {0x0388, 0x052F},  // Greek, Cyrillic
    {0x1E00, 0x1FFF},                                      // more Latin, Greek
    {0x2018, 0x2019},                                      // apostrophes
};

// The typographic apostrophes, in UTF-8.
constexpr std::string_view kApostrophes[] = {"\xE2\x80\x99", "\xE2\x80\x98",
                                             "\xCA\xBC"};

bool IsLetter(uint32_t code_point) {
  if (code_point < 0x80) {
    const char c = static_cast<char>(code_point);
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '\'';
  }
  for (const CodePointRange& range : kLetterRanges) {
    if (code_point >= range.first && code_point <= range.last) return true;
  }
  return false;
}

// Decodes the UTF-8 character at the start of `text` into *code_point and
// returns its length; a byte that begins no well-formed character is one
// character, its own Latin-1 code point.
size_t DecodeUtf8(std::string_view text, uint32_t* code_point) {
  char32_t decoded = 0;
  if (const size_t length = Utf8SequenceLength(text, &decoded)) {
    *code_point = decoded;
    return length;
  }
  *code_point = static_cast<unsigned char>(text[0]);
  return 1;
}

// The typographic apostrophe that `text` starts with, or "".
std::string_view ApostropheAt(std::string_view text) {
  for (const std::string_view apostrophe : kApostrophes) {
    if (text.substr(0, apostrophe.size()) == apostrophe) return apostrophe;
  }
  return std::string_view();
}

}  // namespace

bool IsWordByte(char c) { return Alphabet::IsValidChar(c) != 0; }

std::string WithPlainApostrophes(std::string_view word) {
  std::string out;
  out.reserve(word.size());
  for (size_t i = 0; i < word.size();) {
    const std::string_view apostrophe = ApostropheAt(word.substr(i));
    if (apostrophe.empty()) {
      out.push_back(word[i++]);
    } else {
      out.push_back('\'');
      i += apostrophe.size();
    }
  }
  return out;
}

bool IsAlphabetWord(std::string_view word) {
  for (size_t i = 0; i < word.size();) {
    const std::string_view apostrophe = ApostropheAt(word.substr(i));
    if (!apostrophe.empty()) {
      i += apostrophe.size();
    } else if (IsWordByte(word[i])) {
      ++i;
    } else {
      return false;
    }
  }
  return true;
}

WordSplitter::WordSplitter(std::string_view line, size_t start, OffsetUnit unit,
                           const std::vector<uint8_t>* markup)
    : line_(line), unit_(unit), markup_(markup) {
  while (position_ < start) {
    bool letter = false;
    position_ += CharacterAt(position_, &letter);
    ++offset_;
  }
}

size_t WordSplitter::CharacterAt(size_t position, bool* letter) const {
  uint32_t code_point = static_cast<unsigned char>(line_[position]);
  const size_t length = unit_ == OffsetUnit::kBytes
                            ? 1
                            : DecodeUtf8(line_.substr(position), &code_point);
  *letter =
      IsLetter(code_point) && (markup_ == nullptr || (*markup_)[position] == 0);
  return length;
}

bool WordSplitter::Next(LineWord* word) {
  bool letter = false;
  while (position_ < line_.size()) {
    const size_t length = CharacterAt(position_, &letter);
    if (letter) break;
    position_ += length;
    ++offset_;
  }
  if (position_ == line_.size()) return false;
  const size_t begin = position_;
  word->offset = offset_;
  while (position_ < line_.size()) {
    const size_t length = CharacterAt(position_, &letter);
    if (!letter) break;
    position_ += length;
    ++offset_;
  }
  word->text = line_.substr(begin, position_ - begin);
  return true;
}

}  // namespace cli
}  // namespace tesvar
