// The call's text store: texts keep their place while more are added, also
// past a block and for a text longer than a block, and a cleared store
// serves the next call. The hash kept with each text is the one computed
// from its bytes, and tells apart texts that differ anywhere; a text
// written in place gets the same hash, taken when first asked for.

#include "parser/text_arena.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tesvar {
namespace {

TEST(TextArenaTest, TextsStayInPlaceWhileTheStoreGrows) {
  TextArena arena;
  std::vector<std::string> originals;
  std::vector<std::string_view> copies;
  // Enough short texts to fill several blocks, and two longer than one.
  for (int i = 0; i < 20000; ++i) {
    originals.push_back("qu'be'" + std::to_string(i));
    if (i == 7 || i == 12345) originals.push_back(std::string(100000, 'x'));
  }
  for (const std::string& text : originals) {
    copies.push_back(arena.Copy(text));
    EXPECT_NE(copies.back().data(), text.data());
  }
  for (size_t i = 0; i < originals.size(); ++i) {
    ASSERT_EQ(copies[i], originals[i]) << i;
    ASSERT_EQ(TextArena::HashOf(copies[i]), TextArena::Hash(originals[i])) << i;
  }
}

TEST(TextArenaTest, HashesTellApartTextsThatDifferAnywhere) {
  TextArena arena;
  // Every size around the chunks of eight bytes, and each text with one
  // byte changed at every place: the first, the middle ones, the last.
  std::set<uint64_t> hashes;
  size_t texts = 0;
  for (size_t size = 0; size <= 40; ++size) {
    const std::string text(size, 'q');
    hashes.insert(TextArena::HashOf(arena.Copy(text)));
    ++texts;
    for (size_t at = 0; at < size; ++at) {
      std::string changed = text;
      changed[at] = '\'';
      const std::string_view copy = arena.Copy(changed);
      EXPECT_EQ(TextArena::HashOf(copy), TextArena::Hash(changed));
      hashes.insert(TextArena::HashOf(copy));
      ++texts;
    }
  }
  EXPECT_EQ(hashes.size(), texts);
  EXPECT_EQ(TextArena::HashOf(arena.Copy("")), TextArena::Hash(""));
}

TEST(TextArenaTest, TextsWrittenInPlaceHashLikeCopies) {
  TextArena arena;
  // Sizes around the chunks of eight bytes, between copies, so that a
  // hash kept for one text cannot land on its neighbour; each hash is
  // asked for twice, once taken and once read back.
  for (size_t size = 0; size <= 20; ++size) {
    const std::string text(size, 'Q');
    const std::string_view before = arena.Copy("be'");
    char* room = arena.Allocate(size);
    text.copy(room, size);
    const std::string_view written(room, size);
    const std::string_view after = arena.Copy("qu'");
    EXPECT_EQ(TextArena::HashOf(written), TextArena::Hash(text)) << size;
    EXPECT_EQ(TextArena::HashOf(written), TextArena::Hash(text)) << size;
    EXPECT_EQ(written, text);
    EXPECT_EQ(TextArena::HashOf(before), TextArena::Hash("be'"));
    EXPECT_EQ(TextArena::HashOf(after), TextArena::Hash("qu'"));
  }
}

TEST(TextArenaTest, EmptyTextsAndReuseAfterClear) {
  TextArena arena;
  EXPECT_TRUE(arena.Copy("").empty());
  for (int call = 0; call < 3; ++call) {
    const std::string_view long_text = arena.Copy(std::string(200000, 'y'));
    const std::string_view word = arena.Copy("ghoyeghIch");
    EXPECT_EQ(long_text, std::string(200000, 'y'));
    EXPECT_EQ(word, "ghoyeghIch");
    arena.Clear();
  }
}

}  // namespace
}  // namespace tesvar
