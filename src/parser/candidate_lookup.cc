// Tested by candidate_lookup_test.cc.

#include "parser/candidate_lookup.h"

#include <algorithm>
#include <cstddef>

#include "verbs/verb_affix_tables.h"
#include "wordvault/lexicon_internal.h"

namespace tesvar {

// The lookup reads no entry record: the parts of speech are kept in a
// small array of their own.
void FindCandidateEntries(const CLexicon& lexicon, std::string_view word,
                          std::vector<uint32_t>* positions) {
  positions->clear();
  const CLexicon::Impl* impl = wordvault::LexiconAccess::Of(lexicon);
  if (impl == nullptr) return;
  impl->headwords.ForEachPrefix(word, [&](uint32_t position, size_t) {
    positions->push_back(position);
  });
  if (const size_t prefix = VerbPrefixLength(word)) {
    const wordvault::EntryStore& entries = impl->entries;
    impl->headwords.ForEachPrefix(
        word.substr(prefix), [&](uint32_t position, size_t) {
          if (entries.KindOf(position) == kVerb) positions->push_back(position);
        });
  }
  std::sort(positions->begin(), positions->end());
  positions->erase(std::unique(positions->begin(), positions->end()),
                   positions->end());
}

}  // namespace tesvar
