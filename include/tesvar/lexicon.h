// The lexicon: entries (CTWord) stored under unique keys and enumerated in
// the order they were added. That order is the order in which the parser
// tries the entries, and so the order of its candidates.
//
// A CLexicon is filled once and then only read. Reading it from several
// threads at once is safe; changing it while a parser reads it is not.

#ifndef TESVAR_LEXICON_H_
#define TESVAR_LEXICON_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tesvar {

// Part-of-speech codes of lexicon entries. Any other value is valid too and
// is treated as an uninflected word of unknown class.
enum PartOfSpeech : int32_t {
  kNoun = 0,
  kVerb = 1,
  kPronoun = 2,
  kAdverbial = 3,
  kNumber = 4,
  kConjunction = 5,
  kExclamation = 6,
  kQuestion = 7,
};

// One lexicon entry. A default entry is an empty noun (code 0) with every
// flag off.
class CTWord {
 public:
  CTWord() = default;
  CTWord(const CTWord&) = default;
  CTWord& operator=(const CTWord&) = default;
  CTWord(CTWord&&) = default;
  CTWord& operator=(CTWord&&) = default;
  virtual ~CTWord() = default;

  std::string m_strHeadword;    // the lexicon form of the word
  std::string m_strDefinition;  // English definition
  int32_t m_nPOS = kNoun;       // part-of-speech code
  int32_t m_bLanguage = 0;      // noun denotes a being capable of language
  int32_t m_bBodyPart = 0;      // noun denotes a body part
  int32_t m_bInherentPlural = 0;
  int32_t m_bIrregularPlural = 0;
  std::string m_strIrregularPlural;  // that plural; empty when unknown
  int32_t m_bStative = 0;            // verb is a quality verb
};

// Unique keys mapped to entries, enumerated in insertion order, with an
// index from headwords to entries that is kept up to date on every change,
// so that finding the entries whose headword occurs in a word costs time
// proportional to the word, not to the lexicon.
class CLexicon {
 public:
  struct Entry {
    std::string key;
    CTWord word;
  };

  CLexicon() = default;
  CLexicon(const CLexicon&) = default;
  CLexicon& operator=(const CLexicon&) = default;
  CLexicon(CLexicon&&) = default;
  CLexicon& operator=(CLexicon&&) = default;
  ~CLexicon() = default;

  // Adds `word` under `key` at the end of the enumeration order. Returns
  // false and changes nothing when the key is already present.
  bool Add(std::string key, CTWord word);

  // The entry stored under `key`, or nullptr.
  const CTWord* Find(std::string_view key) const;
  // The position (in entries()) of the entry stored under `key`, or
  // kNotFound.
  static constexpr size_t kNotFound = SIZE_MAX;
  size_t PositionOf(std::string_view key) const;

  // Makes room for `count` entries in all, so that filling a lexicon of
  // known size does not grow its storage step by step.
  void Reserve(size_t count);

  // All entries in enumeration (insertion) order.
  const std::vector<Entry>& entries() const { return entries_; }
  size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }

  // Stores in *positions the positions (in entries()) of every entry whose
  // headword occurs in `word` as a substring, in enumeration order, each
  // once. An entry with an empty headword always occurs.
  // REQUIRES: positions != nullptr.
  void FindHeadwordsIn(std::string_view word,
                       std::vector<uint32_t>* positions) const;

  // Appends to *positions the positions of every entry whose headword is
  // a prefix of `text` (the empty headword included), in no particular
  // order and possibly with repeats across calls.
  // REQUIRES: positions != nullptr.
  void FindHeadwordPrefixes(std::string_view text,
                            std::vector<uint32_t>* positions) const;

  // Removes every entry.
  void Clear();

 private:
  void IndexHeadword(uint32_t position);
  uint32_t RootChild(unsigned char byte);
  uint32_t Child(uint32_t parent, unsigned char byte);
  uint32_t FindChild(uint32_t parent, unsigned char byte) const;
  uint32_t NewNode(unsigned char byte);

  std::vector<Entry> entries_;
  // Key index: an open-addressing hash table of entry positions, looked
  // up by the entries' own keys, so that no key is stored twice.
  std::vector<uint32_t> key_slots_;  // a position, or UINT32_MAX if empty
  size_t KeySlot(std::string_view key) const;
  void GrowKeySlots(size_t entries);

  // Headword index: a trie of all non-empty headwords. Each node knows the
  // last entry whose headword ends there; earlier entries with the same
  // headword are chained through previous_same_headword_. Children of a
  // node form a linked list of siblings, except below the root, where a
  // direct table by first byte saves the longest sibling walks.
  struct TrieNode {
    uint32_t first_child;
    uint32_t next_sibling;
    uint32_t last_entry;
    unsigned char byte;
  };
  std::vector<TrieNode> trie_;
  std::vector<uint32_t> root_children_;  // by first byte; 0 = none
  std::vector<uint32_t> previous_same_headword_;
  std::vector<uint32_t> empty_headwords_;  // positions, ascending
};

}  // namespace tesvar

#endif  // TESVAR_LEXICON_H_
