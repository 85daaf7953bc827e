// Which lexicon entries can read a word. The full walk tries every entry
// whose headword occurs anywhere in the word; but every analysis reads its
// entry's headword at the very start of the word or, for verbs, right after
// the verb prefix, and an entry whose headword stands anywhere else fails
// its Parse without leaving a trace. So looking up only those two places
// yields exactly the candidates, in exactly the order, of the full walk, at
// a cost independent of the lexicon's size.
//
// A large lexicon has a headword at the start of almost any word, and most
// of those entries cannot read what follows it. Each analysis reads the
// rest of the word greedily, taking at every point the first suffix of
// its table that fits and failing where none does; the same walk without
// any checks tells ahead of the analysis that it must fail. Such
// candidates stay in the list, marked, so that the caller still counts
// them where it counts every candidate.
// Tested by candidate_lookup_test.cc.

#ifndef TESVAR_PARSER_CANDIDATE_LOOKUP_H_
#define TESVAR_PARSER_CANDIDATE_LOOKUP_H_

#include <cstdint>
#include <string_view>
#include <vector>

#include "tesvar/lexicon.h"

namespace tesvar {

struct Candidate {
  uint32_t position;  // of the entry in the lexicon
  // False when no analysis of the entry can read the word; true when one
  // might.
  bool may_read;
};

struct CandidateLists {
  std::vector<Candidate> candidates;
  // Working space: an entry, the length of its headword, and where it
  // was found.
  struct Found {
    uint32_t position;
    uint32_t length;
    uint32_t places;
  };
  std::vector<Found> found;
};

// Stores in lists->candidates the entries to try for the normalised
// `word`, by ascending position (enumeration order), each once.
// REQUIRES: lists != nullptr.
void FindCandidateEntries(const CLexicon& lexicon, std::string_view word,
                          CandidateLists* lists);

// Whether the greedy scans of the analyses get through `tail`, the text
// after a headword: as noun suffixes, and as verb suffixes (a nominaliser
// going on into noun suffixes). False means that the analysis fails.
bool NounSuffixesRead(std::string_view tail);
bool VerbSuffixesRead(std::string_view tail);

}  // namespace tesvar

#endif  // TESVAR_PARSER_CANDIDATE_LOOKUP_H_
