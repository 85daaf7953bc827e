// Reads lexicon files in the tab-separated format, "TSV version 1":
//
//   - The text is bytes. Lines end in "\n"; a trailing "\r" is dropped, and
//     a last line without "\n" counts. Empty lines and lines whose first
//     byte is '#' are skipped (but still counted in line numbers). A UTF-8
//     byte-order mark at the very start is skipped.
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
// Loading is all or nothing: on any error the lexicon is left empty. Every
// message names the source and the line, "SOURCE:LINE: what is wrong",
// with LINE counting every physical line from 1 and the offending text
// quoted, its control and non-ASCII bytes escaped.
//
// Loading never aborts the process: an input past the size limits of
// LexiconLoadOptions, and running out of memory, are errors like any
// other. A load costs time and memory in proportion to the input (the
// lexicon takes about 2.5 times the bytes of its file).
//
// The functions here are safe to call from several threads on different
// outputs.

#ifndef TESVAR_LEXICON_TSV_H_
#define TESVAR_LEXICON_TSV_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tesvar/export.h"
#include "tesvar/lexicon.h"
#include "tesvar/status.h"

namespace tesvar {

// How a load is bounded and checked. The defaults suit any real lexicon.
struct LexiconLoadOptions {
  // The most bytes of input read, line ends included; 0 means no limit.
  // An input that goes on past it fails at the line where it passes it,
  // so an endless stream stops.
  size_t max_input_bytes = size_t{1} << 30;  // 1 GiB
  // The most bytes of one line before its "\n"; 0 means no limit.
  size_t max_line_bytes = size_t{1} << 20;  // 1 MiB

  // Whether a warning fails the load: the first one, in line order,
  // becomes the error ("SOURCE:LINE: what"). The entries are then checked
  // even when no warnings are asked for.
  bool strict = false;
  // The most warnings listed; past it, one last warning counts the rest.
  // 0 means no limit.
  size_t max_warnings = 1000;
};

// A likely mistake in a lexicon that loads all the same. Checked for:
//   - a UTF-8 byte-order mark at the start (skipped);
//   - an empty headword (the entry is tried for every word), an empty
//     definition;
//   - a key, headword, definition or plural that starts or ends with a
//     blank, holds a control byte (NUL included), or is not valid UTF-8;
//   - a headword or plural not in canonical spelling (no typed word is
//     ever compared with the headword as written);
//   - flags and a plural that the entry's part of speech never uses: the
//     noun flags and the plural only matter to nouns and pronouns,
//     stative only to verbs and pronouns; a plural without the
//     irregularplural flag is never used either;
//   - an entry with the same headword, part of speech and definition as
//     an earlier one.
struct LexiconWarning {
  size_t line = 0;      // the line it is about, counting from 1
  std::string message;  // "SOURCE:LINE: warning: what", ready to print
};

// Parses `text`, the whole content of a lexicon file called `source_name`
// (used only in messages), into `*lexicon`.
//
// On success replaces the content of *lexicon with the file's entries, in
// file order, and returns OK. On error leaves *lexicon empty (nothing of
// the file is loaded) and returns InvalidInput, or OutOfMemory when memory
// ran out, with the message "SOURCE:LINE: what is wrong".
//
// If `warnings` is not null, the entries are checked for likely mistakes
// and *warnings is replaced by the warnings found, in line order (on
// error, those found before it). Checking costs some time and about 10
// bytes of memory per entry during the load.
// REQUIRES: lexicon != nullptr.
TESVAR_EXPORT Status
ParseLexiconTsv(std::string_view text, std::string_view source_name,
                CLexicon* lexicon, const LexiconLoadOptions& options,
                std::vector<LexiconWarning>* warnings = nullptr);
// The same with the default options and no checks.
TESVAR_EXPORT Status ParseLexiconTsv(std::string_view text,
                                     std::string_view source_name,
                                     CLexicon* lexicon);

// Reads the lexicon file at `path` and parses it as ParseLexiconTsv does,
// with `path` as the source name. The file is read as a stream, a piece
// at a time, so a pipe or a device works too, and reading stops at the
// first error or limit: "/dev/zero" fails at its first line, being too
// long. A file that cannot be opened or read gives IoError with the
// message "PATH: cannot read: why" and leaves *lexicon empty.
// REQUIRES: lexicon != nullptr.
TESVAR_EXPORT Status
LoadLexiconTsvFile(const std::string& path, CLexicon* lexicon,
                   const LexiconLoadOptions& options = {},
                   std::vector<LexiconWarning>* warnings = nullptr);

// PartOfSpeechLabel, the labels of the pos column, is in tesvar/lexicon.h.

}  // namespace tesvar

#endif  // TESVAR_LEXICON_TSV_H_
