// The noun suffixes: text, English gloss and type (1 closest to the noun,
// 5 outermost). Row order is the order in which the analysis tries them.

#ifndef TESVAR_NOUNS_NOUN_SUFFIX_TABLE_H_
#define TESVAR_NOUNS_NOUN_SUFFIX_TABLE_H_

#include <cstddef>
#include <string_view>

namespace tesvar {

struct NounSuffixRow {
  std::string_view suffix;
  std::string_view gloss;  // no trailing blank
  int type;                // 1 to 5
};

constexpr size_t kNounSuffixCount = 26;
extern const NounSuffixRow kNounSuffixes[kNounSuffixCount];

}  // namespace tesvar

#endif  // TESVAR_NOUNS_NOUN_SUFFIX_TABLE_H_
