// Checks shared by the fuzz targets that parse words: what must hold for
// every word against every lexicon, whatever the readings are.

#ifndef TESVAR_FUZZ_PARSE_CHECKS_H_
#define TESVAR_FUZZ_PARSE_CHECKS_H_

#include <string_view>

#include "tesvar/lexicon.h"

namespace tesvar {
namespace fuzz {

// Parses `word` against `lexicon` three times with one parser under the
// default limits, twice through Parse with one scratch and then through
// ParseWord into a list that already holds a record, and aborts unless:
//   - the call stays within the limits: the word limit refuses exactly the
//     words longer than it; a call that finishes used at most the budget
//     and returns no more bytes of text than the work it was charged; a
//     call stopped by the budget returns nothing and used more than the
//     budget by at most one charge (work_cost::LargestCharge);
//   - the outcome is deterministic: both Parse calls give the same status,
//     work and readings, and ParseWord the same readings;
//   - ParseWord's count is the list's size and the record already there
//     is kept unchanged and first;
//   - every reading is of the normalised word, names an entry of the
//     lexicon and has a score in (0, 1]; and when normalisation changed
//     the word, each reading's first error and first suggestion say so.
void CheckParse(const CLexicon& lexicon, std::string_view word);

// Aborts unless the lexicon's headword index finds exactly the entries
// whose headword occurs in `word`, in enumeration order.
void CheckHeadwordIndex(const CLexicon& lexicon, std::string_view word);

}  // namespace fuzz
}  // namespace tesvar

#endif  // TESVAR_FUZZ_PARSE_CHECKS_H_
