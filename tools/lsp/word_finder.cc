// The letters are those of the spell-check pipe (IsWordByte), so that both
// ways of checking text agree on what a word is.
// Tested by word_finder_test.cc.

#include "tools/lsp/word_finder.h"

#include "tools/lsp/utf8.h"
#include "tools/word_splitter.h"

namespace tesvar {
namespace lsp {

namespace {

// The length of the letter at `offset`, or 0 when none starts there.
size_t LetterLength(std::string_view text, size_t offset) {
  if (cli::IsWordByte(text[offset])) return 1;
  if (text.compare(offset, kTypographicApostrophe.size(),
                   kTypographicApostrophe) == 0) {
    return kTypographicApostrophe.size();
  }
  return 0;
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
  Position position;
  size_t offset = 0;
  while (offset < text.size()) {
    size_t length = LetterLength(text, offset);
    if (length > 0) {
      WordSpan word;
      word.begin = offset;
      word.range.start = position;
      do {
        offset += length;
        ++position.character;  // every letter is one UTF-16 unit
      } while (offset < text.size() &&
               (length = LetterLength(text, offset)) > 0);
      word.end = offset;
      word.range.end = position;
      words->push_back(word);
      continue;
    }
    const char c = text[offset];
    if (c == '\n' || c == '\r') {
      if (c == '\r' && offset + 1 < text.size() && text[offset + 1] == '\n') {
        ++offset;
      }
      ++offset;
      ++position.line;
      position.character = 0;
      continue;
    }
    position.character += Utf16Units(c);
    ++offset;
    while (offset < text.size() && IsContinuationByte(text[offset])) ++offset;
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
