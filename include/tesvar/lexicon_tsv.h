// Reads lexicon files in the tab-separated format, "TSV version 1":
//
//   - The text is bytes. Lines end in "\n"; a trailing "\r" is dropped, and
//     a last line without "\n" counts. Empty lines and lines whose first
//     byte is '#' are skipped (but still counted in line numbers).
//   - The first other line is the header: tab-separated column names, in
//     any order, each at most once. Required: key, headword, pos,
//     definition. Optional: flags, plural.
//   - Every further line is one entry with exactly as many tab-separated
//     fields as the header. key: non-empty, unique in the file. headword,
//     definition, plural: any bytes, may be empty. pos: a decimal 32-bit
//     integer (an optional leading '-', nothing else) or one of the labels
//     N V P ADV NUM CONJ EXCL Q (codes 0 to 7). flags: empty, or a
//     comma-separated list of language, bodypart, inherentplural,
//     irregularplural, stative.
//
// The functions here read from memory only; the caller reads the file.
// They are safe to call from several threads on different outputs.

#ifndef TESVAR_LEXICON_TSV_H_
#define TESVAR_LEXICON_TSV_H_

#include <string_view>

#include "tesvar/export.h"
#include "tesvar/lexicon.h"
#include "tesvar/status.h"

namespace tesvar {

// Parses `text`, the whole content of a lexicon file called `source_name`
// (used only in messages), into `*lexicon`.
//
// On success replaces the content of *lexicon with the file's entries, in
// file order, and returns OK. On error leaves *lexicon empty (nothing of
// the file is loaded) and returns InvalidInput with the message
// "SOURCE:LINE: what is wrong", LINE counting every physical line from 1
// and the offending text quoted, its control and non-ASCII bytes escaped.
// REQUIRES: lexicon != nullptr.
TESVAR_EXPORT Status ParseLexiconTsv(std::string_view text,
                                     std::string_view source_name,
                                     CLexicon* lexicon);

// The label of a part-of-speech code as used in lexicon files and in
// results: "N", "V", "P", "ADV", "NUM", "CONJ", "EXCL", "Q", or "X".
TESVAR_EXPORT std::string_view PartOfSpeechLabel(int32_t code);

}  // namespace tesvar

#endif  // TESVAR_LEXICON_TSV_H_
