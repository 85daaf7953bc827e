// The state of a call in progress, in two parts: what the whole call shares
// (ParseScratch::Impl) and what each level of the suggestion check's
// recursion keeps for itself (ParseFrame).

#ifndef TESVAR_PARSER_PARSE_FRAME_H_
#define TESVAR_PARSER_PARSE_FRAME_H_

#include <cstdint>

#include "parser/analysis_scratch.h"
#include "parser/sub_parse_readings.h"
#include "parser/work_meter.h"
#include "tesvar/parse_result.h"
#include "tesvar/parser.h"

namespace tesvar {

// One level of the recursion: the top-level call, or the sub-parser that
// checks the suggestions of one level. A sub-parser starts with its
// parent's depth; its guard list is its parent's followed by its own
// m_lstTried. The parent's list does not change while the sub-parser
// lives, so the sub-parser refers to it instead of copying it.
struct ParseFrame {
  // How many suggestion checks of this frame are running.
  int32_t m_nDepth = 0;
  // Words whose suggestion check is in progress along the current chain,
  // and, in a sub-parser, every word it has parsed.
  StringList m_lstTried;
  // The frame whose guard list continues this one's; null at the top.
  const ParseFrame* guard_parent = nullptr;
  // Sub-parses only weigh their readings (count, scores, suggestions),
  // which are never shown: their key, label, texts and messages stay
  // empty. The texts cannot influence the rest: every check has run when
  // an analysis's Parse returns.
  bool renders_text = true;
};

// What one top-level call and all its levels share.
struct ParseScratch::Impl {
  // Used by every level in turn: each collects its readings completely
  // before it starts a sub-parse.
  AnalysisScratch analyses;
  SubParseReadings sub_parse_readings;
  // Suggestions handed to sub-parses so far, at all depths together.
  int handed_over = 0;
  WorkMeter meter;
  // The elements a ParseWord caller passed in, restored if the call stops.
  ParseResults saved;
};

}  // namespace tesvar

#endif  // TESVAR_PARSER_PARSE_FRAME_H_
