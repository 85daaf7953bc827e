// Every edit re-indexes the lines from scratch: one pass over the text,
// which an edit costs anyway once the words are looked for again. A
// position is found by walking its line, so a change in a document of one
// long line costs that line's length.
// Tested by text_document_test.cc.

#include "tools/lsp/text_document.h"

#include <utility>

#include "tools/lsp/utf8.h"

namespace tesvar {
namespace lsp {

TextDocument::TextDocument(std::string text, int64_t version)
    : text_(std::move(text)), version_(version) {
  IndexLines();
}

void TextDocument::IndexLines() {
  line_starts_.assign(1, 0);
  for (size_t i = 0; i < text_.size(); ++i) {
    const char c = text_[i];
    if (static_cast<unsigned char>(c) > '\r') continue;  // most bytes
    if (c == '\r' && i + 1 < text_.size() && text_[i + 1] == '\n') ++i;
    if (c == '\n' || c == '\r') line_starts_.push_back(i + 1);
  }
}

size_t TextDocument::OffsetOf(Position position) const {
  if (position.line >= line_starts_.size()) return text_.size();
  size_t offset = line_starts_[position.line];
  size_t units = 0;
  while (offset < text_.size() && units < position.character) {
    const char c = text_[offset];
    if (c == '\n' || c == '\r') break;
    const size_t width = Utf16Units(c);
    if (units + width > position.character) break;
    units += width;
    ++offset;
    while (offset < text_.size() && IsContinuationByte(text_[offset])) {
      ++offset;
    }
  }
  return offset;
}

void TextDocument::Replace(size_t begin, size_t end, std::string_view text) {
  text_.replace(begin, end - begin, text);
  IndexLines();
}

void TextDocument::SetText(std::string text) {
  text_ = std::move(text);
  IndexLines();
}

}  // namespace lsp
}  // namespace tesvar
