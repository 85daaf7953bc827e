// The letters are those of the spell-check pipe (IsWordByte), so that both
// ways of checking text agree on what a word is. Every change of a
// document scans it whole, so the scan looks letters up in a table of the
// 256 bytes, filled from IsWordByte at the start of each scan.
// Tested by word_finder_test.cc.

#include "tools/lsp/word_finder.h"

#include <array>

#include "tools/lsp/utf8.h"
#include "tools/word_splitter.h"

namespace tesvar {
namespace lsp {

namespace {

using LetterTable = std::array<bool, 256>;

LetterTable MakeLetterTable() {
  LetterTable letters;
  for (size_t byte = 0; byte < letters.size(); ++byte) {
    letters[byte] = cli::IsWordByte(static_cast<char>(byte));
  }
  return letters;
}

bool IsTypographicApostropheAt(std::string_view text, size_t offset) {
  return static_cast<unsigned char>(text[offset]) == 0xE2 &&
         text.compare(offset, kTypographicApostrophe.size(),
                      kTypographicApostrophe) == 0;
}

std::string ReplaceAll(std::string_view text, std::string_view from,
                       std::string_view to) {
  std::string out;
  size_t start = 0;
  for (size_t found; (found = text.find(from, start)) != text.npos;) {
    out.append(text.substr(start, found - start));
    out.append(to);
    start = found + from.size();
  }
  out.append(text.substr(start));
  return out;
}

}  // namespace

void FindWords(std::string_view text, std::vector<WordSpan>* words) {
  words->clear();
  const LetterTable letters = MakeLetterTable();
  const auto is_letter_at = [&](size_t offset) {
    return letters[static_cast<unsigned char>(text[offset])];
  };
  Position position;
  size_t offset = 0;
  while (offset < text.size()) {
    if (is_letter_at(offset) || IsTypographicApostropheAt(text, offset)) {
      WordSpan word;
      word.begin = offset;
      word.range.start = position;
      // Every letter, the typographic apostrophe too, is one UTF-16 unit.
      for (; offset < text.size(); ++position.character) {
        if (is_letter_at(offset)) {
          ++offset;
        } else if (IsTypographicApostropheAt(text, offset)) {
          offset += kTypographicApostrophe.size();
        } else {
          break;
        }
      }
      word.end = offset;
      word.range.end = position;
      words->push_back(word);
      continue;
    }
    const char c = text[offset++];
    if (c == '\n' || c == '\r') {
      if (c == '\r' && offset < text.size() && text[offset] == '\n') ++offset;
      ++position.line;
      position.character = 0;
    } else if (!IsContinuationByte(c)) {
      position.character += Utf16Units(c);
    }
  }
}

std::string AnalysedForm(std::string_view word) {
  return ReplaceAll(word, kTypographicApostrophe, "'");
}

std::string InTypedApostrophes(std::string_view form, std::string_view typed) {
  if (typed.find(kTypographicApostrophe) == typed.npos) {
    return std::string(form);
  }
  return ReplaceAll(form, "'", kTypographicApostrophe);
}

}  // namespace lsp
}  // namespace tesvar
