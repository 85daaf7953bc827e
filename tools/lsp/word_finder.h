// FindWords lists the words of a document as a spell checker takes them:
// maximal runs of the language's letters, the apostrophe among them (it is
// a letter here). A right single quotation mark (U+2019), which word
// processors and phones type for the apostrophe, counts as one too. Every
// other character separates words.
//
// Pure functions; thread-safe.

#ifndef TESVAR_TOOLS_LSP_WORD_FINDER_H_
#define TESVAR_TOOLS_LSP_WORD_FINDER_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "tools/lsp/text_document.h"

namespace tesvar {
namespace lsp {

// One word of a document.
struct WordSpan {
  size_t begin = 0;  // byte offsets in the text
  size_t end = 0;
  Range range;  // the same in protocol positions
};

// The UTF-8 of the typographic apostrophe, U+2019.
constexpr std::string_view kTypographicApostrophe = "\xE2\x80\x99";

// Replaces *words by the words of `text`, in text order, with their
// positions counted in UTF-16 code units. One pass over the text.
// REQUIRES: `text` is well-formed UTF-8.
void FindWords(std::string_view text, std::vector<WordSpan>* words);

// The word as the analyser takes it: typographic apostrophes become "'".
std::string AnalysedForm(std::string_view word);

// `form` written the way `typed` writes the apostrophe: when `typed` uses
// typographic apostrophes, so does the result.
std::string InTypedApostrophes(std::string_view form, std::string_view typed);

}  // namespace lsp
}  // namespace tesvar

#endif  // TESVAR_TOOLS_LSP_WORD_FINDER_H_
