// The lexicon: entries (CTWord) stored under unique keys and enumerated in
// the order they were added. That order is the order in which the parser
// tries the entries, and so the order of its candidates.
//
// The lexicon keeps one copy of every text in a single byte store and a
// small fixed-size record per entry (about 2.5 times the size of the
// lexicon file in all, indexes included). Reading an entry gives views
// into that store, which stay valid until the lexicon next changes.
//
// A CLexicon is filled once and then only read. Reading it from several
// threads at once is safe; changing it while a parser reads it is not.

#ifndef TESVAR_LEXICON_H_
#define TESVAR_LEXICON_H_

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tesvar/export.h"

namespace tesvar {

namespace wordvault {
struct LexiconAccess;
}  // namespace wordvault

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

// The label of a part-of-speech code as used in lexicon files and in
// results: "N", "V", "P", "ADV", "NUM", "CONJ", "EXCL", "Q" for codes 0 to
// 7, and "X" for any other code. DO NOT CHANGE.
inline std::string_view PartOfSpeechLabel(int32_t code) {
  // A switch rather than a table: a local array would be built on every
  // call, and this runs once per reading.
  switch (code) {
    case 0:
      return "N";
    case 1:
      return "V";
    case 2:
      return "P";
    case 3:
      return "ADV";
    case 4:
      return "NUM";
    case 5:
      return "CONJ";
    case 6:
      return "EXCL";
    case 7:
      return "Q";
    default:
      return "X";
  }
}

// One lexicon entry, as a view: the texts belong to whoever made the
// entry (the lexicon, for entries read from it). A default entry is an
// empty noun (code 0) with every flag off. Copying is cheap: it copies the
// views, never the bytes.
class CTWord {
 public:
  std::string_view m_strHeadword;    // the lexicon form of the word
  std::string_view m_strDefinition;  // English definition
  int32_t m_nPOS = kNoun;            // part-of-speech code
  int32_t m_bLanguage = 0;           // noun denotes a being capable of language
  int32_t m_bBodyPart = 0;           // noun denotes a body part
  int32_t m_bInherentPlural = 0;
  int32_t m_bIrregularPlural = 0;
  std::string_view m_strIrregularPlural;  // that plural; empty when unknown
  int32_t m_bStative = 0;                 // verb is a quality verb
};

// Unique keys mapped to entries, enumerated in insertion order, with an
// index from headwords to entries that is kept up to date on every change,
// so that finding the entries whose headword starts a word costs time
// proportional to the word, not to the lexicon.
//
// The lexicon owns copies of all texts. Entries read from it (Entry, the
// CTWord inside it, Find's result) are views into its storage: they stay
// valid until the lexicon is next changed (Add, Reserve, ShrinkToFit,
// Clear, being assigned to) or destroyed. Moving a lexicon moves its
// storage: views stay valid and belong to the lexicon moved to. Copy the
// texts to keep them longer.
//
// Copies are deep and share nothing. A moved-from lexicon is empty.
class TESVAR_EXPORT CLexicon {
 public:
  // An entry and its key, both views into the lexicon.
  struct Entry {
    std::string_view key;
    CTWord word;
  };

  // Walks the entries in enumeration order. Dereferencing makes an Entry
  // value, so formally this is an input iterator; it supports the
  // arithmetic of a random-access one all the same.
  class Iterator {
   public:
    using iterator_category = std::input_iterator_tag;
    using value_type = Entry;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = Entry;

    Iterator() = default;
    Iterator(const CLexicon* lexicon, size_t position)
        : lexicon_(lexicon), position_(position) {}

    Entry operator*() const { return lexicon_->entry(position_); }
    Entry operator[](difference_type n) const { return *(*this + n); }
    Iterator& operator++() {
      ++position_;
      return *this;
    }
    Iterator operator++(int) {
      Iterator old = *this;
      ++position_;
      return old;
    }
    Iterator& operator+=(difference_type n) {
      position_ += static_cast<size_t>(n);
      return *this;
    }
    Iterator operator+(difference_type n) const { return Iterator(*this) += n; }
    difference_type operator-(const Iterator& other) const {
      return static_cast<difference_type>(position_ - other.position_);
    }
    bool operator==(const Iterator& other) const {
      return position_ == other.position_;
    }
    bool operator!=(const Iterator& other) const { return !(*this == other); }
    bool operator<(const Iterator& other) const {
      return position_ < other.position_;
    }

