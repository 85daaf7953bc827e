// The JSON Lines output of the command line: one object per input word,
//   {"input": "...", "results": [{"pos": "...", "word": "...", "key": "...",
//    "analysis": "...", "score": 1, "errors": [...], "suggestions": [...]}]}
// with exactly this key order and spacing, results in the parser's order,
// and "native" after "suggestions" when asked for.
//
// Strings are valid UTF-8, and every input byte can be read back: a byte
// 0x20..0x7E stands for itself (with '"' and '\' escaped), a well-formed
// UTF-8 sequence is written as it is, and every other byte (control bytes,
// 0x7F, bytes of no well-formed sequence) as \u00xx with lower-case hex,
// the byte read as its Latin-1 character. Scores are written in the
// shortest form that reads back as the identical double.
//
// Pure functions that append to a caller's buffer; thread-safe.

#ifndef TESVAR_TOOLS_JSON_WRITER_H_
#define TESVAR_TOOLS_JSON_WRITER_H_

#include <string>
#include <string_view>

#include "tesvar/parse_result.h"

namespace tesvar {
namespace cli {

// Appends `text` as a JSON string literal, quotes included.
void AppendJsonString(std::string_view text, std::string* out);

// Appends `value` as a JSON number in shortest round-trip form ("1",
// "0.0625", "0.9090909090909091"), or null when it is not finite.
void AppendJsonNumber(double value, std::string* out);

// Appends the record of one input word and its readings, ending in "\n".
// `native` adds each reading's native rendering.
void AppendJsonLine(std::string_view input, const ParseResults& results,
                    bool native, std::string* out);

// Appends the record of an input word that was not analysed, ending in
// "\n": {"input": "<input>", "error": "<error>"}. When `cut` is set,
// `input` is only the start of the word and "..." follows it inside the
// string.
void AppendJsonRefusal(std::string_view input, std::string_view error,
                       std::string* out, bool cut = true);

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_JSON_WRITER_H_
