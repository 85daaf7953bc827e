// Which lexicon entries can read a word. The full walk tries every entry
// whose headword occurs anywhere in the word; but every analysis reads its
// entry's headword at the very start of the word or, for verbs, right after
// the verb prefix, and an entry whose headword stands anywhere else fails
// its Parse without leaving a trace. So looking up only those two places
// yields exactly the candidates, in exactly the order, of the full walk, at
// a cost independent of the lexicon's size.
// Tested by candidate_lookup_test.cc.

#ifndef TESVAR_PARSER_CANDIDATE_LOOKUP_H_
#define TESVAR_PARSER_CANDIDATE_LOOKUP_H_

#include <cstdint>
#include <string_view>
#include <vector>

#include "tesvar/lexicon.h"

namespace tesvar {

// Stores in *positions the entries to try for the normalised
// `word`, ascending (enumeration order), each once. Whether they can read
// the rest of the word is for EntryCost to tell (entry_cost.h).
// REQUIRES: positions != nullptr.
void FindCandidateEntries(const CLexicon& lexicon, std::string_view word,
                          std::vector<uint32_t>* positions);

}  // namespace tesvar

#endif  // TESVAR_PARSER_CANDIDATE_LOOKUP_H_
