// Words as strings of the language's letters rather than bytes: "ch",
// "gh", "ng" and "tlh" are one letter each, and so is the apostrophe.
// Corrections are measured in letters, so that typing "t" for "tlh" is one
// slip, not two.
//
// Canonical text (headwords, affixes, corrections) reads letter for letter
// or not at all. Typed text always reads: its case is folded and "th" is
// taken for "tlh" exactly as the parser's spelling normalisation does, the
// typographic apostrophes are the apostrophe, and every other character
// becomes a letter of its own that matches nothing.
//
// Pure functions of constant tables; thread-safe.
// Tested by letters_test.cc.

#ifndef TESVAR_CORRECTOR_LETTERS_H_
#define TESVAR_CORRECTOR_LETTERS_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tesvar {
namespace corrector {

using Letter = uint8_t;
using Letters = std::vector<Letter>;

// The letters of the alphabet, numbered in the order of kLetterSpellings.
constexpr Letter kLetterCount = 26;
// Letters that only typed text has: a character outside the alphabet, and
// a "c" or "g" without the "h" that every letter starting with them has.
constexpr Letter kForeign = kLetterCount;
constexpr Letter kLoneC = kLetterCount + 1;
constexpr Letter kLoneG = kLetterCount + 2;
constexpr Letter kLetterKinds = kLetterCount + 3;

// The canonical spelling of each letter, then what each typed-only letter
// is written as ("" for a foreign character, whose bytes are not kept).
inline constexpr std::string_view kLetterSpellings[kLetterKinds] = {
    "a", "b", "ch", "D", "e", "gh", "H", "I", "j", "l", "m", "n", "ng", "o",
    "p", "q", "Q", "r", "S", "t", "tlh", "u", "v", "w", "y", "'",
    // kForeign, kLoneC, kLoneG
    "", "c", "g"};

// Letter numbers that the edit weights name.
constexpr Letter kApostrophe = 25;
constexpr Letter kLetterCh = 2;
constexpr Letter kLetterGh = 5;
constexpr Letter kLetterN = 11;
constexpr Letter kLetterNg = 12;
constexpr Letter kLetterSmallQ = 15;
constexpr Letter kLetterCapitalQ = 16;
constexpr Letter kLetterT = 19;
constexpr Letter kLetterTlh = 20;

bool IsVowel(Letter letter);

// Reads `text` written in canonical spelling into *letters (replacing its
// content) and returns true; returns false when `text` is not canonical,
// for example a lone "h", a lower-case "d" or a byte outside the alphabet.
bool ReadCanonical(std::string_view text, Letters* letters);

// Reads a typed word into *letters (replacing its content). Never fails.
void ReadTyped(std::string_view typed, Letters* letters);

// Appends the spelling of `letters` to *out.
void AppendSpelling(const Letter* letters, size_t count, std::string* out);

}  // namespace corrector
}  // namespace tesvar

#endif  // TESVAR_CORRECTOR_LETTERS_H_
