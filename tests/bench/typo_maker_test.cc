#include "bench/typo_maker.h"

#include <gtest/gtest.h>

#include <string>

namespace tesvar {
namespace bench {
namespace {

// Each kind of slip changes the word as it says, in whole letters.
TEST(TypoMakerTest, EachSlipChangesWholeLetters) {
  struct Case {
    std::string word;
    Slip slip;
    bool possible;
    // Letters of the language the typo has more (or less) than the word.
    int letter_change;
  };
  const Case cases[] = {
      {"tlhIngan", Slip::kSubstitution, true, 0},
      {"tlhIngan", Slip::kInsertion, true, 1},
      {"tlhIngan", Slip::kDeletion, true, -1},
      {"tlhIngan", Slip::kSwap, true, 0},
      {"tlhIngan", Slip::kApostropheDropped, false, 0},
      {"ghompu'wI'", Slip::kApostropheDropped, true, -1},
      {"tlhIngan", Slip::kWrongCase, true, 0},
      {"a", Slip::kDeletion, false, 0},
      {"aa", Slip::kSwap, false, 0},
      {"'", Slip::kWrongCase, false, 0},
  };
  const auto letters = [](const std::string& text) {
    int count = 0;
    for (size_t i = 0; i < text.size(); ++count) {
      size_t length = 1;
      for (const char* letter : {"tlh", "ng", "gh", "ch"}) {
        const std::string l = letter;
        if (text.compare(i, l.size(), l) == 0) {
          length = l.size();
          break;
        }
      }
      i += length;
    }
    return count;
  };
  for (const Case& c : cases) {
    for (uint64_t seed = 0; seed < 50; ++seed) {
      TypoMaker maker(TesvarLetters(), seed);
      std::string typo;
      ASSERT_EQ(c.possible, maker.Make(c.word, c.slip, &typo))
          << c.word << " " << SlipName(c.slip);
      if (!c.possible) continue;
      EXPECT_NE(c.word, typo) << SlipName(c.slip);
      if (c.slip != Slip::kWrongCase) {
        EXPECT_EQ(letters(c.word) + c.letter_change, letters(typo))
            << c.word << " -> " << typo;
      } else {
        EXPECT_EQ(c.word.size(), typo.size()) << typo;
      }
    }
  }
}

TEST(TypoMakerTest, SameSeedSameTypos) {
  TypoMaker a(EnglishLetters(), 7);
  TypoMaker b(EnglishLetters(), 7);
  const std::vector<Slip> kinds = {Slip::kSubstitution, Slip::kSwap};
  for (int i = 0; i < 20; ++i) {
    const Slip slip = a.Draw(kinds);
    EXPECT_EQ(slip, b.Draw(kinds));
    std::string x, y;
    a.Make("house", slip, &x);
    b.Make("house", slip, &y);
    EXPECT_EQ(x, y);
  }
}

}  // namespace
}  // namespace bench
}  // namespace tesvar
