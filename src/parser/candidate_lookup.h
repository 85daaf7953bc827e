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
// `prefix` is VerbPrefixLength(word). Returns how many bytes of `word` the
// lookup read: any word with the same prefix length that begins with
// them has the same candidates (word.size() + 1: the lookup read the whole
// word and its end).
// REQUIRES: candidates != nullptr.
size_t FindCandidateEntries(const CLexicon& lexicon, std::string_view word,
                            size_t prefix, std::vector<Candidate>* candidates);

// The candidates of the words of one call, looked up afresh only when a
// word does not begin with the bytes the last lookup read. The sub-parses
// of a call read corrections one after another that mostly begin like the
// last, and a lookup reads little more than the headwords at the start.
// Forget() must come at the start of every call, since the lexicon may
// change between calls (never during one); until then, the words looked
// up must stay as they are (the call's word and the texts of its arena
// do). Not thread-safe.
class CandidateMemo {
 public:
  // FindCandidateEntries(lexicon, word, prefix, ...)'s list, valid until
  // the next call. Inline: most words of a call are new only after the
  // first bytes.
  const std::vector<Candidate>& Find(const CLexicon& lexicon,
                                     std::string_view word, size_t prefix) {
    if (known_ && Serves(word, prefix)) return candidates_;
    return LookUp(lexicon, word, prefix);
  }
  void Forget() { known_ = false; }

 private:
  bool Serves(std::string_view word, size_t prefix) const {
    if (prefix != prefix_) return false;
    if (read_end_) return word == read_;
    return word.size() >= read_.size() &&
           word.compare(0, read_.size(), read_) == 0;
  }
  const std::vector<Candidate>& LookUp(const CLexicon& lexicon,
                                       std::string_view word, size_t prefix);

  std::vector<Candidate> candidates_;
  bool known_ = false;
  size_t prefix_ = 0;
  // The bytes the last lookup read, in its word; with read_end_, the
  // whole word, whose end it read too.
  std::string_view read_;
  bool read_end_ = false;
};

}  // namespace tesvar

#endif  // TESVAR_PARSER_CANDIDATE_LOOKUP_H_
