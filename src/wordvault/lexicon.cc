// The ordered lexicon. Entries live in a vector in insertion order (the
// enumeration order); a hash map from key to position keeps keys unique.
//
// The headword index answers "which entries' headwords occur in this word"
// without visiting every entry: for each distinct headword length L, each
// of the word's substrings of length L is looked up in a hash map of the
// distinct headwords. The cost is (word length) x (number of distinct
// headword lengths) lookups, independent of the number of entries. The
// index is updated by Add, so it can never disagree with the entries.
// Tested by lexicon_test.cc.

#include "tesvar/lexicon.h"

#include <algorithm>
#include <utility>

namespace tesvar {

namespace {
constexpr uint32_t kNoEntry = UINT32_MAX;
}  // namespace

CLexicon::CLexicon(const CLexicon& other) { *this = other; }

CLexicon& CLexicon::operator=(const CLexicon& other) {
  if (this == &other) return *this;
  Clear();
  for (const Entry& entry : other.entries_) Add(entry.key, entry.word);
  return *this;
}

bool CLexicon::Add(std::string key, CTWord word) {
  if (position_by_key_.count(key) != 0) return false;
  const uint32_t position = static_cast<uint32_t>(entries_.size());
  position_by_key_.emplace(key, position);
  entries_.push_back(Entry{std::move(key), std::move(word)});
  IndexHeadword(position);
  return true;
}

void CLexicon::IndexHeadword(uint32_t position) {
  const std::string& headword = entries_[position].word.m_strHeadword;
  previous_same_headword_.push_back(kNoEntry);
  if (headword.empty()) {
    empty_headwords_.push_back(position);
    return;
  }
  auto found = last_with_headword_.find(headword);
  if (found != last_with_headword_.end()) {
    previous_same_headword_[position] = found->second;
    found->second = position;
    return;
  }
  const std::string_view stored = headword_storage_.emplace_back(headword);
  last_with_headword_.emplace(stored, position);
  auto length_at = std::lower_bound(headword_lengths_.begin(),
                                    headword_lengths_.end(), stored.size());
  if (length_at == headword_lengths_.end() || *length_at != stored.size()) {
    headword_lengths_.insert(length_at, stored.size());
  }
}

const CTWord* CLexicon::Find(std::string_view key) const {
  auto it = position_by_key_.find(std::string(key));
  return it == position_by_key_.end() ? nullptr : &entries_[it->second].word;
}

void CLexicon::FindHeadwordsIn(std::string_view word,
                               std::vector<uint32_t>* positions) const {
  positions->assign(empty_headwords_.begin(), empty_headwords_.end());
  for (size_t length : headword_lengths_) {
    if (length > word.size()) break;
    for (size_t start = 0; start + length <= word.size(); ++start) {
      auto found = last_with_headword_.find(word.substr(start, length));
      if (found == last_with_headword_.end()) continue;
      for (uint32_t at = found->second; at != kNoEntry;
           at = previous_same_headword_[at]) {
        positions->push_back(at);
      }
    }
  }
  std::sort(positions->begin(), positions->end());
  positions->erase(std::unique(positions->begin(), positions->end()),
                   positions->end());
}

void CLexicon::Clear() {
  entries_.clear();
  position_by_key_.clear();
  headword_storage_.clear();
  last_with_headword_.clear();
  previous_same_headword_.clear();
  headword_lengths_.clear();
  empty_headwords_.clear();
}

}  // namespace tesvar
