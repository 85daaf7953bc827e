// The verb prefixes (with the English subject and object they stand for)
// and the verb suffixes (with type and English gloss). Row order is the
// order in which the analysis tries them; both tables are also the gloss
// lookups of the renderers (first equal row wins).

#ifndef TESVAR_VERBS_VERB_AFFIX_TABLES_H_
#define TESVAR_VERBS_VERB_AFFIX_TABLES_H_

#include <cstddef>
#include <string_view>

namespace tesvar {

struct VerbPrefixRow {
  std::string_view prefix;
  std::string_view subject;  // ends in one blank
  std::string_view object;   // ends in one blank; empty: no object
};

constexpr size_t kVerbPrefixCount = 28;
extern const VerbPrefixRow kVerbPrefixes[kVerbPrefixCount];

// The length of the verb prefix that `word` begins with, or 0 when it
// begins with none. No prefix begins another, so there is at most one.
size_t VerbPrefixLength(std::string_view word);

// Type of the negation and emphasis suffixes that have no fixed slot.
constexpr int kRoverType = 0;

struct VerbSuffixRow {
  std::string_view suffix;
  int type;                // 1 to 9 for VS1..VS9, kRoverType for rovers
  std::string_view gloss;  // trailing blank where the English needs one
};

constexpr size_t kVerbSuffixCount = 40;
extern const VerbSuffixRow kVerbSuffixes[kVerbSuffixCount];

// The first row (in row order) whose suffix `text` begins with, or nullptr.
const VerbSuffixRow* MatchVerbSuffix(std::string_view text);

}  // namespace tesvar

#endif  // TESVAR_VERBS_VERB_AFFIX_TABLES_H_
