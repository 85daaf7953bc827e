// The analyser has already checked each suggestion by parsing it, and the
// corrector offers only words that read flawlessly, so both are offered
// as they are. The grammar corrections come first: they follow from a
// reading of the word the user typed, where a spelling correction only
// guesses at a slip. A correction that is not one word would not fit in
// place of the word, so it is left out, as the spell-check pipe leaves
// it out.
// Tested by presentation_test.cc.

#include "tools/lsp/corrections.h"

#include <algorithm>

#include "tools/word_splitter.h"

namespace tesvar {
namespace lsp {

namespace {

bool IsOneWord(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), cli::IsWordByte);
}

void AddOnce(std::string_view word, const std::string& correction,
             StringList* corrections) {
  if (correction == word || !IsOneWord(correction) ||
      std::find(corrections->begin(), corrections->end(), correction) !=
          corrections->end()) {
    return;
  }
  corrections->push_back(correction);
}

}  // namespace

bool WantsSpelling(const WordReport& report) {
  return report.kind == WordKind::kFlawed || report.kind == WordKind::kUnknown;
}

StringList Corrections(std::string_view word, const WordReport& report,
                       const StringList& spelling) {
  StringList corrections;
  if (!WantsSpelling(report)) return corrections;
  for (const CParseResult& reading : report.readings) {
    for (const std::string& suggestion : reading.m_lstSuggestions) {
      AddOnce(word, suggestion, &corrections);
    }
  }
  for (const std::string& correction : spelling) {
    AddOnce(word, correction, &corrections);
  }
  return corrections;
}

}  // namespace lsp
}  // namespace tesvar
