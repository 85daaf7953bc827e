// The shapes of the words a lexicon allows, as three tries of letters: the
// verb prefixes, the headwords (marked with the affixes that may follow
// them and whether a prefix may stand before them), and the suffixes
// (marked with the kinds of headword they follow). A word of the language
// is a path through them: an optional prefix, a headword, any number of
// suffixes. The tries allow more than the grammar does (suffixes in any
// order, for one); the parser decides.
//
// Immutable after BuildWordShapes; any number of threads may read it.
// Tested by near_words_test.cc.

#ifndef TESVAR_CORRECTOR_WORD_SHAPES_H_
#define TESVAR_CORRECTOR_WORD_SHAPES_H_

#include <cstdint>

#include "corrector/affix_inventory.h"
#include "corrector/letter_trie.h"
#include "tesvar/lexicon.h"

namespace tesvar {
namespace corrector {

// Marks of a headword: the AffixClass bits of what may follow it, and:
enum HeadwordMark : uint8_t {
  kTakesVerbPrefix = 1 << 5,
  kIsHeadword = 1 << 6,  // every headword has it
};

struct WordShapes {
  LetterTrie prefixes;
  LetterTrie headwords;
  LetterTrie suffixes;
};

// The shapes of `lexicon`. Headwords that are empty or not in canonical
// spelling are left out: the parser compares the normalised word with the
// headword byte for byte, so such a headword begins no word it reads.
WordShapes BuildWordShapes(const CLexicon& lexicon);

}  // namespace corrector
}  // namespace tesvar

#endif  // TESVAR_CORRECTOR_WORD_SHAPES_H_
