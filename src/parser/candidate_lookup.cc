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

// Whether the entry of `kind` (see EntryStore::KindOf) whose headword of
// `length` bytes stands at `places` in `word`, after a verb prefix of
// `prefix` bytes, may read it.
bool MayRead(uint32_t kind, size_t length, uint32_t places,
             std::string_view word, size_t prefix) {
  const bool at_start = (places & kAtStart) != 0;
  switch (kind) {
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

// Neither lookup reads an entry's record: the walks give each headword's
// length, and the parts of speech are kept in a small array of their own,
// so a candidate that is skipped costs no access to the large storage.
void FindCandidateEntries(const CLexicon& lexicon, std::string_view word,
                          CandidateLists* lists) {
  std::vector<CandidateLists::Found>& found = lists->found;
  found.clear();
  lists->candidates.clear();
  const CLexicon::Impl* impl = wordvault::LexiconAccess::Of(lexicon);
  if (impl == nullptr) return;
  const wordvault::EntryStore& entries = impl->entries;
  impl->headwords.ForEachPrefix(word, [&](uint32_t position, size_t length) {
    found.push_back({position, static_cast<uint32_t>(length), kAtStart});
  });
  const size_t prefix = VerbPrefixLength(word);
  if (prefix != 0) {
    impl->headwords.ForEachPrefix(
        word.substr(prefix), [&](uint32_t position, size_t length) {
          if (entries.KindOf(position) == kVerb) {
            found.push_back(
                {position, static_cast<uint32_t>(length), kAfterPrefix});
          }
        });
  }
  std::sort(found.begin(), found.end(),
            [](const CandidateLists::Found& a, const CandidateLists::Found& b) {
              return a.position < b.position;
            });
  for (size_t i = 0; i < found.size();) {
    const CandidateLists::Found& first = found[i];
    uint32_t places = 0;
    for (; i < found.size() && found[i].position == first.position; ++i) {
      places |= found[i].places;
    }
    lists->candidates.push_back(
        Candidate{first.position, MayRead(entries.KindOf(first.position),
                                          first.length, places, word, prefix)});
  }
}

}  // namespace tesvar
