// Limits that keep the recursive suggestion check finite on every input.
// Corrections can lead back to words already examined, or grow a word at
// each level, or branch at every level; these bounds stop all three. They
// change the output only for words whose corrections run that deep or
// that wide.

#ifndef TESVAR_PARSER_SUGGESTION_LIMITS_H_
#define TESVAR_PARSER_SUGGESTION_LIMITS_H_

namespace tesvar {
namespace suggestion_limits {

// A walk runs only while the parser's depth (after entering the check) is
// at most this; deeper, every suggestion stays unparsed.
constexpr int kMaxWalkDepth = 8;
// Suggestions handed to sub-parsers during one top-level ParseWord, at all
// depths together; once reached, every further suggestion stays unparsed.
constexpr int kMaxSubParses = 256;

}  // namespace suggestion_limits
}  // namespace tesvar

#endif  // TESVAR_PARSER_SUGGESTION_LIMITS_H_
