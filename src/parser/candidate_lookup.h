// Which lexicon entries can read a word. The full walk tries every entry
// whose headword occurs anywhere in the word; but every analysis reads its
// entry's headword at the very start of the word or, for verbs, right after
// the verb prefix, and an entry whose headword stands anywhere else fails
// its Parse without leaving a trace. So looking up only those two places
// yields exactly the candidates, in exactly the order, of the full walk, at
// a cost independent of the lexicon's size.
//
// Each candidate comes with what deciding whether to read it takes (where
// its headword stands, its length, the entry's kind and text bytes), all
// from the walks and the entry summaries, so that a candidate that is
// skipped costs no read of its entry record.
// Tested by candidate_lookup_test.cc.

#ifndef TESVAR_PARSER_CANDIDATE_LOOKUP_H_
#define TESVAR_PARSER_CANDIDATE_LOOKUP_H_

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "tesvar/lexicon.h"

namespace tesvar {

struct Candidate {
  uint32_t position;
  uint32_t headword_length;
  // The headword's, definition's and plural's bytes together, or
  // kManyTextBytes (entry_store.h) when there are more.
  uint32_t text_bytes;
  uint8_t kind;       // the part-of-speech code, 255 for codes from 255 on
  bool at_start;      // the headword starts the word
  bool after_prefix;  // a verb whose headword follows the verb prefix
};

// Stores in *candidates the entries to try for the normalised `word`,
// ascending by position (enumeration order), each once. Whether they can
// read the rest of the word is for EntryCost to tell (entry_cost.h).
// `prefix` is VerbPrefixLength(word).
// REQUIRES: candidates != nullptr.
void FindCandidateEntries(const CLexicon& lexicon, std::string_view word,
                          size_t prefix, std::vector<Candidate>* candidates);

}  // namespace tesvar

#endif  // TESVAR_PARSER_CANDIDATE_LOOKUP_H_
