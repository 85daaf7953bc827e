// CTesvarParser analyses one written word against a lexicon: it normalises
// the spelling, tries every entry whose headword occurs in the word with
// the analysis that fits the entry's part of speech, appends one
// CParseResult per reading and then checks each suggestion by parsing it.
//
// A parser object serves one call at a time (it keeps the recursion state
// of the suggestion check during a call). Use one parser per thread; any
// number of parsers may share one lexicon, which they only read.

#ifndef TESVAR_PARSER_H_
#define TESVAR_PARSER_H_

#include <cstdint>
#include <memory>
#include <string>

#include "tesvar/lexicon.h"
#include "tesvar/parse_result.h"

namespace tesvar {

class SuggestionCheck;
struct AnalysisScratch;

class CTesvarParser {
 public:
  // A parser with no lexicon attached; it behaves as if the lexicon were
  // empty until m_pLexicon is set.
  CTesvarParser();
  explicit CTesvarParser(const CLexicon* lexicon);

  // Not copyable: a parser carries per-call state.
  CTesvarParser(const CTesvarParser&) = delete;
  CTesvarParser& operator=(const CTesvarParser&) = delete;
  virtual ~CTesvarParser();

  // Appends every reading of `word` to `results` (existing elements are
  // kept and also have their suggestions checked) and returns the number
  // of elements in `results` afterwards. `word` is any bytes; it is
  // normalised first. Never fails: a word with no reading adds nothing.
  // Cost: words of the language are short and take microseconds; a long
  // word that repeats a suffix many times costs far more than its length
  // (each repetition adds corrections, each parsed in turn), so hosts that
  // take untrusted input should bound the word length, as the command line
  // does at 256 bytes.
  int ParseWord(std::string word, ParseResults& results);

  // The lexicon to search; not owned. The caller must keep it alive and
  // unchanged while ParseWord runs.
  const CLexicon* m_pLexicon = nullptr;

  // Recursion state of the suggestion check; 0 and empty between calls.
  int32_t m_nDepth = 0;
  StringList m_lstTried;

 protected:
  // Rewrites `word` into the canonical spelling of the language.
  static void AdjustCase(std::string& word);
  // 1 when `c` belongs to the language's alphabet (45 bytes), else 0.
  static int IsValidChar(char c);

 private:
  friend class SuggestionCheck;

  // Shared by a top-level call and all its sub-parsers (defined with the
  // suggestion check).
  struct Budget;

  int ParseWordWithBudget(std::string word, ParseResults& results,
                          Budget* budget);
  void CollectReadings(const std::string& word, bool normalised_changed,
                       ParseResults& results, AnalysisScratch* scratch) const;

  // Sub-parsers of the suggestion check fill only the word, score and
  // suggestions of their readings: only counts, scores and suggestions
  // matter there.
  bool renders_text_ = true;
  // For a sub-parser, the parser whose guard list continues its own.
  const CTesvarParser* guard_parent_ = nullptr;
  // Reused by every call of this parser and by its sub-parsers; made on
  // the first call.
  std::unique_ptr<AnalysisScratch> scratch_;
};

}  // namespace tesvar

#endif  // TESVAR_PARSER_H_
