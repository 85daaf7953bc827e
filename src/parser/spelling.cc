// Spelling normalisation runs four passes in a fixed order: fold each byte
// to its canonical case (dropping foreign bytes), repair "th" and "thl" to
// the trigraph "tlh", settle every lower-case "h" (kept only inside "ch",
// "gh" and "tlh"), and restore the apostrophe that an initial vowel needs.
// The order matters: the apostrophe is added last so that it does not shift
// the positions the "h" pass looks at.
// Tested by spelling_test.cc.

#include "parser/spelling.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "platform/shared_bytes.h"
#include "platform/text.h"

namespace tesvar {

namespace {

// The letters of the alphabet, in lower case; each is accepted in either
// case. The apostrophe is the only other byte of the alphabet.
constexpr std::string_view kAlphabetLetters = "abcdeghijlmnopqrstuvwy";
// Letters that are written in upper case whatever the user typed; the
// others fold to lower case, but for the two-case letters below.
constexpr std::string_view kUpperCaseLetters = "DIS";
// Letters whose two cases are two different letters.
constexpr std::string_view kBothCaseLetters = "qQhH";
// Initial letters that need a glottal stop written in front of them.
constexpr std::string_view kInitialVowels = "aeIou";

constexpr char ToLowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr char ToUpperAscii(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr bool In(std::string_view set, char c) {
  return set.find(c) != std::string_view::npos;
}

// The canonical case of an alphabet byte.
constexpr char CanonicalCase(char c) {
  if (c == '\'' || In(kBothCaseLetters, c)) return c;
  const char upper = ToUpperAscii(c);
  if (In(kUpperCaseLetters, upper)) return upper;
  return ToLowerAscii(c);
}

constexpr bool InAlphabet(char c) {
  return c == '\'' || In(kAlphabetLetters, ToLowerAscii(c));
}

// Every byte's canonical form, or NUL for bytes outside the alphabet (NUL
// is not in it), looked up once per byte of every word parsed.
struct CanonicalBytes {
  char of[256];
};

constexpr CanonicalBytes MakeCanonicalBytes() {
  CanonicalBytes table{};
  for (int byte = 0; byte < 256; ++byte) {
    const char c = static_cast<char>(byte);
    table.of[byte] = InAlphabet(c) ? CanonicalCase(c) : '\0';
  }
  return table;
}

constexpr CanonicalBytes kCanonicalBytes = MakeCanonicalBytes();

char CanonicalByte(char c) {
  return kCanonicalBytes.of[static_cast<unsigned char>(c)];
}

// A set of bytes. The plain bytes may stand anywhere in a canonical word:
// every canonical byte but "h", which depends on the bytes before it.
struct ByteSet {
  bool is[256];
};

constexpr ByteSet MakePlainBytes() {
  ByteSet table{};
  for (int byte = 1; byte < 256; ++byte) {
    const char c = static_cast<char>(byte);
    table.is[byte] = c != 'h' && kCanonicalBytes.of[byte] == c;
  }
  return table;
}

constexpr ByteSet kPlainBytes = MakePlainBytes();

constexpr ByteSet MakeInitialVowelBytes() {
  ByteSet table{};
  for (char c : kInitialVowels) table.is[static_cast<unsigned char>(c)] = true;
  return table;
}

constexpr ByteSet kInitialVowelBytes = MakeInitialVowelBytes();

// Whether the bytes of `word` from `from` up to `to` may stand where they
// are, and, for `from` 0, whether the word may begin as it does. kByEight: runs
// of plain bytes are passed eight at a time, without a branch per byte,
// which pays in the long corrections that sub-parses check but not in
// short words, which mostly hold an "h" within their first eight bytes.
template <bool kByEight>
bool IsCanonicalBetween(std::string_view word, size_t from, size_t to) {
  if (from == 0 && !word.empty() &&
      kInitialVowelBytes.is[static_cast<unsigned char>(word[0])]) {
    return false;
  }
  size_t i = from;
  auto plain = [&word](size_t at) {
    return static_cast<unsigned>(
        kPlainBytes.is[static_cast<unsigned char>(word[at])]);
  };
  while (i < to) {
    // The loop below sees the rest from the first byte that is not plain,
    // and hands back after it.
    for (; kByEight && i + 8 <= to; i += 8) {
      if ((plain(i) & plain(i + 1) & plain(i + 2) & plain(i + 3) &
           plain(i + 4) & plain(i + 5) & plain(i + 6) & plain(i + 7)) == 0) {
        break;
      }
    }
    for (; i < to; ++i) {
      const char c = word[i];
      if (kPlainBytes.is[static_cast<unsigned char>(c)]) continue;
      if (c != 'h') return false;
      // Kept only in "ch", "gh" and "tlh"; this also rules out "th".
      if (i == 0) return false;
      const char before = word[i - 1];
      if (before != 'c' && before != 'g' &&
          !(i >= 2 && word[i - 2] == 't' && before == 'l')) {
        return false;
      }
      ++i;
      break;
    }
  }
  return true;
}

// Decides each lower-case "h" from left to right: it stays only as the
// second letter of "ch" or "gh" or the third of "tlh".
void SettleLowerCaseH(std::string* word) {
  std::string& w = *word;
  for (size_t i = 0; i < w.size(); ++i) {
    if (w[i] != 'h') continue;
    if (i == 0) {
      w[i] = 'H';
      continue;
    }
    const char before = w[i - 1];
    if (before == 'c' || before == 'g') continue;
    if (i >= 2 && w[i - 2] == 't' && before == 'l') continue;
    w[i] = 'H';
  }
}

}  // namespace

bool IsAlphabetByte(char c) { return CanonicalByte(c) != '\0'; }

bool IsCanonicalSpelling(std::string_view word) {
  return IsCanonicalBetween<false>(word, 0, word.size());
}

bool CanonicalSpellingCheck::IsCanonical(std::string_view word) {
  // The last word was canonical. Of the bytes that both words end with,
  // past the bytes they begin with, all but the first two stand after the
  // same two bytes as there.
  // A short rest is read at once.
  constexpr size_t kShortRest = 32;
  const size_t start = SharedStart(word, last_);
  size_t to = word.size();
  if (to - start > kShortRest) {
    const size_t end =
        SharedEnd(word, last_, std::min(word.size(), last_.size()) - start);
    to = std::min(to, to - end + 2);
  }
  if (!IsCanonicalBetween<true>(word, start, to)) return false;
  last_ = word;
  return true;
}

void NormaliseSpelling(std::string* word) {
  // The first pass only drops or replaces bytes, so it works in place.
  std::string& w = *word;
  size_t kept = 0;
  for (const char c : w) {
    if (const char canonical = CanonicalByte(c)) w[kept++] = canonical;
  }
  w.resize(kept);
  if (Contains(w, "th")) {
    Replace(&w, "thl", "tlh");
    Replace(&w, "th", "tlh");
  }
  SettleLowerCaseH(&w);
  if (!w.empty() && In(kInitialVowels, w[0])) w.insert(0, 1, '\'');
}

}  // namespace tesvar
