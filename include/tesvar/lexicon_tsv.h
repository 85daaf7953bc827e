// Reads lexicon files in the tab-separated format ("TSV version 1"):
// a header line naming the columns (key, headword, pos, definition, and
// optionally flags and plural), then one entry per line. Lines starting
// with '#' and empty lines are ignored; "\r\n" line ends are accepted.
//
// The functions here read from memory only; the caller reads the file.
// They are safe to call from several threads on different outputs.

#ifndef TESVAR_LEXICON_TSV_H_
#define TESVAR_LEXICON_TSV_H_

#include <string_view>

#include "tesvar/lexicon.h"
#include "tesvar/status.h"

namespace tesvar {

// Parses `text`, the whole content of a lexicon file called `source_name`
// (used only in messages), into `*lexicon`.
//
// On success replaces the content of *lexicon with the file's entries, in
// file order, and returns OK. On error leaves *lexicon empty and returns
// InvalidInput with the message "SOURCE:LINE: what is wrong".
// REQUIRES: lexicon != nullptr.
Status ParseLexiconTsv(std::string_view text, std::string_view source_name,
                       CLexicon* lexicon);

// The label of a part-of-speech code as used in lexicon files and in
// results: "N", "V", "P", "ADV", "NUM", "CONJ", "EXCL", "Q", or "X".
std::string_view PartOfSpeechLabel(int32_t code);

}  // namespace tesvar

#endif  // TESVAR_LEXICON_TSV_H_
