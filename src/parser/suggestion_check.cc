// The suggestion check walks each candidate's suggestion list from the
// head. The position of the next suggestion is fixed before the current one
// is processed: suggestions appended while processing the last one of the
// list are therefore not visited, while those appended earlier are.
//
// The sub-parser is one frame for the whole phase. It starts with this
// frame's depth, and its guard list is this frame's followed by its own
// m_lstTried: since its depth never falls back to zero inside the phase,
// every word it parses stays there. (Past the depth bound a sub-parser
// walks nothing, and no list of its would ever be searched, so it keeps
// none.)
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
// Suggestions travel as views of the call's TextArena: the top level's
// are copied there when its check starts and written back when it ends,
// and a sub-parse's are copied there once, when its readings are
// collected. The arena keeps each text's hash beside it, so a step looks
// its suggestion up in the guard lists, the verdicts and the shared
// readings without reading it whole.
//
// Every step of a walk is charged to the call's work meter by the words it
// compares; once the meter stops, the walk ends where it is and the call
// unwinds.
// Tested by parser_test.cc and suggestion_check_test.cc.

#include "parser/suggestion_check.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "parser/text_arena.h"
#include "parser/word_parse.h"
#include "parser/word_positions.h"

namespace tesvar {

namespace {

// Whether `word` is in `words`, at *at; adds to *compared the words a
// search in turn would look at: up to and including the word, or all.
bool Find(const WordPositions& words, std::string_view word, uint64_t hash,
          uint64_t* compared, size_t* at) {
  *at = words.Find(word, hash);
  const bool found = *at < words.size();
  *compared += found ? *at + 1 : words.size();
  return found;
}

bool AnySuggestions(const ParseResults& results) {
  for (const CParseResult& result : results) {
    if (!result.m_lstSuggestions.empty()) return true;
  }
  return false;
}

}  // namespace

bool SuggestionCheck::OnGuardList(const ParseFrame& frame,
                                  std::string_view word, uint64_t hash,
                                  uint64_t* compared) {
  size_t at = 0;
  for (const ParseFrame* f = &frame; f != nullptr; f = f->guard_parent) {
    if (Find(f->m_lstTried, word, hash, compared, &at)) return true;
  }
  return false;
}

void SuggestionCheck::Run(std::string_view word, ParseResults& results) {
  // At the top, without suggestions, there is nothing to walk, and the
  // guard list would be set up only to be taken down again. (A sub-parser
  // keeps every word it parses on its list, so it must go on.)
  if (frame_->m_nDepth == 0 && !AnySuggestions(results)) return;
  ParseScratch::Impl& scratch = parse_->scratch();
  std::vector<SuggestionViews>& lists = scratch.top_suggestions;
  if (lists.size() < results.size()) lists.resize(results.size());
  for (size_t i = 0; i < results.size(); ++i) {
    lists[i].clear();
    for (const std::string& suggestion : results[i].m_lstSuggestions) {
      lists[i].push_back(scratch.texts.Copy(suggestion));
    }
  }
  std::vector<bool>& changed = scratch.top_changed;
  changed.assign(results.size(), false);
  Walk(word, TextArena::Hash(word), results.size(),
       [&lists, &changed](size_t i, bool walk_changed) -> SuggestionViews& {
         changed[i] = changed[i] || walk_changed;
         return lists[i];
       });
  // A stopped call hands back nothing of this.
  if (scratch.meter.stopped()) return;
  for (size_t i = 0; i < results.size(); ++i) {
    if (!changed[i]) continue;
    StringList& suggestions = results[i].m_lstSuggestions;
    suggestions.resize(lists[i].size());
    for (size_t j = 0; j < lists[i].size(); ++j) {
      suggestions[j].assign(lists[i][j]);
    }
  }
}

void SuggestionCheck::Run(std::string_view word, WeighedReadings& readings) {
  Walk(word, TextArena::HashOf(word), readings.size(),
       [&readings](size_t i, bool /*walk_changed*/) -> SuggestionViews& {
         return readings[i].suggestions;
       });
}

template <typename ListAt>
void SuggestionCheck::Walk(std::string_view word, uint64_t hash, size_t count,
                           ListAt list_at) {
  ParseFrame& frame = *frame_;
  ++frame.m_nDepth;
  // Deeper than that, the frame walks nothing, so no guard list that is
  // ever searched would hold the word.
  if (frame.m_nDepth <= suggestion_limits::kMaxWalkDepth) {
    frame.m_lstTried.Add(word, hash);
    ParseFrame& sub_frame = parse_->scratch().levels[frame.m_nDepth].sub_frame;
    sub_frame.m_nDepth = frame.m_nDepth;
    sub_frame.m_lstTried.Clear();
    sub_frame.guard_parent = &frame;
    WorkMeter& meter = parse_->scratch().meter;
    for (size_t i = 0; i < count && !meter.stopped(); ++i) {
      SuggestionViews& suggestions = list_at(i, false);
      // An empty list has nothing to walk or change.
      if (suggestions.empty()) continue;
      if (WalkSuggestions(sub_frame, suggestions)) list_at(i, true);
    }
  }

  --frame.m_nDepth;
  if (frame.m_nDepth == 0) frame.m_lstTried.Clear();
}

bool SuggestionCheck::WalkSuggestions(ParseFrame& sub_frame,
                                      SuggestionViews& suggestions) {
  ParseScratch::Impl& scratch = parse_->scratch();
  WalkLevel& level = scratch.levels[frame_->m_nDepth];
  WordPositions& verdict_words = level.verdict_words;
  verdict_words.Clear();
  level.verdict_stays.clear();
  // Only the suggestion being processed is ever removed, so removals are
  // noted and the list is compacted once at the end; the positions ahead
  // of the walk are the same as if each removal had closed its gap.
  std::vector<size_t>& removed_positions = level.removed;
  removed_positions.clear();
  // The guard lists do not change during the walk: together they tell at
  // once that most words are on none of them.
  uint64_t guard_filter = 0;
  uint64_t guard_words = 0;
  for (const ParseFrame* f = frame_; f != nullptr; f = f->guard_parent) {
    guard_filter |= f->m_lstTried.filter();
    guard_words += f->m_lstTried.size();
  }
  bool changed = false;
  for (size_t pos = 0; pos < suggestions.size(); ++pos) {
    // Suggestions appended while the last one is processed are not visited.
    const bool was_last = pos + 1 == suggestions.size();
    // A view: appending below may move the list, never the text.
    const std::string_view current = suggestions[pos];
    const uint64_t hash = TextArena::HashOf(current);
    bool removed = false;
    uint64_t compared = 0;

    size_t verdict = 0;
    bool guarded = false;
    if ((guard_filter & WordPositions::FilterBit(hash)) == 0) {
      compared = guard_words;
    } else {
      guarded = OnGuardList(*frame_, current, hash, &compared);
    }
    if (guarded) {
      // A word on the current chain: left in place unparsed.
    } else if (Find(verdict_words, current, hash, &compared, &verdict)) {
      // Costs no parse, so it applies even once the budget is spent.
      removed = !level.verdict_stays[verdict];
    } else if (scratch.handed_over >= suggestion_limits::kMaxSubParses) {
      // Budget spent: left in place unparsed.
    } else {
      ++scratch.handed_over;
      if (!scratch.meter.Charge(work_cost::kSubParse + current.size())) break;
      // The readings of one sub-parse at a time; the level's storage
      // serves them all.
      WeighedReadings& readings = level.readings;
      readings.Clear();
      removed = parse_->RunSub(current, readings, sub_frame) == 0;
      if (scratch.meter.stopped()) break;
      for (const WeighedReading& reading : readings) {
        if (reading.score == 1.0) continue;
        removed = true;
        suggestions.insert(suggestions.end(), reading.suggestions.begin(),
                           reading.suggestions.end());
        changed |= !reading.suggestions.empty();
      }
      verdict_words.Add(current, hash);
      level.verdict_stays.push_back(!removed);
    }
    // Most steps fit the budget and the next interrupt check: one sum.
    if (!scratch.meter.ChargeQuietly(compared) &&
        !scratch.meter.ChargeEach(compared, 1)) {
      break;
    }
    if (removed) removed_positions.push_back(pos);
    if (was_last) break;
  }
  if (removed_positions.empty()) return changed;
  // Moves each run of kept suggestions down over the gaps before it.
  const auto at = [&suggestions](size_t pos) {
    return suggestions.begin() + static_cast<std::ptrdiff_t>(pos);
  };
  auto kept = at(removed_positions[0]);
  for (size_t k = 0; k < removed_positions.size(); ++k) {
    const size_t run_end = k + 1 < removed_positions.size()
                               ? removed_positions[k + 1]
                               : suggestions.size();
    kept = std::copy(at(removed_positions[k] + 1), at(run_end), kept);
  }
  suggestions.erase(kept, suggestions.end());
  return true;
}

}  // namespace tesvar
