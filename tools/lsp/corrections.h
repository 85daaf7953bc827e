// The corrections the language server offers for a word, as whole words
// to put in its place: the analyser's grammar corrections of a flawed
// word, then the corrector's spelling corrections of a flawed or unknown
// one. Code actions (and anything else that offers fixes) take them from
// this one place.
//
// Pure functions; thread-safe.

#ifndef TESVAR_TOOLS_LSP_CORRECTIONS_H_
#define TESVAR_TOOLS_LSP_CORRECTIONS_H_

#include <string>
#include <string_view>

#include "tesvar/parse_result.h"
#include "tools/lsp/word_cache.h"

namespace tesvar {
namespace lsp {

// True when spelling corrections of a word with this report are worth
// looking for: it is flawed or unknown. A correct word needs none, and a
// word not checked is past the parser's limits, not mistyped.
bool WantsSpelling(const WordReport& report);

// The distinct corrections of `word` (as analysed: plain apostrophes),
// best first: the suggestions of its readings in reading order, then
// `spelling` (the corrector's words) in its order, keeping only those
// that are one word and differ from `word`. Empty for a word that is
// correct or not checked.
StringList Corrections(std::string_view word, const WordReport& report,
                       const StringList& spelling);

}  // namespace lsp
}  // namespace tesvar

#endif  // TESVAR_TOOLS_LSP_CORRECTIONS_H_
