// The lookup, then the pre-check of each candidate. The pre-check mirrors
// the dispatch by part of speech in word_parse.cc and the first steps of
// each analysis: the headword where the analysis expects it, then the
// greedy suffix scan with the same matchers. It may let through an entry
// that then fails, never the other way round.
// Tested by candidate_lookup_test.cc.

#include "parser/candidate_lookup.h"

#include <algorithm>
#include <cstddef>

#include "nouns/noun_suffix_table.h"
#include "verbs/verb_affix_tables.h"
#include "wordvault/lexicon_internal.h"

namespace tesvar {

namespace {

// Where the lookup found an entry's headword.
enum Place : uint32_t { kAtStart = 1, kAfterPrefix = 2 };

// Whether the entry of `code` whose headword of `length` bytes stands at
// `places` in `word`, after a verb prefix of `prefix` bytes, may read it.
bool MayRead(int32_t code, size_t length, uint32_t places,
             std::string_view word, size_t prefix) {
  const bool at_start = (places & kAtStart) != 0;
  switch (static_cast<uint32_t>(code)) {
    case kNoun:
      return at_start && NounSuffixesRead(word.substr(length));
    case kVerb:
      if (at_start && VerbSuffixesRead(word.substr(length))) return true;
      return (places & kAfterPrefix) != 0 &&
             VerbSuffixesRead(word.substr(prefix + length));
    case kPronoun:
      return at_start && (NounSuffixesRead(word.substr(length)) ||
                          VerbSuffixesRead(word.substr(length)));
    case kNumber:
      return at_start;
    default:
      return at_start && length == word.size();
  }
}

}  // namespace

bool NounSuffixesRead(std::string_view tail) {
  while (!tail.empty()) {
    const NounSuffixRow* row = MatchNounSuffix(tail);
    if (row == nullptr) return false;
    tail.remove_prefix(row->suffix.size());
  }
  return true;
}

bool VerbSuffixesRead(std::string_view tail) {
  while (const VerbSuffixRow* row = MatchVerbSuffix(tail)) {
    tail.remove_prefix(row->suffix.size());
    if (row->has(kNominaliser)) return NounSuffixesRead(tail);
  }
  return tail.empty();
}

// The two lookups fill one list of position * 2 + 0 (found at the start)
// or + 1 (found after the prefix); positions stay below 2^31. Sorted, an
// entry's findings lie side by side.
void FindCandidateEntries(const CLexicon& lexicon, std::string_view word,
                          CandidateLists* lists) {
  std::vector<uint32_t>& found = lists->positions;
  found.clear();
  lists->candidates.clear();
  const CLexicon::Impl* impl = wordvault::LexiconAccess::Of(lexicon);
  if (impl == nullptr) return;
  const wordvault::EntryStore& entries = impl->entries;
  impl->headwords.AppendPrefixes(word, &found);
  for (uint32_t& position : found) position *= 2;
  const size_t prefix = VerbPrefixLength(word);
  if (prefix != 0) {
    lists->after_prefix.clear();
    impl->headwords.AppendPrefixes(word.substr(prefix), &lists->after_prefix);
    for (uint32_t position : lists->after_prefix) {
      if (entries.CodeOf(position) == kVerb) found.push_back(position * 2 + 1);
    }
  }
  std::sort(found.begin(), found.end());
  for (size_t i = 0; i < found.size();) {
    const uint32_t position = found[i] / 2;
    uint32_t places = 0;
    for (; i < found.size() && found[i] / 2 == position; ++i) {
      places |= (found[i] % 2) == 0 ? kAtStart : kAfterPrefix;
    }
    lists->candidates.push_back(Candidate{
        position,
        MayRead(entries.CodeOf(position), entries.HeadwordLengthOf(position),
                places, word, prefix)});
  }
}

}  // namespace tesvar
