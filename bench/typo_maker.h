// Typos for measuring corrections: a correct word with one random slip,
// the kinds of slip that people make at a keyboard. Words are taken apart
// into the letters of their alphabet, so that a slip replaces, adds,
// drops or swaps whole letters ("tlh" is one letter of the language's
// alphabet, as "a" is one of English).
//
// A TypoMaker is deterministic for a given alphabet and seed; use one per
// thread.

#ifndef TESVAR_BENCH_TYPO_MAKER_H_
#define TESVAR_BENCH_TYPO_MAKER_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "bench/random.h"

namespace tesvar {
namespace bench {

enum class Slip {
  kSubstitution,       // one letter typed for another
  kInsertion,          // a letter too many
  kDeletion,           // a letter left out
  kSwap,               // two neighbouring letters swapped
  kApostropheDropped,  // an apostrophe left out
  kWrongCase,          // one byte typed in the other case
};
constexpr size_t kSlipKinds = 6;

std::string_view SlipName(Slip slip);

class TypoMaker {
 public:
  // `letters` are the letters of the alphabet in their written form;
  // words are split at the longest letter that fits.
  // REQUIRES: no letter is empty.
  TypoMaker(std::vector<std::string> letters, uint64_t seed);

  // Stores `word` with one slip of `kind` in *typo and returns true, or
  // returns false when the word leaves no room for that kind (no
  // apostrophe to drop, one letter to swap, no letter to recase). The
  // typo always differs from the word.
  bool Make(std::string_view word, Slip kind, std::string* typo);

  // A slip kind drawn uniformly from `kinds`.
  Slip Draw(const std::vector<Slip>& kinds);

 private:
  std::vector<std::string_view> Split(std::string_view word) const;
  const std::string& RandomLetter() {
    return letters_[random_.Uniform(letters_.size())];
  }

  std::vector<std::string> letters_;
  Random random_;
};

// The letters of the language, in canonical spelling.
std::vector<std::string> TesvarLetters();
// a to z.
std::vector<std::string> EnglishLetters();

}  // namespace bench
}  // namespace tesvar

#endif  // TESVAR_BENCH_TYPO_MAKER_H_
