// The corrections the language server offers for a word, as whole words
// to put in its place. Today they are the analyser's grammar corrections
// of flawed words; spelling corrections of unknown words are to join them
// in Corrections() once the analyser offers those, so that code actions
// (and anything else that offers fixes) take them from this one place.
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

// The distinct corrections of `word` (as analysed: plain apostrophes),
// best first: the suggestions of its readings in reading order, keeping
// only those that are one word and differ from `word`. Empty for a word
// that is correct, unknown or not checked.
StringList Corrections(std::string_view word, const WordReport& report);

}  // namespace lsp
}  // namespace tesvar

#endif  // TESVAR_TOOLS_LSP_CORRECTIONS_H_
