// The state of a call in progress, in two parts: what the whole call shares
// (ParseScratch::Impl) and what each level of the suggestion check's
// recursion keeps for itself (ParseFrame).

#ifndef TESVAR_PARSER_PARSE_FRAME_H_
#define TESVAR_PARSER_PARSE_FRAME_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "parser/analysis_scratch.h"
#include "parser/spelling.h"
#include "parser/sub_parse_readings.h"
#include "parser/suggestion_limits.h"
#include "parser/text_arena.h"
#include "parser/weighed_reading.h"
#include "parser/word_positions.h"
#include "parser/work_meter.h"
#include "tesvar/parse_result.h"
#include "tesvar/parser.h"
#include "verbs/verb_scan_memo.h"

namespace tesvar {

// One level of the recursion: the top-level call, or the sub-parser that
// checks the suggestions of one level. A sub-parser starts with its
// parent's depth; its guard list is its parent's followed by its own
// m_lstTried. The parent's list does not change while the sub-parser
// lives, so the sub-parser refers to it instead of copying it.
struct ParseFrame {
  // How many suggestion checks of this frame are running.
  int32_t m_nDepth = 0;
  // Words (normalised) whose suggestion check is in progress along the
  // current chain, and, in a sub-parser, every word it has parsed (none
  // past the depth bound, where it walks nothing); views of the call's
  // TextArena or of the top-level word.
  WordPositions m_lstTried;
  // The frame whose guard list continues this one's; null at the top.
  const ParseFrame* guard_parent = nullptr;

  // Makes this a top-level frame with nothing running, keeping the
  // storage of its list.
  void Restart() {
    m_nDepth = 0;
    m_lstTried.Clear();
    guard_parent = nullptr;
  }
};

// What a walk over one suggestion list at one depth works with. Walks at
// one depth run one after another, so each depth has one set, reused.
struct WalkLevel {
  // The sub-parser of the walks at this depth.
  ParseFrame sub_frame;
  // The readings of the sub-parse of the suggestion being processed.
  WeighedReadings readings;
  // What became of each suggestion parsed during the walk: the words, and
  // whether each stays.
  WordPositions verdict_words;
  std::vector<uint8_t> verdict_stays;
  // The positions of the suggestions removed, in increasing order.
  std::vector<size_t> removed;
};

// What one top-level call and all its levels share.
struct ParseScratch::Impl {
  // Used by every level in turn: each collects its readings completely
  // before it starts a sub-parse.
  AnalysisScratch analyses;
  // The texts the suggestion check hands around, for the whole call.
  TextArena texts;
  SubParseReadings sub_parse_readings;
  // The scans of long words the verb analyses of sub-parses keep, one
  // memo per analysis.
  VerbScanMemo verb_scans;
  VerbScanMemo pronoun_verb_scans;
  // The frame of the top-level call, kept so that its list's storage
  // serves one call after another.
  ParseFrame top_frame;
  // By depth of the walking frame, 1 to kMaxWalkDepth.
  WalkLevel levels[suggestion_limits::kMaxWalkDepth + 1];
  // The top-level readings' suggestions while they are checked, and
  // whether the check changed them.
  std::vector<SuggestionViews> top_suggestions;
  std::vector<bool> top_changed;
  // The word of the top-level call, normalised in place; kept so that its
  // storage serves one call after another.
  std::string word;
  // A word being normalised, or the word as typed beside it.
  std::string normalising;
  // The spelling check of the words handed to sub-parses, which are views
  // of `texts`.
  CanonicalSpellingCheck sub_parse_spelling;
  // Suggestions handed to sub-parses so far, at all depths together.
  int handed_over = 0;
  WorkMeter meter;
  // The elements a ParseWord caller passed in, restored if the call stops.
  ParseResults saved;
};

}  // namespace tesvar

#endif  // TESVAR_PARSER_PARSE_FRAME_H_