   private:
    const CLexicon* lexicon_ = nullptr;
    size_t position_ = 0;
  };

  // All entries in enumeration order, indexable by position.
  class EntryRange {
   public:
    explicit EntryRange(const CLexicon* lexicon) : lexicon_(lexicon) {}
    Iterator begin() const { return lexicon_->begin(); }
    Iterator end() const { return lexicon_->end(); }
    size_t size() const { return lexicon_->size(); }
    bool empty() const { return lexicon_->empty(); }
    Entry operator[](size_t position) const {
      return lexicon_->entry(position);
    }

   private:
    const CLexicon* lexicon_;
  };

  // The most bytes of text (keys, headwords, definitions and plurals
  // together, a headword that starts its key counted once) a lexicon
  // holds. Add refuses an entry that would go past it.
  static constexpr size_t kMaxTextBytes = UINT32_MAX;

  // An empty lexicon; allocates nothing until the first Add or Reserve.
  CLexicon() noexcept;
  CLexicon(const CLexicon& other);
  CLexicon& operator=(const CLexicon& other);
  CLexicon(CLexicon&& other) noexcept;
  CLexicon& operator=(CLexicon&& other) noexcept;
  ~CLexicon();

  // Adds a copy of `word` under a copy of `key` at the end of the
  // enumeration order; `word` and `key` may view anything, this lexicon's
  // own entries included. Returns false and changes nothing when the key
  // is already present, or when the lexicon is full: its text would pass
  // kMaxTextBytes, or it holds INT32_MAX entries. PositionOf tells the two
  // apart. When memory runs out, throws std::bad_alloc and changes
  // nothing.
  bool Add(std::string_view key, const CTWord& word);

  // The entry stored under `key`, or nothing.
  std::optional<CTWord> Find(std::string_view key) const;
  // The position (in entries()) of the entry stored under `key`, or
  // kNotFound.
  static constexpr size_t kNotFound = SIZE_MAX;
  size_t PositionOf(std::string_view key) const;

  // Appends to *positions the positions of every entry whose headword is
  // a prefix of `text` (the empty headword included), in no particular
  // order and possibly with repeats across calls. This is how the parser
  // finds the entries a word may be built on.
  // REQUIRES: positions != nullptr.
  void FindHeadwordPrefixes(std::string_view text,
                            std::vector<uint32_t>* positions) const;

  // Makes room for `count` entries in all and `text_bytes` bytes of text
  // in all, so that filling a lexicon of known size does not grow its
  // storage step by step. ShrinkToFit hands back what a generous Reserve
  // left unused and lays the headword index out afresh, for the fastest
  // lookups (the loaders do this). Both throw std::bad_alloc when memory
  // runs out, leaving the entries as they were.
  void Reserve(size_t count, size_t text_bytes = 0);
  void ShrinkToFit();

  // The entry at `position` in enumeration order.
  // REQUIRES: position < size().
  Entry entry(size_t position) const;
  Entry operator[](size_t position) const { return entry(position); }

  // All entries in enumeration (insertion) order.
  EntryRange entries() const { return EntryRange(this); }
  Iterator begin() const { return Iterator(this, 0); }
  Iterator end() const { return Iterator(this, size()); }
  size_t size() const;
  bool empty() const { return size() == 0; }

  // Removes every entry.
  void Clear();

  // The storage and indexes, defined inside the library.
  class TESVAR_LOCAL Impl;

 private:
  friend struct wordvault::LexiconAccess;

  std::unique_ptr<Impl> impl_;  // null while empty and never filled
};

}  // namespace tesvar

#endif  // TESVAR_LEXICON_H_
