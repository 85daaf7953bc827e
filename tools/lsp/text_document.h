// TextDocument is the server's copy of one open document: its UTF-8 text,
// its version, and the start of each line, so that a protocol position
// (line, UTF-16 code unit) maps to a byte offset. Lines end at "\n",
// "\r\n" or "\r", as the protocol says.
//
// A TextDocument is a plain value; use each from one thread at a time.

#ifndef TESVAR_TOOLS_LSP_TEXT_DOCUMENT_H_
#define TESVAR_TOOLS_LSP_TEXT_DOCUMENT_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tesvar {
namespace lsp {

// A place in a document: zero-based line and UTF-16 code unit in it.
struct Position {
  size_t line = 0;
  size_t character = 0;
};

struct Range {
  Position start;
  Position end;
};

inline bool operator==(const Position& a, const Position& b) {
  return a.line == b.line && a.character == b.character;
}
inline bool operator<(const Position& a, const Position& b) {
  return a.line < b.line || (a.line == b.line && a.character < b.character);
}
inline bool operator<=(const Position& a, const Position& b) {
  return !(b < a);
}

class TextDocument {
 public:
  // REQUIRES: `text` is well-formed UTF-8.
  TextDocument(std::string text, int64_t version);

  const std::string& text() const { return text_; }
  int64_t version() const { return version_; }
  void set_version(int64_t version) { version_ = version; }

  // The byte offset of `position`. Positions past the end of a line mean
  // the line's end (before its line break), a line past the last means the
  // end of the text, and a position inside a character that takes two
  // UTF-16 units means the start of that character.
  size_t OffsetOf(Position position) const;

  // Replaces bytes [begin, end) by `text`. REQUIRES: begin <= end <=
  // text().size(), both on character boundaries; `text` well-formed UTF-8.
  void Replace(size_t begin, size_t end, std::string_view text);

  // Replaces the whole text. REQUIRES: `text` is well-formed UTF-8.
  void SetText(std::string text);

 private:
  void IndexLines();

  std::string text_;
  int64_t version_;
  std::vector<size_t> line_starts_;  // byte offset of each line; [0] == 0
};

}  // namespace lsp
}  // namespace tesvar

#endif  // TESVAR_TOOLS_LSP_TEXT_DOCUMENT_H_
