// The suggestion check: after the lexicon walk, every suggestion of every
// candidate is parsed in turn by a sub-parser. A suggestion with no reading
// is removed, one whose readings are all flawless stays, and any other is
// replaced by its readings' own (already checked) suggestions.
//
// Lives for one phase of one level of a call. Tested by parser_test.cc and
// suggestion_check_test.cc.

#ifndef TESVAR_PARSER_SUGGESTION_CHECK_H_
#define TESVAR_PARSER_SUGGESTION_CHECK_H_

#include <cstdint>
#include <string>

#include "parser/parse_frame.h"
#include "tesvar/parse_result.h"

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

class WordParse;

class SuggestionCheck {
 public:
  // REQUIRES: parse and frame outlive this object.
  SuggestionCheck(WordParse* parse, ParseFrame* frame)
      : parse_(parse), frame_(frame) {}

  SuggestionCheck(const SuggestionCheck&) = delete;
  SuggestionCheck& operator=(const SuggestionCheck&) = delete;

  // Checks the suggestions of every element of `results` (also those that
  // were there before the call). `word` is the normalised word whose
  // readings these are; it guards against cycles while the check runs.
  void Run(const std::string& word, ParseResults& results);

 private:
  void WalkSuggestions(ParseFrame& sub_frame, StringList& suggestions);
  // Whether `word` is on the guard list of `frame`: its own m_lstTried or
  // that of a frame it was started by. *compared counts the words looked
  // at.
  static bool OnGuardList(const ParseFrame& frame, const std::string& word,
                          uint64_t* compared);

  WordParse* const parse_;
  ParseFrame* const frame_;
};

}  // namespace tesvar

#endif  // TESVAR_PARSER_SUGGESTION_CHECK_H_
