// Checks shared by the fuzz targets that parse words: what must hold for
// every word against every lexicon, whatever the readings are.

#ifndef TESVAR_FUZZ_PARSE_CHECKS_H_
#define TESVAR_FUZZ_PARSE_CHECKS_H_

#include <string_view>

#include "tesvar/lexicon.h"

namespace tesvar {
namespace fuzz {

// Parses `word` against `lexicon` twice with one parser, the second time
// into a list that already holds a record, and aborts unless: the parser
// is idle after each call; the count returned is the list's size; the
// record already there is kept unchanged and first; both calls give the
// same readings; every reading is of the normalised word, names an entry
// of the lexicon and has a score in (0, 1]; and when normalisation changed
// the word, each reading's first error and first suggestion say so.
void CheckParse(const CLexicon& lexicon, std::string_view word);

// Aborts unless the lexicon's headword index finds exactly the entries
// whose headword occurs in `word`, in enumeration order.
void CheckHeadwordIndex(const CLexicon& lexicon, std::string_view word);

}  // namespace fuzz
}  // namespace tesvar

#endif  // TESVAR_FUZZ_PARSE_CHECKS_H_
