// The default, human-readable output of the command line. For each input
// word: the word as given (and the spelling read, when that differs),
// then each reading numbered from 1 with its label and English text, a
// line with the normalised word, key and score (to three digits), and one
// line per error, suggestion and (when asked for) native form:
//
//   dat (read as Dat)
//     1. [N] everywhere
//        word Dat, key Dat:N, score 0.909
//        error: Spelling or case.
//        suggestion: Dat
//
// A word without readings gets the line "  no readings". Control bytes
// are shown as \xHH so that they cannot disturb a terminal; other bytes,
// UTF-8 included, are written as they are.
//
// Pure functions that append to a caller's buffer; thread-safe.

#ifndef TESVAR_TOOLS_READABLE_WRITER_H_
#define TESVAR_TOOLS_READABLE_WRITER_H_

#include <string>
#include <string_view>

#include "tesvar/parse_result.h"

namespace tesvar {
namespace cli {

struct ReadableStyle {
  bool native = false;  // add a "native:" line to each reading
  bool colour = false;  // colour labels, errors and suggestions for a terminal
};

// Appends `text` with its well-formed UTF-8 as it is and every other byte
// (control bytes, 0x7F, bytes of no well-formed sequence) written as \xHH,
// so that what reaches a terminal is valid UTF-8 and shows every byte.
void AppendVisible(std::string_view text, std::string* out);

// Appends the readings of one input word; every line ends in "\n".
void AppendReadable(std::string_view input, const ParseResults& results,
                    const ReadableStyle& style, std::string* out);

// Appends the answer for an input word that was not analysed: the word
// (followed by "..." when `cut` says it is only its start), then the line
// "  refused: <why>".
void AppendReadableRefusal(std::string_view input, bool cut,
                           std::string_view why, const ReadableStyle& style,
                           std::string* out);

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_READABLE_WRITER_H_
