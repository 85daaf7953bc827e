// The suggestion check walks each candidate's suggestion list from the
// head. The position of the next suggestion is fixed before the current one
// is processed: suggestions appended while processing the last one of the
// list are therefore not visited, while those appended earlier are.
//
// The sub-parser is one object for the whole phase. It starts with this
// parser's depth, and its guard list is this parser's followed by its own
// m_lstTried: since its depth never falls back to zero inside the phase,
// every word it parses stays there. This parser's list does not change
// while the sub-parser lives, so the sub-parser refers to it instead of
// copying it.
//
// Three bounds keep the recursion finite (see suggestion_limits):
//  * within one walk of one list, the verdict on each parsed word (stays or
//    removed) is remembered and applied when the word comes up again, so
//    corrections that lead back to each other are not parsed in circles; a
//    removed word's corrections are appended the first time only;
//  * walks deeper than kMaxWalkDepth leave every suggestion unparsed, since
//    some corrections keep their fault and grow the word at every level;
//  * at most kMaxSubParses suggestions are parsed per top-level call, for
//    corrections that branch at every level. Remembered verdicts cost no
//    parse and still apply once this budget is spent.
//
// Sub-parsers of one top-level call share the readings they collect from
// the lexicon (sub_parse_readings.h); each walk over them runs afresh.
// Tested by parser_test.cc and suggestion_check_test.cc.

#include "parser/suggestion_check.h"

#include <cstddef>
#include <iterator>
#include <utility>
#include <vector>

#include "platform/text.h"

namespace tesvar {

namespace {

// What became of a suggestion that was parsed during one walk.
struct Verdict {
  std::string word;
  bool stays;
};

const Verdict* FindVerdict(const std::vector<Verdict>& verdicts,
                           const std::string& word) {
  for (const Verdict& v : verdicts) {
    if (v.word == word) return &v;
  }
  return nullptr;
}

}  // namespace

bool SuggestionCheck::OnGuardList(const CTesvarParser& parser,
                                  const std::string& word) {
  for (const CTesvarParser* p = &parser; p != nullptr; p = p->guard_parent_) {
    if (ListContains(p->m_lstTried, word)) return true;
  }
  return false;
}

void SuggestionCheck::Run(const std::string& word, ParseResults& results) {
  CTesvarParser& parser = *parser_;
  ++parser.m_nDepth;
  parser.m_lstTried.push_back(word);

  if (parser.m_nDepth <= suggestion_limits::kMaxWalkDepth) {
    CTesvarParser sub_parser(parser.m_pLexicon);
    sub_parser.renders_text_ = false;
    sub_parser.m_nDepth = parser.m_nDepth;
    sub_parser.guard_parent_ = &parser;
    const size_t count = results.size();
    for (size_t i = 0; i < count; ++i) {
      WalkSuggestions(sub_parser, results[i].m_lstSuggestions);
    }
  }

  --parser.m_nDepth;
  if (parser.m_nDepth == 0) parser.m_lstTried.clear();
}

void SuggestionCheck::WalkSuggestions(CTesvarParser& sub_parser,
                                      StringList& suggestions) {
  std::vector<Verdict> verdicts;
  // Only the suggestion being processed is ever removed, so removals are
  // marked and the list is compacted once at the end; the positions ahead
  // of the walk are the same as if each removal had closed its gap.
  std::vector<bool> removed_at;
  for (size_t pos = 0; pos < suggestions.size(); ++pos) {
    // Suggestions appended while the last one is processed are not visited.
    const bool was_last = pos + 1 == suggestions.size();
    const std::string& current = suggestions[pos];
    bool removed = false;

    if (OnGuardList(*parser_, current)) {
      // A word on the current chain: left in place unparsed.
    } else if (const Verdict* seen = FindVerdict(verdicts, current)) {
      // Costs no parse, so it applies even once the budget is spent.
      removed = !seen->stays;
    } else if (budget_->handed_over >= suggestion_limits::kMaxSubParses) {
      // Budget spent: left in place unparsed.
    } else {
      ++budget_->handed_over;
      std::string word = current;
      ParseResults readings;
      removed = sub_parser.ParseWordWithBudget(word, readings, budget_) == 0;
      for (CParseResult& reading : readings) {
        if (reading.m_dScore == 1.0) continue;
        removed = true;
        // May reallocate the list: `current` is not used after this.
        suggestions.insert(
            suggestions.end(),
            std::make_move_iterator(reading.m_lstSuggestions.begin()),
            std::make_move_iterator(reading.m_lstSuggestions.end()));
      }
      verdicts.push_back(Verdict{std::move(word), !removed});
    }
    if (removed) {
      removed_at.resize(suggestions.size(), false);
      removed_at[pos] = true;
    }
    if (was_last) break;
  }
  if (removed_at.empty()) return;
  removed_at.resize(suggestions.size(), false);
  size_t kept = 0;
  for (size_t pos = 0; pos < suggestions.size(); ++pos) {
    if (removed_at[pos]) continue;
    if (kept != pos) suggestions[kept] = std::move(suggestions[pos]);
    ++kept;
  }
  suggestions.resize(kept);
}

}  // namespace tesvar
