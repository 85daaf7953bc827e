#include "corrector/letters.h"

#include <gtest/gtest.h>

#include <string>

#include "parser/spelling.h"

namespace tesvar {
namespace corrector {
namespace {

// The letters of a reading, joined by "." ("?" for a foreign character).
std::string Show(const Letters& letters) {
  std::string out;
  for (const Letter letter : letters) {
    if (!out.empty()) out += '.';
    out += letter == kForeign ? "?" : std::string(kLetterSpellings[letter]);
  }
  return out;
}

TEST(LettersTest, CanonicalTextReadsLetterForLetter) {
  struct Case {
    std::string text;
    std::string letters;  // "" with ok == false: rejected
    bool ok;
  };
  const Case cases[] = {
      {"", "", true},
      {"tlhIngan", "tlh.I.ng.a.n", true},
      {"ghompu'wI'", "gh.o.m.p.u.'.w.I.'", true},
      {"chorgh", "ch.o.r.gh", true},
      // "n" before "gh" is "n", since a lone "h" is no letter.
      {"nghItlh", "n.gh.I.tlh", true},
      {"ngH", "ng.H", true},
      {"tl", "t.l", true},
      {"QaqHey", "Q.a.q.H.e.y", true},
      // Not canonical: a lone "h", "c" or "g", a lower-case "d", "i", "s",
      // a capital that folds, a byte outside the alphabet.
      {"qah", "", false},
      {"cat", "", false},
      {"gab", "", false},
      {"dal", "", false},
      {"Lo'", "", false},
      {"Dak", "", false},
      {"Da-t", "", false},
  };
  for (const Case& c : cases) {
    Letters letters;
    EXPECT_EQ(c.ok, ReadCanonical(c.text, &letters)) << c.text;
    if (c.ok) {
      EXPECT_EQ(c.letters, Show(letters)) << c.text;
    }
  }
  // Every letter reads back as itself.
  for (Letter letter = 0; letter < kLetterCount; ++letter) {
    Letters letters;
    ASSERT_TRUE(ReadCanonical(kLetterSpellings[letter], &letters));
    EXPECT_EQ(Letters{letter}, letters) << kLetterSpellings[letter];
  }
}

TEST(LettersTest, TypedTextAlwaysReads) {
  struct Case {
    std::string typed;
    std::string letters;
  };
  const Case cases[] = {
      {"", ""},
      // Case folds as the parser folds it; q and Q stay apart.
      {"DALMEY", "D.a.l.m.e.y"},
      {"dis", "D.I.S"},
      {"qaQ", "q.a.Q"},
      {"th", "tlh"},
      {"thlIngan", "tlh.I.ng.a.n"},
      // An "H" completes "ch", "gh" and "tlh" where the parser keeps it
      // apart ("QAGH" is "QagH" to the parser).
      {"QAGH", "Q.a.gh"},
      {"TLHINGAN", "tlh.I.ng.a.n"},
      {"cHa'", "ch.a.'"},
      {"junEngHa'", "j.u.n.e.ng.H.a.'"},
      // No apostrophe is added before an initial vowel.
      {"ej", "e.j"},
      // A lone "c" or "g" is a letter of typed text only.
      {"cat", "c.a.t"},
      // Characters outside the alphabet are one letter each, UTF-8
      // sequences whole, broken UTF-8 byte by byte.
      {"D\xC3\xA4t", "D.?.t"},
      {"Dalmeyk", "D.a.l.m.e.y.?"},
      {"x\xC3", "?.?"},
      {"\xE2\x80\x94", "?"},
      // Typographic apostrophes are the apostrophe.
      {"lo\xE2\x80\x99"
       "ey",
       "l.o.'.e.y"},
      {"\xE2\x80\x98"
       "ej\xCA\xBC",
       "'.e.j.'"},
  };
  for (const Case& c : cases) {
    Letters letters;
    ReadTyped(c.typed, &letters);
    EXPECT_EQ(c.letters, Show(letters)) << c.typed;
  }
}

// For words of the alphabet, reading typed text agrees with the parser's
// normalisation but for the apostrophe it adds before an initial vowel and
// the "H" that completes a letter.
TEST(LettersTest, TypedTextAgreesWithSpellingNormalisation) {
  const std::string alphabet = "abcdeghijlmnopqrstuvwyABCDEGHIJLMNOPQRSTUVWY'";
  uint64_t state = 12345;
  for (int n = 0; n < 20000; ++n) {
    std::string word;
    const size_t length = 1 + n % 9;
    for (size_t i = 0; i < length; ++i) {
      state = state * 6364136223846793005ULL + 1442695040888963407ULL;
      word += alphabet[(state >> 33) % alphabet.size()];
    }
    std::string normal = word;
    NormaliseSpelling(&normal);
    bool joins_h = normal.find("cH") != std::string::npos ||
                   normal.find("tlH") != std::string::npos;
    for (size_t at = normal.find("gH"); at != std::string::npos;
         at = normal.find("gH", at + 1)) {
      joins_h = joins_h || at == 0 || normal[at - 1] != 'n';
    }
    if (joins_h) continue;
    Letters letters;
    ReadTyped(word, &letters);
    std::string spelled;
    AppendSpelling(letters.data(), letters.size(), &spelled);
    if (!letters.empty() && IsVowel(letters[0])) spelled.insert(0, "'");
    ASSERT_EQ(normal, spelled) << word;
  }
}

}  // namespace
}  // namespace corrector
}  // namespace tesvar
