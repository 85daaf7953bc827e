// Invariants of the parser that hold for any word and lexicon. The record
// placed in the list before the second call has no suggestions, so the
// suggestion check has nothing to change in it.

#include "fuzz/parse_checks.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/check.h"
#include "parser/spelling.h"
#include "tesvar/parser.h"
#include "wordvault/lexicon_internal.h"

namespace tesvar {
namespace fuzz {

namespace {

constexpr char kSpellingMessage[] = "Spelling or case.";

bool SameReading(const CParseResult& a, const CParseResult& b) {
  return a.m_strPOS == b.m_strPOS && a.m_strWord == b.m_strWord &&
         a.m_strKey == b.m_strKey && a.m_strAnalysis == b.m_strAnalysis &&
         a.m_dScore == b.m_dScore && a.m_lstErrors == b.m_lstErrors &&
         a.m_lstSuggestions == b.m_lstSuggestions &&
         a.m_strNative == b.m_strNative;
}

void CheckReading(const CLexicon& lexicon, const CParseResult& r,
                  const std::string& normalised, bool respelt) {
  Check(r.m_strWord == normalised, "reading of the normalised word");
  Check(lexicon.Find(r.m_strKey).has_value(), "key of a lexicon entry");
  Check(std::isfinite(r.m_dScore) && r.m_dScore > 0 && r.m_dScore <= 1,
        "score in (0, 1]");
  Check(!r.m_strPOS.empty(), "label present");
  if (respelt) {
    Check(!r.m_lstErrors.empty() && r.m_lstErrors[0] == kSpellingMessage,
          "spelling message first");
    Check(!r.m_lstSuggestions.empty() && r.m_lstSuggestions[0] == normalised,
          "normalised word first suggestion");
  }
}

}  // namespace

void CheckParse(const CLexicon& lexicon, std::string_view word) {
  CTesvarParser parser(&lexicon);
  ParseResults results;
  const int count = parser.ParseWord(std::string(word), results);
  Check(count >= 0 && static_cast<size_t>(count) == results.size(),
        "count is the list's size");

  std::string normalised(word);
  NormaliseSpelling(&normalised);
  const bool respelt = normalised != word;
  for (const CParseResult& r : results) {
    CheckReading(lexicon, r, normalised, respelt);
  }

  CParseResult earlier;
  earlier.m_strWord = "earlier";
  earlier.m_dScore = 0.5;
  ParseResults again(1, earlier);
  const int count_again = parser.ParseWord(std::string(word), again);
  Check(static_cast<size_t>(count_again) == again.size(),
        "count is the list's size");
  Check(again.size() == results.size() + 1, "same number of readings");
  Check(SameReading(again[0], earlier), "earlier record kept");
  for (size_t i = 0; i < results.size(); ++i) {
    Check(SameReading(again[i + 1], results[i]), "same readings again");
  }
}

void CheckHeadwordIndex(const CLexicon& lexicon, std::string_view word) {
  std::vector<uint32_t> expected;
  const CLexicon::EntryRange entries = lexicon.entries();
  for (size_t i = 0; i < entries.size(); ++i) {
    if (word.find(entries[i].word.m_strHeadword) != std::string_view::npos) {
      expected.push_back(static_cast<uint32_t>(i));
    }
  }
  std::vector<uint32_t> found;
  wordvault::FindHeadwordsIn(lexicon, word, &found);
  Check(found == expected, "index finds the entries a full scan finds");
}

}  // namespace fuzz
}  // namespace tesvar
