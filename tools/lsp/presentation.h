// What the language server shows people about a word: its diagnostic (the
// squiggle and message under a word that is wrong or unknown) and its
// hover text (every reading, with label, key, English text and score).
//
// Pure functions; thread-safe.

#ifndef TESVAR_TOOLS_LSP_PRESENTATION_H_
#define TESVAR_TOOLS_LSP_PRESENTATION_H_

#include <string>
#include <string_view>

#include "tools/lsp/json.h"
#include "tools/lsp/text_document.h"
#include "tools/lsp/word_cache.h"

namespace tesvar {
namespace lsp {

// Diagnostic severities of the protocol. DO NOT CHANGE.
namespace severity {
constexpr int kError = 1;
constexpr int kWarning = 2;
constexpr int kInformation = 3;
constexpr int kHint = 4;
}  // namespace severity

// The diagnostic of the word `typed` at `range`, or null when the word is
// correct.
Json WordDiagnostic(std::string_view typed, const Range& range,
                    const WordReport& report);

// The note that stands at `range`, the first word past the `shown`
// diagnostics of a document, in place of the rest.
Json TooManyDiagnostics(size_t shown, const Range& range);

// The hover text of the word `typed`, plain text.
std::string HoverText(std::string_view typed, const WordReport& report);

// The protocol's {"line", "character"} and {"start", "end"} objects.
Json PositionJson(const Position& position);
Json RangeJson(const Range& range);

}  // namespace lsp
}  // namespace tesvar

#endif  // TESVAR_TOOLS_LSP_PRESENTATION_H_
