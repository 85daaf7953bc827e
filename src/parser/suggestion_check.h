// The suggestion check: after the lexicon walk, every suggestion of every
// candidate is parsed in turn by a sub-parser. A suggestion with no reading
// is removed, one whose readings are all flawless stays, and any other is
// replaced by its readings' own (already checked) suggestions.
//
// Lives for one phase of one ParseWord call. Tested by parser_test.cc and
// suggestion_check_test.cc.

#ifndef TESVAR_PARSER_SUGGESTION_CHECK_H_
#define TESVAR_PARSER_SUGGESTION_CHECK_H_

#include <string>

#include "parser/sub_parse_readings.h"
#include "tesvar/parser.h"

namespace tesvar {

// Limits that keep the recursive check finite on every input. Corrections
// can lead back to words already examined, or grow a word at each level,
// or branch at every level; these bounds stop all three. They change the
// output only for words whose corrections run that deep or that wide.
namespace suggestion_limits {
// A walk runs only while the parser's depth (after entering the check) is
// at most this; deeper, every suggestion stays unparsed.
constexpr int kMaxWalkDepth = 8;
// Suggestions handed to sub-parsers during one top-level ParseWord, at all
// depths together; once reached, every further suggestion stays unparsed.
constexpr int kMaxSubParses = 256;
}  // namespace suggestion_limits

// What a top-level call and all its sub-parsers share: how many
// suggestions have been handed to a sub-parser so far, the readings those
// sub-parses collected, and the analysis objects.
struct CTesvarParser::Budget {
  int handed_over = 0;
  SubParseReadings readings;
  // The top-level parser's, used by every parser of the call in turn: each
  // collects its readings completely before it starts a sub-parser.
  AnalysisScratch* scratch = nullptr;
};

class SuggestionCheck {
 public:
  // REQUIRES: parser and budget outlive this object.
  SuggestionCheck(CTesvarParser* parser, CTesvarParser::Budget* budget)
      : parser_(parser), budget_(budget) {}

  SuggestionCheck(const SuggestionCheck&) = delete;
  SuggestionCheck& operator=(const SuggestionCheck&) = delete;

  // Checks the suggestions of every element of `results` (also those that
  // were there before the call). `word` is the normalised word whose
  // readings these are; it guards against cycles while the check runs.
  void Run(const std::string& word, ParseResults& results);

 private:
  void WalkSuggestions(CTesvarParser& sub_parser, StringList& suggestions);
  // Whether `word` is on the guard list of `parser`: its own m_lstTried
  // or that of a parser it was started by.
  static bool OnGuardList(const CTesvarParser& parser, const std::string& word);

  CTesvarParser* const parser_;
  CTesvarParser::Budget* const budget_;
};

}  // namespace tesvar

#endif  // TESVAR_PARSER_SUGGESTION_CHECK_H_
