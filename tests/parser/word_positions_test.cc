// Positions of words in a growing list: the first position of a repeated
// word, absent words, words that share their size and both ends, and
// sizes that agree modulo 64, on both sides of the length where the list
// starts to be indexed.

#include "parser/word_positions.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace tesvar {
namespace {

// Long words alike at both ends, differing only in the middle.
std::string Alike(int i) {
  return "ghoyeghIchrup" + std::to_string(1000 + i) + "qu'be'qu'Qo'";
}

TEST(WordPositionsTest, FindsTheFirstPositionAtEveryLength) {
  std::vector<std::string> words;
  for (int i = 0; i < 100; ++i) words.push_back(Alike(i));
  words.push_back("a");
  words.push_back("");
  words.push_back(std::string(65, 'Q'));  // the size of "a", modulo 64
  WordPositions list;
  std::vector<std::string_view> added;  // what the list holds, in turn
  auto add = [&](std::string_view word) {
    list.Add(word);
    added.push_back(word);
  };
  for (size_t n = 0; n < words.size(); ++n) {
    add(words[n]);
    // Some words are added again: they keep their first place.
    if (n % 7 == 3) add(words[n / 2]);
    ASSERT_EQ(list.size(), added.size());
    for (size_t i = 0; i <= n; ++i) {
      size_t first = 0;
      while (added[first] != words[i]) ++first;
      ASSERT_EQ(list.Find(words[i]), first) << "after " << n << " words";
    }
    ASSERT_EQ(list.Find(Alike(500)), list.size());
    ASSERT_EQ(list.Find("qu'"), list.size());
    ASSERT_EQ(list.Find(std::string(129, 'Q')), list.size());
    ASSERT_EQ(list.Find("b"), list.size());
  }
  EXPECT_GT(list.size(), WordPositions::kIndexFrom);
}

TEST(WordPositionsTest, ClearStartsAnew) {
  WordPositions list;
  for (int i = 0; i < 40; ++i) list.Add("x" + std::string(i, 'y'));
  list.Clear();
  EXPECT_EQ(list.size(), 0u);
  EXPECT_EQ(list.Find("x"), 0u);
  list.Add("Qo'");
  EXPECT_EQ(list.Find("Qo'"), 0u);
  EXPECT_EQ(list.Find("x"), 1u);
}

}  // namespace
}  // namespace tesvar
