// The candidate record's one operation.

#include "tesvar/parse_result.h"

#include "parser/spelling.h"
#include "words/parsed_word.h"

namespace tesvar {

void CParseResult::Case() {
  m_dScore /= factor::kSpelling;
  m_lstErrors.emplace_back(kSpellingMessage);
  m_lstSuggestions.push_back(m_strWord);
}

}  // namespace tesvar
