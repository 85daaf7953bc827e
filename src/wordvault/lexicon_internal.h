// What the rest of the library and its tests may see of a CLexicon beyond
// its public interface: the implementation behind it (entries and both
// indexes), a whole-word headword search that checks the index against a
// full scan, and a lower text limit for tests.
//
// Not installed; include it from src/, tests/ and fuzz/ only.

#ifndef TESVAR_WORDVAULT_LEXICON_INTERNAL_H_
#define TESVAR_WORDVAULT_LEXICON_INTERNAL_H_

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "tesvar/lexicon.h"
#include "wordvault/entry_store.h"
#include "wordvault/headword_index.h"
#include "wordvault/key_index.h"

namespace tesvar {

class CLexicon::Impl {
 public:
  // Adds the entry, or returns false and changes nothing; see CLexicon::Add.
  bool Add(std::string_view key, const CTWord& word);
  void Reserve(size_t count, size_t text_bytes);
  void ShrinkToFit();
  void Clear();

  wordvault::EntryStore entries;
  wordvault::KeyIndex keys;
  wordvault::HeadwordIndex headwords;
  size_t text_limit = kMaxTextBytes;
};

namespace wordvault {

// Reaches a lexicon's implementation.
struct LexiconAccess {
  // Null while the lexicon has never held an entry, or was moved from.
  static const CLexicon::Impl* Of(const CLexicon& lexicon) {
    return lexicon.impl_.get();
  }
  // Makes the implementation if there is none yet.
  static CLexicon::Impl& Of(CLexicon* lexicon);
};

// Stores in *positions the positions of every entry whose headword occurs
// in `word` as a substring, in enumeration order, each once. An entry with
// an empty headword always occurs. This is the set the parser would try
// if it scanned every entry.
// REQUIRES: positions != nullptr.
void FindHeadwordsIn(const CLexicon& lexicon, std::string_view word,
                     std::vector<uint32_t>* positions);

// Lowers the text limit below CLexicon::kMaxTextBytes, so that tests can
// reach it.
void SetTextLimitForTesting(CLexicon* lexicon, size_t limit);

}  // namespace wordvault
}  // namespace tesvar

#endif  // TESVAR_WORDVAULT_LEXICON_INTERNAL_H_
