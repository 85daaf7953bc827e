#include "parser/spelling.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tesvar {
namespace {

// Every string of up to `longest` bytes drawn from `bytes`, the empty one
// first, shorter before longer.
std::vector<std::string> AllStrings(const std::string& bytes, size_t longest) {
  std::vector<std::string> strings = {""};
  for (size_t begin = 0, length = 1; length <= longest; ++length) {
    const size_t end = strings.size();
    for (size_t i = begin; i < end; ++i) {
      for (char c : bytes) strings.push_back(strings[i] + c);
    }
    begin = end;
  }
  return strings;
}

TEST(SpellingTest, AlphabetHasFortyFiveBytes) {
  int accepted = 0;
  for (int b = 0; b < 256; ++b) {
    if (IsAlphabetByte(static_cast<char>(b))) ++accepted;
  }
  EXPECT_EQ(accepted, 45);
  for (char c : std::string("fkxzFKXZ0 -.\"")) {
    EXPECT_FALSE(IsAlphabetByte(c)) << c;
  }
  EXPECT_TRUE(IsAlphabetByte('\''));
  EXPECT_FALSE(IsAlphabetByte('\xe4'));
}

TEST(SpellingTest, NormalisesTypedWords) {
  struct Case {
    std::string typed;
    std::string normal;
  };
  const Case cases[] = {
      {"", ""},
      {"123 -.", ""},
      // Already canonical words come back unchanged.
      {"tlhIngan", "tlhIngan"},
      {"'e'", "'e'"},
      // Case folding: d, i, s go up; D, H, I, Q, S stay; the rest go down.
      {"QAPLA'", "Qapla'"},
      {"qapla'", "qapla'"},
      {"dis", "DIS"},
      {"BIQ", "bIQ"},
      {"biq", "bIq"},
      // "th" and "thl" become "tlh"; a correct "tlh" is left alone.
      {"thingan", "tlhIngan"},
      {"thlingan", "tlhIngan"},
      // A typed capital H is a letter of its own and is kept.
      {"TLHINGAN", "tlHIngan"},
      // "h" stays only in "ch", "gh", "tlh"; elsewhere it becomes "H".
      {"hoch", "Hoch"},
      {"ahh", "'aHH"},
      {"chach", "chach"},
      {"gho", "gho"},
      {"qah", "qaH"},
      {"lh", "lH"},
      {"tlh", "tlh"},
      {"chh", "chH"},
      // Initial vowels get the glottal stop, but never a second one.
      {"uy", "'uy"},
      {"ip", "'Ip"},
      {"A", "'a"},
      {"'a'", "'a'"},
      {"e'", "'e'"},
      // Foreign bytes vanish and the neighbours close up.
      {"t-h", "tlh"},
      {"qa\xe4S taH", "qaStaH"},
      {std::string("jI\0yaj", 6), "jIyaj"},
  };
  for (const Case& c : cases) {
    std::string word = c.typed;
    NormaliseSpelling(&word);
    EXPECT_EQ(word, c.normal) << "typed: " << c.typed;
  }
}

TEST(SpellingTest, IsIdempotent) {
  for (std::string word :
       {"THINGAN", "hoch", "dis", "QAPLA'", "thl", "ahh", "x-y-z", "uy"}) {
    NormaliseSpelling(&word);
    std::string again = word;
    NormaliseSpelling(&again);
    EXPECT_EQ(again, word);
  }
}

// The quick test agrees with normalisation on every word of up to four
// bytes drawn from the bytes that matter to it: "h" and its neighbours,
// vowels, case, the apostrophe and foreign bytes, NUL among them.
TEST(SpellingTest, CanonicalTestAgreesWithNormalisation) {
  const std::string bytes("tlhcgHaI'Ddq-\0\xe4", 15);
  const std::vector<std::string> words = AllStrings(bytes, 4);
  int canonical = 0;
  for (const std::string& word : words) {
    std::string normal = word;
    NormaliseSpelling(&normal);
    EXPECT_EQ(IsCanonicalSpelling(word), normal == word) << word;
    canonical += normal == word ? 1 : 0;
  }
  EXPECT_GT(canonical, 1000);
}

// A check that reads each word only from where it parts from the last
// canonical one must agree with a full reading, also where the parting
// falls on "h", right after the stem or behind a word that was not
// canonical.
TEST(SpellingTest, CheckOfRelatedWordsAgreesWithTheQuickTest) {
  const std::string bytes("tlhcgHaI'Ddq-\0\xe4", 15);
  const std::vector<std::string> tails = AllStrings(bytes, 3);
  // The long stems put a tail past the first eight bytes and an "h" in
  // the middle of the second eight.
  for (const std::string stem :
       {"", "tl", "ghotlh", "Qapqu'be'qu'be'Qo'c", "Qapqu'be'qu'chbe'Qo'tl"}) {
    // The check keeps views: the words must stay where they are.
    std::vector<std::string> words;
    words.reserve(tails.size());
    for (const std::string& tail : tails) words.push_back(stem + tail);
    CanonicalSpellingCheck check;
    for (const std::string& word : words) {
      EXPECT_EQ(check.IsCanonical(word), IsCanonicalSpelling(word))
          << stem << " + " << word;
    }
  }
}

// Corrections also share their ends with the word checked before them,
// and the check skips most of such an end: the bytes of the end whose
// place depends on the changed middle ("h" after it, an initial vowel)
// must still be read.
TEST(SpellingTest, CheckOfWordsSharingTheirEndsAgreesWithTheQuickTest) {
  const std::string bytes("tlcgHaI'q-", 10);
  const std::vector<std::string> middles = AllStrings(bytes, 2);
  for (const std::string stem : {"", "Qapqu'be'qu'be'Qo'c"}) {
    for (const std::string end :
         {"h", "lh", "hqu'", "lhqu'be'", "ghqu'be'qu'be'Qo'Qapla'"}) {
      std::vector<std::string> words;
      words.reserve(middles.size());
      for (const std::string& middle : middles) {
        words.push_back(stem + middle + end);
      }
      CanonicalSpellingCheck check;
      for (const std::string& word : words) {
        EXPECT_EQ(check.IsCanonical(word), IsCanonicalSpelling(word))
            << stem << " + " << word;
      }
    }
  }
}

// Long words are read eight bytes at a time where they can be, and again
// after each "h": a single misplaced byte must be found wherever it stands.
TEST(SpellingTest, CheckFindsOneBadByteAnywhereInALongWord) {
  for (const std::string plain :
       {"Qapqu'be'qu'be'Qo'Qapla'", "Qapchqu'be'qu'be'ghQo'Qapla'tlhqu'be'"}) {
    ASSERT_TRUE(CanonicalSpellingCheck().IsCanonical(plain));
    for (size_t at = 0; at < plain.size(); ++at) {
      for (const char bad : {'h', 'x'}) {
        std::string word = plain;
        word[at] = bad;
        EXPECT_EQ(CanonicalSpellingCheck().IsCanonical(word),
                  IsCanonicalSpelling(word))
            << word;
        if (bad == 'x') {
          EXPECT_FALSE(IsCanonicalSpelling(word)) << word;
        }
      }
    }
  }
}

}  // namespace
}  // namespace tesvar
