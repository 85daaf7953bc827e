// The noun grammar checks, shared by the suffix scan in parsed_noun.cc:
// the order of suffix types, and what each suffix says about the noun it
// is on (plurals, possessives, demonstratives, locatives).
// Tested by parsed_noun_test.cc.

#ifndef TESVAR_NOUNS_NOUN_CHECKS_H_
#define TESVAR_NOUNS_NOUN_CHECKS_H_

#include <string>
#include <string_view>

#include "nouns/noun_suffix_table.h"
#include "nouns/parsed_noun.h"
#include "tesvar/lexicon.h"

namespace tesvar {

// One suffix just found by the scan.
struct NounSuffixMatch {
  const CTWord& entry;
  const NounSuffixRow& row;
  std::string_view after;  // the still unscanned tail behind the suffix
};

// The slot of `noun` holding suffixes of `type`, or nullptr when the type
// is outside 1 to 5.
std::string_view* NounSlot(CParsedNoun* noun, int type);

// Compares the match with the previous suffix (`last_type` 0 before the
// first one) and reports a repeated or out-of-order type.
void CheckNounSuffixOrder(const NounSuffixMatch& match,
                          std::string_view last_suffix, int last_type,
                          CParsedNoun* noun);

// Runs the checks of what the suffix means for this noun, after the
// suffix has been stored in its slot. Returns false when the reading must
// be rejected; the messages stay on `noun` either way.
bool CheckNounSuffixUse(const NounSuffixMatch& match, CParsedNoun* noun);

}  // namespace tesvar

#endif  // TESVAR_NOUNS_NOUN_CHECKS_H_
