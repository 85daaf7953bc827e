// Positions of words in a growing list: the first position of a repeated
// word, absent words, words that share their size and both ends, and
// words whose hashes agree, on both sides of the length where the list
// starts to be indexed.

#include "parser/word_positions.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "parser/text_arena.h"

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
  words.push_back(std::string(65, 'Q'));
  // Copies of the texts elsewhere: words are found by their bytes.
  std::vector<std::string> copies = words;
  WordPositions list;
  std::vector<std::string_view> added;  // what the list holds, in turn
  auto add = [&](std::string_view word) {
    list.Add(word, TextArena::Hash(word));
    added.push_back(word);
  };
  auto find = [&](std::string_view word) {
    return list.Find(word, TextArena::Hash(word));
  };
  for (size_t n = 0; n < words.size(); ++n) {
    add(words[n]);
    // Some words are added again: they keep their first place.
    if (n % 7 == 3) add(copies[n / 2]);
    ASSERT_EQ(list.size(), added.size());
    for (size_t i = 0; i <= n; ++i) {
      size_t first = 0;
      while (added[first] != words[i]) ++first;
      ASSERT_EQ(find(words[i]), first) << "after " << n << " words";
      ASSERT_EQ(find(copies[i]), first) << "after " << n << " words";
    }
    ASSERT_EQ(find(Alike(500)), list.size());
    ASSERT_EQ(find("qu'"), list.size());
    ASSERT_EQ(find(std::string(129, 'Q')), list.size());
    ASSERT_EQ(find("b"), list.size());
  }
  EXPECT_GT(list.size(), WordPositions::kIndexFrom);
}

// A hash only narrows the search: words that share one are still told
// apart, and each keeps its own first position.
TEST(WordPositionsTest, WordsWithOneHashStayApart) {
  for (size_t count : {size_t{3}, 3 * WordPositions::kIndexFrom}) {
    WordPositions list;
    std::vector<std::string> words;
    for (size_t i = 0; i < count; ++i)
      words.push_back(Alike(static_cast<int>(i)));
    for (const std::string& word : words) list.Add(word, 42);
    for (const std::string& word : words) list.Add(word, 42);
    EXPECT_EQ(list.size(), 2 * count);
    for (size_t i = 0; i < count; ++i) {
      EXPECT_EQ(list.Find(words[i], 42), i) << count;
      // The right word under another hash is not looked at.
      EXPECT_EQ(list.Find(words[i], 43), list.size()) << count;
    }
    EXPECT_EQ(list.Find(Alike(static_cast<int>(count)), 42), list.size())
        << count;
  }
}

// A cleared list forgets its words, also when it is indexed again with
// the table an earlier, longer list left behind.
TEST(WordPositionsTest, ClearStartsAnew) {
  auto hashed = [](const std::string& word) { return TextArena::Hash(word); };
  WordPositions list;
  std::vector<std::string> before;
  for (int i = 0; i < 100; ++i) before.push_back("x" + std::string(i, 'y'));
  for (const std::string& word : before) list.Add(word, hashed(word));
  for (size_t count : {size_t{1}, WordPositions::kIndexFrom + 3}) {
    list.Clear();
    EXPECT_EQ(list.size(), 0u);
    EXPECT_EQ(list.filter(), 0u);
    std::vector<std::string> after;
    for (size_t i = 0; i < count; ++i)
      after.push_back(Alike(static_cast<int>(i)));
    for (const std::string& word : after) list.Add(word, hashed(word));
    for (size_t i = 0; i < count; ++i) {
      EXPECT_EQ(list.Find(after[i], hashed(after[i])), i);
    }
    for (const std::string& word : before) {
      EXPECT_EQ(list.Find(word, hashed(word)), count) << word;
    }
  }
}

}  // namespace
}  // namespace tesvar
