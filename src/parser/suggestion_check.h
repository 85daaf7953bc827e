// The suggestion check: after the lexicon walk, every suggestion of every
// candidate is parsed in turn by a sub-parser. A suggestion with no reading
// is removed, one whose readings are all flawless stays, and any other is
// replaced by its readings' own (already checked) suggestions.
//
// Lives for one phase of one level of a call. Tested by parser_test.cc and
// suggestion_check_test.cc.

#ifndef TESVAR_PARSER_SUGGESTION_CHECK_H_
#define TESVAR_PARSER_SUGGESTION_CHECK_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "parser/parse_frame.h"
#include "parser/suggestion_limits.h"
#include "parser/weighed_reading.h"
#include "tesvar/parse_result.h"

namespace tesvar {

class WordParse;

class SuggestionCheck {
 public:
  // REQUIRES: parse and frame outlive this object.
  SuggestionCheck(WordParse* parse, ParseFrame* frame)
      : parse_(parse), frame_(frame) {}

  SuggestionCheck(const SuggestionCheck&) = delete;
  SuggestionCheck& operator=(const SuggestionCheck&) = delete;

  // Checks the suggestions of every element of `results` (also those that
  // were there before the call), at the top level. `word` is the
  // normalised word whose readings these are; it guards against cycles
  // while the check runs.
  void Run(std::string_view word, ParseResults& results);
  // The same for the readings of a sub-parse. REQUIRES: `word` stays valid
  // until the end of the call.
  void Run(std::string_view word, WeighedReadings& readings);

 private:
  // Walks `count` lists with `word`, whose hash is `hash`, on the guard
  // list. list_at(i, false)
  // gives the i-th list; list_at(i, true) is called after a walk changed
  // it.
  template <typename ListAt>
  void Walk(std::string_view word, uint64_t hash, size_t count, ListAt list_at);
  // Returns whether the list changed.
  bool WalkSuggestions(ParseFrame& sub_frame, SuggestionViews& suggestions);
  // Whether `word` is on the guard list of `frame`: its own m_lstTried or
  // that of a frame it was started by. *compared counts the words looked
  // at.
  static bool OnGuardList(const ParseFrame& frame, std::string_view word,
                          uint64_t hash, uint64_t* compared);

  WordParse* const parse_;
  ParseFrame* const frame_;
};

}  // namespace tesvar

#endif  // TESVAR_PARSER_SUGGESTION_CHECK_H_
