// Tested by candidate_lookup_test.cc.

#include "parser/candidate_lookup.h"

#include <algorithm>
#include <cstddef>

#include "verbs/verb_affix_tables.h"
#include "wordvault/lexicon_internal.h"

namespace tesvar {

// The lookup reads no entry record: kinds and text sizes come from the
// entry summaries that the headword index keeps.
void FindCandidateEntries(const CLexicon& lexicon, std::string_view word,
                          std::vector<Candidate>* candidates) {
  candidates->clear();
  const CLexicon::Impl* impl = wordvault::LexiconAccess::Of(lexicon);
  if (impl == nullptr) return;
  using wordvault::EntryStore;
  impl->headwords.ForEachPrefix(word, [&](uint32_t position, size_t length,
                                          uint32_t summary) {
    candidates->push_back(Candidate{position, static_cast<uint32_t>(length),
                                    EntryStore::TextBytesIn(summary),
                                    EntryStore::KindIn(summary), true, false});
  });
  if (const size_t prefix = VerbPrefixLength(word)) {
    impl->headwords.ForEachPrefix(
        word.substr(prefix),
        [&](uint32_t position, size_t length, uint32_t summary) {
          if (EntryStore::KindIn(summary) != kVerb) return;
          candidates->push_back(
              Candidate{position, static_cast<uint32_t>(length),
                        EntryStore::TextBytesIn(summary), kVerb, false, true});
        });
  }
  std::sort(candidates->begin(), candidates->end(),
            [](const Candidate& a, const Candidate& b) {
              return a.position < b.position;
            });
  // A verb found by both walks comes once, with both places.
  auto kept = candidates->begin();
  for (auto c = candidates->begin(); c != candidates->end(); ++c) {
    if (kept != candidates->begin() && (kept - 1)->position == c->position) {
      (kept - 1)->at_start |= c->at_start;
      (kept - 1)->after_prefix |= c->after_prefix;
    } else {
      *kept++ = *c;
    }
  }
  candidates->erase(kept, candidates->end());
}

}  // namespace tesvar
