// The suggestion check walks each candidate's suggestion list from the
// head. The position of the next suggestion is fixed before the current one
// is processed: suggestions appended while processing the last one of the
// list are therefore not visited, while those appended earlier are.
//
// The sub-parser is one frame for the whole phase. It starts with this
// frame's depth, and its guard list is this frame's followed by its own
// m_lstTried: since its depth never falls back to zero inside the phase,
// every word it parses stays there.
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
//
// Every step of a walk is charged to the call's work meter by the words it
// compares; once the meter stops, the walk ends where it is and the call
// unwinds.
// Tested by parser_test.cc and suggestion_check_test.cc.

#include "parser/suggestion_check.h"

#include <cstddef>
#include <iterator>
#include <utility>
#include <vector>

#include "parser/word_parse.h"

namespace tesvar {

namespace {

// What became of a suggestion that was parsed during one walk.
struct Verdict {
  std::string word;
  bool stays;
};

const Verdict* FindVerdict(const std::vector<Verdict>& verdicts,
                           const std::string& word, uint64_t* compared) {
  for (const Verdict& v : verdicts) {
    ++*compared;
    if (v.word == word) return &v;
  }
  return nullptr;
}

bool AnySuggestions(const ParseResults& results) {
  for (const CParseResult& result : results) {
    if (!result.m_lstSuggestions.empty()) return true;
  }
  return false;
}

}  // namespace

bool SuggestionCheck::OnGuardList(const ParseFrame& frame,
                                  const std::string& word, uint64_t* compared) {
  for (const ParseFrame* f = &frame; f != nullptr; f = f->guard_parent) {
    for (const std::string& tried : f->m_lstTried) {
      ++*compared;
      if (tried == word) return true;
    }
  }
  return false;
}

void SuggestionCheck::Run(const std::string& word, ParseResults& results) {
  ParseFrame& frame = *frame_;
  // At the top, without suggestions, there is nothing to walk, and the
  // guard list would be set up only to be taken down again. (A sub-parser
  // keeps every word it parses on its list, so it must go on.)
  if (frame.m_nDepth == 0 && !AnySuggestions(results)) return;
  ++frame.m_nDepth;
  frame.m_lstTried.push_back(word);

  if (frame.m_nDepth <= suggestion_limits::kMaxWalkDepth) {
    ParseFrame sub_frame;
    sub_frame.renders_text = false;
    sub_frame.m_nDepth = frame.m_nDepth;
    sub_frame.guard_parent = &frame;
    const size_t count = results.size();
    for (size_t i = 0; i < count && !parse_->scratch().meter.stopped(); ++i) {
      WalkSuggestions(sub_frame, results[i].m_lstSuggestions);
    }
  }

  --frame.m_nDepth;
  if (frame.m_nDepth == 0) frame.m_lstTried.clear();
}

void SuggestionCheck::WalkSuggestions(ParseFrame& sub_frame,
                                      StringList& suggestions) {
  ParseScratch::Impl& scratch = parse_->scratch();
  std::vector<Verdict> verdicts;
  // Only the suggestion being processed is ever removed, so removals are
  // marked and the list is compacted once at the end; the positions ahead
  // of the walk are the same as if each removal had closed its gap.
  std::vector<bool> removed_at;
  // The readings of one sub-parse at a time; its storage serves them all.
  ParseResults readings;
  for (size_t pos = 0; pos < suggestions.size(); ++pos) {
    // Suggestions appended while the last one is processed are not visited.
    const bool was_last = pos + 1 == suggestions.size();
    const std::string& current = suggestions[pos];
    bool removed = false;
    uint64_t compared = 0;

    if (OnGuardList(*frame_, current, &compared)) {
      // A word on the current chain: left in place unparsed.
    } else if (const Verdict* seen =
                   FindVerdict(verdicts, current, &compared)) {
      // Costs no parse, so it applies even once the budget is spent.
      removed = !seen->stays;
    } else if (scratch.handed_over >= suggestion_limits::kMaxSubParses) {
      // Budget spent: left in place unparsed.
    } else {
      ++scratch.handed_over;
      if (!scratch.meter.Charge(work_cost::kSubParse + current.size())) break;
      std::string word = current;
      readings.clear();
      removed = parse_->Run(word, readings, sub_frame) == 0;
      if (scratch.meter.stopped()) break;
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
    if (!scratch.meter.ChargeEach(compared, 1)) break;
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
