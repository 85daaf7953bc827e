// Checks of lexicon entries for likely mistakes: entries that load but
// that the analyses would never match, or whose texts would come out
// garbled. The list of checks is in tesvar/lexicon_tsv.h (LexiconWarning).
//
// LintEntry is a pure function; a DuplicateFinder serves one load.

#ifndef TESVAR_WORDVAULT_TSV_LINT_H_
#define TESVAR_WORDVAULT_TSV_LINT_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tesvar/lexicon.h"
#include "wordvault/slot_table.h"

namespace tesvar {
namespace wordvault {

// Appends to *found what looks wrong with the entry, one message per
// finding, in a fixed order: the texts (key, headword, definition,
// plural), then the headword and plural spellings, then the flags and
// plural against the part of speech.
void LintEntry(std::string_view key, const CTWord& word,
               std::vector<std::string>* found);

// Finds entries with the same headword, part of speech and definition as
// an earlier entry, in time independent of how many entries share a
// headword. Holds a table of positions of the lexicon, about 10 bytes per
// entry.
class DuplicateFinder {
 public:
  // The position of the first entry before `position` with the same
  // headword, part of speech and definition, or kNoPosition.
  // REQUIRES: called for the positions of `lexicon` in order, from 0.
  uint32_t EarlierLike(const CLexicon& lexicon, uint32_t position);

 private:
  size_t SlotOf(const CLexicon& lexicon, uint32_t position,
                uint64_t hash) const;

  SlotTable table_;
};

}  // namespace wordvault
}  // namespace tesvar

#endif  // TESVAR_WORDVAULT_TSV_LINT_H_
