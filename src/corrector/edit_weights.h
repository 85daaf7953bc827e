// What each slip costs when a typed word is compared with a correction:
// one letter typed for another, a letter typed too many, a letter left
// out, two neighbours swapped. A plain slip weighs kPlainEdit; the slips
// people make most often weigh less, so that the corrections they point
// to come first:
//
//   q for Q (and back), a lone c or g for ch or gh    near letters
//   t for tlh, n for ng                               a letter cut short
//   a key next to the right one                       neighbouring keys
//   a letter typed twice, one of a double left out    doubling slips
//   the apostrophe left out or typed once too often   apostrophe slips
//   two neighbouring letters swapped, a letter left out
//
// A word has about as many places to leave a letter out or to swap two as
// it has letters, but some twenty-five times as many ways to type a wrong
// letter or one too many, so of two corrections one slip away, the one
// that restores a dropped letter or a swap is the likelier.
//
// The apostrophe before an initial vowel is written by spelling
// normalisation, so leaving it out is no slip at all.
//
// Pure functions of constant tables; thread-safe.
// Tested by near_words_test.cc.

#ifndef TESVAR_CORRECTOR_EDIT_WEIGHTS_H_
#define TESVAR_CORRECTOR_EDIT_WEIGHTS_H_

#include "corrector/letters.h"

namespace tesvar {
namespace corrector {

// One plain slip.
constexpr int kPlainEdit = 10;
// Two neighbouring letters typed in the wrong order.
constexpr int kSwapWeight = 6;
// The lightest slip that leaves a letter of the correction out, but for
// the free apostrophe at the start; it bounds how much longer than the
// typed word a correction can be.
constexpr int kLightestMissingLetter = 4;

// The heaviest bound a search may use.
constexpr int kMaxBound = 2 * kPlainEdit;

// The weights as tables, for the inner loop of the search.
struct WeightTables {
  // [intended][typed]: SubstitutionWeight.
  int substitution[kLetterKinds][kLetterKinds];
  // [typed][w]: bits of the letters x with SubstitutionWeight(x, typed)
  // at most w.
  uint32_t substitutes_within[kLetterKinds][kMaxBound + 1];
  // [previous][w]: bits of the letters x with MissingLetterWeight(x,
  // previous) at most w.
  uint32_t missing_within[kLetterKinds][kMaxBound + 1];
};
extern const WeightTables kWeightTables;

// `typed` where the correction has `intended`; 0 when they are equal.
int SubstitutionWeight(Letter intended, Letter typed);

// `typed` is a letter too many; `previous` is the typed letter before it
// (kForeign at the start of the word).
int ExtraLetterWeight(Letter typed, Letter previous);

// `intended` is missing from the typed word; `previous` is the letter of
// the correction before it (kForeign at the start of the word).
int MissingLetterWeight(Letter intended, Letter previous);

// The weight of the correction's first letter missing from the typed word
// that begins with `typed_first`.
int MissingFirstLetterWeight(Letter intended, Letter typed_first);

}  // namespace corrector
}  // namespace tesvar

#endif  // TESVAR_CORRECTOR_EDIT_WEIGHTS_H_
