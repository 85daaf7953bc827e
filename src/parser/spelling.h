// Spelling normalisation: rewrites a word as typed into the canonical
// spelling of the language (the case of each letter, "tlh" for "th",
// the case of each "h", the apostrophe before an initial vowel) and drops
// bytes outside the alphabet.
//
// Pure functions, thread-safe; CanonicalSpellingCheck is owned by one
// caller at a time. Tested by spelling_test.cc.

#ifndef TESVAR_PARSER_SPELLING_H_
#define TESVAR_PARSER_SPELLING_H_

#include <string>
#include <string_view>

namespace tesvar {

// The message of a reading found only after normalisation changed the
// word (CParseResult::Case).
inline constexpr std::string_view kSpellingMessage = "Spelling or case.";

// True for the 45 bytes of the alphabet: the letters a-e, g-j, l-w, y in
// both cases and the apostrophe.
bool IsAlphabetByte(char c);

// Rewrites *word into canonical spelling. An empty word stays empty.
void NormaliseSpelling(std::string* word);

// True when NormaliseSpelling would leave `word` as it is; one pass, for
// words that are mostly canonical already (corrections are made of
// canonical pieces).
bool IsCanonicalSpelling(std::string_view word);

// IsCanonicalSpelling for a run of words that mostly begin and end like
// the word checked before them, as corrections of corrections do: it
// keeps the last word it found canonical, and reads a word only from where
// the two part to two bytes into the end they share, since whether a byte
// may stand where it is depends on no more than the two bytes before it.
// The words are views that must stay valid until Forget.
class CanonicalSpellingCheck {
 public:
  bool IsCanonical(std::string_view word);
  // Lets go of the last word, before the texts it lies in go.
  void Forget() { last_ = {}; }

 private:
  std::string_view last_;  // canonical (the empty word is)
};

}  // namespace tesvar

#endif  // TESVAR_PARSER_SPELLING_H_
