// The ordered lexicon. Entries live in a vector in insertion order (the
// enumeration order); a hash table of positions keeps keys unique.
//
// The headword index answers "which entries' headwords occur in this word"
// without visiting every entry: a trie holds every distinct headword, and
// walking it from each start position of the word reaches exactly the
// headwords that occur there. The cost grows with the word's length and
// the depth of the matching prefixes, not with the number of entries. Add
// updates the trie, so the index can never disagree with the entries.
// Tested by lexicon_test.cc.

#include "tesvar/lexicon.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace tesvar {

namespace {

constexpr uint32_t kNone = UINT32_MAX;
// Node 0 is the root; a child index of 0 therefore means "no child".
constexpr uint32_t kRoot = 0;
constexpr uint32_t kNoChild = 0;
constexpr size_t kByteValues = 256;
constexpr uint32_t kNoSlot = UINT32_MAX;
constexpr size_t kMinKeySlots = 16;

}  // namespace

bool CLexicon::Add(std::string key, CTWord word) {
  if (PositionOf(key) != kNotFound) return false;
  const uint32_t position = static_cast<uint32_t>(entries_.size());
  GrowKeySlots(entries_.size() + 1);
  key_slots_[KeySlot(key)] = position;
  entries_.push_back(Entry{std::move(key), std::move(word)});
  IndexHeadword(position);
  return true;
}

void CLexicon::IndexHeadword(uint32_t position) {
  const std::string& headword = entries_[position].word.m_strHeadword;
  previous_same_headword_.push_back(kNone);
  if (headword.empty()) {
    empty_headwords_.push_back(position);
    return;
  }
  if (trie_.empty()) {
    trie_.push_back(TrieNode{kNoChild, kNoChild, kNone, 0});
    root_children_.assign(kByteValues, kNoChild);
  }
  uint32_t node = kRoot;
  for (char c : headword) {
    const unsigned char byte = static_cast<unsigned char>(c);
    node = node == kRoot ? RootChild(byte) : Child(node, byte);
  }
  previous_same_headword_[position] = trie_[node].last_entry;
  trie_[node].last_entry = position;
}

// The root's child for `byte`, created if missing.
uint32_t CLexicon::RootChild(unsigned char byte) {
  if (root_children_[byte] == kNoChild) {
    root_children_[byte] = NewNode(byte);
  }
  return root_children_[byte];
}

// The child of `parent` for `byte`, created if missing. Works with indices,
// never references into trie_, since creating a node may move the nodes.
uint32_t CLexicon::Child(uint32_t parent, unsigned char byte) {
  const uint32_t found = FindChild(parent, byte);
  if (found != kNoChild) return found;
  // New children go to the front of the sibling list.
  const uint32_t child = NewNode(byte);
  trie_[child].next_sibling = trie_[parent].first_child;
  trie_[parent].first_child = child;
  return child;
}

uint32_t CLexicon::FindChild(uint32_t parent, unsigned char byte) const {
  uint32_t child = trie_[parent].first_child;
  while (child != kNoChild && trie_[child].byte != byte) {
    child = trie_[child].next_sibling;
  }
  return child;
}

uint32_t CLexicon::NewNode(unsigned char byte) {
  trie_.push_back(TrieNode{kNoChild, kNoChild, kNone, byte});
  return static_cast<uint32_t>(trie_.size() - 1);
}

const CTWord* CLexicon::Find(std::string_view key) const {
  const size_t position = PositionOf(key);
  return position == kNotFound ? nullptr : &entries_[position].word;
}

size_t CLexicon::PositionOf(std::string_view key) const {
  if (key_slots_.empty()) return kNotFound;
  const uint32_t position = key_slots_[KeySlot(key)];
  return position == kNoSlot ? kNotFound : position;
}

// The slot that holds `key`'s position, or the empty slot where it would
// go. Linear probing; the table is at most half full, so probes are short
// and an empty slot always exists.
size_t CLexicon::KeySlot(std::string_view key) const {
  const size_t mask = key_slots_.size() - 1;
  size_t slot = std::hash<std::string_view>()(key) & mask;
  while (key_slots_[slot] != kNoSlot && entries_[key_slots_[slot]].key != key) {
    slot = (slot + 1) & mask;
  }
  return slot;
}

// Keeps the table a power of two at least twice the number of entries.
void CLexicon::GrowKeySlots(size_t entries) {
  size_t size = key_slots_.empty() ? kMinKeySlots : key_slots_.size();
  while (size < 2 * entries) size *= 2;
  if (size == key_slots_.size()) return;
  key_slots_.assign(size, kNoSlot);
  for (uint32_t position = 0; position < entries_.size(); ++position) {
    key_slots_[KeySlot(entries_[position].key)] = position;
  }
}

void CLexicon::Reserve(size_t count) {
  entries_.reserve(count);
  GrowKeySlots(count);
  previous_same_headword_.reserve(count);
}

void CLexicon::FindHeadwordsIn(std::string_view word,
                               std::vector<uint32_t>* positions) const {
  positions->assign(empty_headwords_.begin(), empty_headwords_.end());
  if (trie_.empty()) return;
  for (size_t start = 0; start < word.size(); ++start) {
    uint32_t node = root_children_[static_cast<unsigned char>(word[start])];
    for (size_t at = start + 1; node != kNoChild; ++at) {
      for (uint32_t e = trie_[node].last_entry; e != kNone;
           e = previous_same_headword_[e]) {
        positions->push_back(e);
      }
      if (at == word.size()) break;
      node = FindChild(node, static_cast<unsigned char>(word[at]));
    }
  }
  std::sort(positions->begin(), positions->end());
  positions->erase(std::unique(positions->begin(), positions->end()),
                   positions->end());
}

void CLexicon::FindHeadwordPrefixes(std::string_view text,
                                    std::vector<uint32_t>* positions) const {
  positions->insert(positions->end(), empty_headwords_.begin(),
                    empty_headwords_.end());
  if (trie_.empty() || text.empty()) return;
  uint32_t node = root_children_[static_cast<unsigned char>(text[0])];
  for (size_t at = 1; node != kNoChild; ++at) {
    for (uint32_t e = trie_[node].last_entry; e != kNone;
         e = previous_same_headword_[e]) {
      positions->push_back(e);
    }
    if (at == text.size()) break;
    node = FindChild(node, static_cast<unsigned char>(text[at]));
  }
}

void CLexicon::Clear() {
  entries_.clear();
  key_slots_.clear();
  trie_.clear();
  root_children_.clear();
  previous_same_headword_.clear();
  empty_headwords_.clear();
}

}  // namespace tesvar
