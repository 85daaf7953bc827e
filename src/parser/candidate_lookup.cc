// Tested by candidate_lookup_test.cc.

#include "parser/candidate_lookup.h"

#include <algorithm>
#include <cstddef>

#include "wordvault/lexicon_internal.h"

namespace tesvar {

namespace {

// Lists up to this long are sorted by insertion.
constexpr size_t kShortList = 16;

// Makes each entry of the sorted `candidates` that both walks found come
// once, with both places. One walk finds each entry once.
void MergeRepeats(std::vector<Candidate>* candidates) {
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

}  // namespace

// The lookup reads no entry record: kinds and text sizes come from the
// entry summaries that the headword index keeps. It does ask for each
// candidate's record to be fetched, since the candidates that are read
// need theirs soon, and in a large lexicon it is rarely in the cache.
size_t FindCandidateEntries(const CLexicon& lexicon, std::string_view word,
                            size_t prefix, std::vector<Candidate>* candidates) {
  candidates->clear();
  const CLexicon::Impl* impl = wordvault::LexiconAccess::Of(lexicon);
  if (impl == nullptr) return 0;
  using wordvault::EntryStore;
  size_t read = impl->headwords.ForEachPrefix(
      word, [&](uint32_t position, size_t length, uint32_t summary) {
        impl->entries.Prefetch(position);
        candidates->push_back(Candidate{position, static_cast<uint32_t>(length),
                                        EntryStore::TextBytesIn(summary),
                                        EntryStore::KindIn(summary), true,
                                        false});
      });
  // A verb whose headword both starts the word and follows the prefix is
  // found by both walks. Its headword is no longer than the beginning that
  // the rest after the prefix shares with the word, which is nearly always
  // shorter than any headword; only when it is not can an entry repeat.
  bool may_repeat = false;
  if (prefix != 0) {
    const std::string_view rest = word.substr(prefix);
    size_t shared = 0;
    while (shared < rest.size() && rest[shared] == word[shared]) ++shared;
    // Whether an entry repeats depends on bytes the second walk read.
    read = std::max(
        read,
        prefix +
            impl->headwords.ForEachPrefix(
                rest, [&](uint32_t position, size_t length, uint32_t summary) {
                  if (EntryStore::KindIn(summary) != kVerb) return;
                  may_repeat = may_repeat || length <= shared;
                  impl->entries.Prefetch(position);
                  candidates->push_back(Candidate{
                      position, static_cast<uint32_t>(length),
                      EntryStore::TextBytesIn(summary), kVerb, false, true});
                }));
  }
  // By position. Most lists are a few candidates long, which an insertion
  // sort orders fastest; homographs can make them long.
  auto by_position = [](const Candidate& a, const Candidate& b) {
    return a.position < b.position;
  };
  if (candidates->size() > kShortList) {
    std::sort(candidates->begin(), candidates->end(), by_position);
  } else {
    Candidate* const first = candidates->data();
    Candidate* const end = first + candidates->size();
    for (Candidate* c = first; c != end; ++c) {
      if (c == first || !by_position(*c, *(c - 1))) continue;
      const Candidate moved = *c;
      Candidate* at = c;
      for (; at != first && by_position(moved, *(at - 1)); --at) {
        *at = *(at - 1);
      }
      *at = moved;
    }
  }
  if (may_repeat) MergeRepeats(candidates);
  return read;
}

const std::vector<Candidate>& CandidateMemo::LookUp(const CLexicon& lexicon,
                                                    std::string_view word,
                                                    size_t prefix) {
  const size_t read = FindCandidateEntries(lexicon, word, prefix, &candidates_);
  known_ = true;
  prefix_ = prefix;
  read_end_ = read > word.size();
  read_ = word.substr(0, std::min(read, word.size()));
  return candidates_;
}

}  // namespace tesvar
