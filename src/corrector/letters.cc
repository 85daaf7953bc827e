// Both readers work on bytes and take the longest letter that fits at each
// place: "tlh" before "t", "ch", "gh" and "ng" before their first byte. An
// "n" followed by "gh" is "n" and "gh", since a lone "h" is no letter.
//
// Typed text is first folded the way the parser's normalisation folds it
// (canonical case, "th" and "thl" taken for "tlh"), so that a word differs
// from its correction only by real slips. One leniency goes further than
// the parser: an "H" after "c", "g" (but for "ng") or "tl" completes the
// letter, since "c" and "g" are no letters by themselves and no syllable
// puts "tl" before an "H". The apostrophe that the parser writes before an
// initial vowel is left to the edit weights, so that "ot" is as near to "to" as
// to "'ot".
// Tested by letters_test.cc.

#include "corrector/letters.h"

#include <algorithm>

#include "parser/spelling.h"
#include "platform/text.h"
#include "tesvar/utf8.h"

namespace tesvar {
namespace corrector {

namespace {

constexpr Letter kNoLetter = 0xFF;
// Stands for a foreign character in folded text; no letter uses it.
constexpr char kForeignMark = '\0';

// The single-byte letters by their byte, in canonical case.
struct ByteLetters {
  Letter of[256];
};

constexpr ByteLetters MakeByteLetters() {
  ByteLetters table{};
  for (Letter& letter : table.of) letter = kNoLetter;
  for (Letter letter = 0; letter < kLetterCount; ++letter) {
    const std::string_view spelling = kLetterSpellings[letter];
    if (spelling.size() == 1) {
      table.of[static_cast<unsigned char>(spelling[0])] = letter;
    }
  }
  return table;
}

constexpr ByteLetters kByteLetters = MakeByteLetters();

Letter SingleByteLetter(char c) {
  return kByteLetters.of[static_cast<unsigned char>(c)];
}

constexpr char ToLowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr char ToUpperAscii(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// The multi-byte letter that starts `text`, or kNoLetter. `text` is
// folded, so "h" inside a letter is lower case.
Letter MultiByteLetter(std::string_view text) {
  if (StartsWith(text, "tlh")) return kLetterTlh;
  if (StartsWith(text, "ch")) return kLetterCh;
  if (StartsWith(text, "gh")) return kLetterGh;
  if (StartsWith(text, "ng") && !StartsWith(text.substr(2), "h")) {
    return kLetterNg;
  }
  return kNoLetter;
}

// An alphabet byte in canonical case; "h", "c" and "g", which only stand
// inside letters, stay lower case, and the two cases of "q" and "h" are
// different letters.
char FoldAlphabetByte(char c) {
  if (c == 'q' || c == 'Q' || c == 'h' || c == 'H' || c == '\'') return c;
  const char lower = ToLowerAscii(c);
  if (lower == 'c' || lower == 'g') return lower;
  if (SingleByteLetter(lower) != kNoLetter) return lower;
  return ToUpperAscii(c);
}

// Typographic apostrophes that word processors put for the apostrophe:
// U+2019, U+2018 and U+02BC in UTF-8.
bool IsApostropheCharacter(std::string_view character) {
  return character == "\xE2\x80\x99" || character == "\xE2\x80\x98" ||
         character == "\xCA\xBC";
}

// Folds each character of `typed` into *folded: alphabet bytes to their
// canonical case, apostrophes to "'", anything else to kForeignMark.
void FoldCharacters(std::string_view typed, std::string* folded) {
  for (size_t i = 0; i < typed.size();) {
    const char c = typed[i];
    if (IsAlphabetByte(c)) {
      folded->push_back(FoldAlphabetByte(c));
      ++i;
      continue;
    }
    // A byte of no well-formed character is a character of its own.
    const size_t length =
        std::max<size_t>(1, Utf8SequenceLength(typed.substr(i)));
    folded->push_back(
        IsApostropheCharacter(typed.substr(i, length)) ? '\'' : kForeignMark);
    i += length;
  }
}

// Lower-cases each "H" that completes a letter (see the design note).
void JoinCapitalH(std::string* folded) {
  std::string& w = *folded;
  for (size_t i = 1; i < w.size(); ++i) {
    if (w[i] != 'H') continue;
    const char before = w[i - 1];
    const char two_before = i >= 2 ? w[i - 2] : '\0';
    // "ngH" is "ng" and "H", as typed.
    if (before == 'c' || (before == 'g' && two_before != 'n') ||
        (before == 'l' && two_before == 't')) {
      w[i] = 'h';
    }
  }
}

}  // namespace

bool IsVowel(Letter letter) {
  const std::string_view spelling = kLetterSpellings[letter];
  return spelling.size() == 1 && Contains("aeIou", spelling);
}

bool ReadCanonical(std::string_view text, Letters* letters) {
  letters->clear();
  for (size_t i = 0; i < text.size();) {
    Letter letter = MultiByteLetter(text.substr(i));
    if (letter == kNoLetter) letter = SingleByteLetter(text[i]);
    if (letter == kNoLetter) return false;
    letters->push_back(letter);
    i += kLetterSpellings[letter].size();
  }
  return true;
}

void ReadTyped(std::string_view typed, Letters* letters) {
  letters->clear();
  std::string folded;
  folded.reserve(typed.size());
  FoldCharacters(typed, &folded);
  JoinCapitalH(&folded);
  if (Contains(folded, "th")) {
    Replace(&folded, "thl", "tlh");
    Replace(&folded, "th", "tlh");
  }
  const std::string_view text = folded;
  for (size_t i = 0; i < text.size();) {
    Letter letter = MultiByteLetter(text.substr(i));
    size_t length = 1;
    if (letter != kNoLetter) {
      length = kLetterSpellings[letter].size();
    } else if (text[i] == kForeignMark) {
      letter = kForeign;
    } else if (text[i] == 'c' || text[i] == 'g') {
      letter = text[i] == 'c' ? kLoneC : kLoneG;
    } else {
      // A lone lower-case "h" is "H", as the parser reads it.
      letter = SingleByteLetter(text[i] == 'h' ? 'H' : text[i]);
      if (letter == kNoLetter) letter = kForeign;
    }
    letters->push_back(letter);
    i += length;
  }
}

void AppendSpelling(const Letter* letters, size_t count, std::string* out) {
  for (size_t i = 0; i < count; ++i) out->append(kLetterSpellings[letters[i]]);
}

}  // namespace corrector
}  // namespace tesvar
