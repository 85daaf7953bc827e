// The ordered lexicon: entries live in a vector in insertion order (the
// enumeration order), and a hash map from key to position keeps keys
// unique and lookups cheap.

#include "tesvar/lexicon.h"

#include <utility>

namespace tesvar {

bool CLexicon::Add(std::string key, CTWord word) {
  if (index_by_key_.count(key) != 0) return false;
  index_by_key_.emplace(key, entries_.size());
  entries_.push_back(Entry{std::move(key), std::move(word)});
  return true;
}

const CTWord* CLexicon::Find(std::string_view key) const {
  auto it = index_by_key_.find(std::string(key));
  return it == index_by_key_.end() ? nullptr : &entries_[it->second].word;
}

void CLexicon::Clear() {
  entries_.clear();
  index_by_key_.clear();
}

}  // namespace tesvar
