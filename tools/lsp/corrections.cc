// The analyser has already checked each suggestion by parsing it, so the
// suggestions are offered as they are. A suggestion that is not one word
// (none is today) would not fit in place of the word, so it is left out,
// as the spell-check pipe leaves it out.
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

}  // namespace

StringList Corrections(std::string_view word, const WordReport& report) {
  StringList corrections;
  if (report.kind != WordKind::kFlawed) return corrections;
  for (const CParseResult& reading : report.readings) {
    for (const std::string& suggestion : reading.m_lstSuggestions) {
      if (suggestion == word || !IsOneWord(suggestion) ||
          std::find(corrections.begin(), corrections.end(), suggestion) !=
              corrections.end()) {
        continue;
      }
      corrections.push_back(suggestion);
    }
  }
  return corrections;
}

}  // namespace lsp
}  // namespace tesvar
