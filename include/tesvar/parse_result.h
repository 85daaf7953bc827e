// One candidate reading of a word, as handed back by CTesvarParser: a flat,
// self-contained copy of what one analysis found. Records share nothing
// with each other, with the analyses or with the lexicon.
//
// A CParseResult is a plain value; distinct records may be used from
// distinct threads.

#ifndef TESVAR_PARSE_RESULT_H_
#define TESVAR_PARSE_RESULT_H_

#include <string>
#include <vector>

#include "tesvar/export.h"
#include "tesvar/string_list.h"

namespace tesvar {

class TESVAR_EXPORT CParseResult {
 public:
  CParseResult() = default;
  CParseResult(const CParseResult&) = default;
  CParseResult& operator=(const CParseResult&) = default;
  CParseResult(CParseResult&&) = default;
  CParseResult& operator=(CParseResult&&) = default;
  ~CParseResult() = default;

  // Marks the candidate as found only after the input's spelling or case
  // was normalised: divides the score by 1.1, appends "Spelling or case."
  // to the errors and the normalised word to the suggestions.
  void Case();

  std::string m_strPOS;         // "N", "V", "P", "ADV", "NUM", "CONJ", ...
  std::string m_strWord;        // the word analysed, normalised
  std::string m_strKey;         // lexicon key of the matched entry
  std::string m_strAnalysis;    // English rendering of the reading
  double m_dScore = 0.0;        // 1.0 exactly for a flawless reading
  StringList m_lstErrors;       // what is wrong under this reading
  StringList m_lstSuggestions;  // corrected word forms

  // The reading written back in the language's own notation. Not used by
  // the parser itself; offered to hosts that show it.
  std::string m_strNative;
};

using ParseResults = std::vector<CParseResult>;

}  // namespace tesvar

#endif  // TESVAR_PARSE_RESULT_H_
