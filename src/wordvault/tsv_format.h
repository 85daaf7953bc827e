// The line grammar of lexicon files: the header's columns, an entry's
// fields, part-of-speech labels and numbers, flags, and the quoting of
// text in messages. What is wrong with a line is said in words for the
// loader to put after "SOURCE:LINE: ".
//
// Pure functions; thread-safe.

#ifndef TESVAR_WORDVAULT_TSV_FORMAT_H_
#define TESVAR_WORDVAULT_TSV_FORMAT_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tesvar/lexicon.h"

namespace tesvar {
namespace wordvault {

// The columns a file may name.
enum class Column { kKey, kHeadword, kPos, kDefinition, kFlags, kPlural };

// The column of each header field, in field order.
using Header = std::vector<Column>;

constexpr char kFieldSeparator = '\t';
constexpr char kCommentMark = '#';

// `text` in single quotes with quote, backslash, control and non-ASCII
// bytes escaped ("\xHH").
std::string Quote(std::string_view text);

// Splits `line` at each `separator` into *fields (replacing its content,
// keeping its storage, since it is reused for every line).
void SplitInto(std::string_view line, char separator,
               std::vector<std::string_view>* fields);

// Fills *header from the header line; returns an empty string, or what is
// wrong.
std::string ParseHeader(std::string_view line, Header* header);

// Fills *key and *word from the fields of one entry line, or stores what
// is wrong in *error and returns false; `line` is the whole line, for
// hints about its separators.
bool ParseEntry(std::string_view line,
                const std::vector<std::string_view>& fields,
                const Header& header, std::string_view* key, CTWord* word,
                std::string* error);

// The entry attributes that the flags column can switch on.
struct FlagRow {
  std::string_view name;  // as written in files; DO NOT CHANGE
  int32_t CTWord::*field;
  bool noun_only;  // read only by the noun analysis, else by the verb's
};

inline constexpr FlagRow kFlags[] = {
    {"language", &CTWord::m_bLanguage, true},
    {"bodypart", &CTWord::m_bBodyPart, true},
    {"inherentplural", &CTWord::m_bInherentPlural, true},
    {"irregularplural", &CTWord::m_bIrregularPlural, true},
    {"stative", &CTWord::m_bStative, false},
};

}  // namespace wordvault
}  // namespace tesvar

#endif  // TESVAR_WORDVAULT_TSV_FORMAT_H_
