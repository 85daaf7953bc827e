// The readings shared by the sub-parses of a call: each word gives back
// what was stored for it, also when the table has grown or words share a
// hash, and a cleared table, whatever its size, holds nothing of the call
// before.

#include "parser/sub_parse_readings.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "parser/text_arena.h"
#include "parser/weighed_reading.h"

namespace tesvar {
namespace {

// Readings whose scores and suggestions tell which word they were for.
WeighedReadings ReadingsFor(size_t n, std::string_view suggestion) {
  WeighedReadings readings;
  for (size_t i = 0; i < n % 3; ++i) {
    WeighedReading& reading = readings.Add();
    reading.score = 1.0 / static_cast<double>(n + 1);
    reading.head_cost = n + i;
    reading.suggestions.assign(i + 1, suggestion);
  }
  return readings;
}

void ExpectStored(const SubParseReadings& table,
                  const SubParseReadings::Key& key, size_t n,
                  std::string_view suggestion) {
  const SubParseReadings::Word* word = table.Find(key);
  ASSERT_NE(word, nullptr) << key.word;
  EXPECT_EQ(word->normalised, key.word);
  ASSERT_EQ(word->end - word->first, n % 3) << key.word;
  for (size_t i = word->first; i < word->end; ++i) {
    const SubParseReadings::Reading& reading = table.reading(i);
    EXPECT_EQ(reading.score, 1.0 / static_cast<double>(n + 1));
    EXPECT_EQ(reading.head_cost, n + (i - word->first));
    ASSERT_EQ(reading.end - reading.first, i - word->first + 1);
    for (size_t j = 0; j < reading.end - reading.first; ++j) {
      EXPECT_EQ(table.suggestions(reading)[j], suggestion);
    }
  }
}

TEST(SubParseReadingsTest, GivesBackWhatEachWordStoredAcrossCalls) {
  TextArena arena;
  SubParseReadings table;
  // Calls of very different sizes, so that a small one follows a large
  // table; in each, every third word shares its hash with the next one.
  for (size_t words : {size_t{300}, size_t{2}, size_t{40}, size_t{0}}) {
    std::vector<SubParseReadings::Key> keys;
    for (size_t n = 0; n < words; ++n) {
      const std::string_view word = arena.Copy("yIlop" + std::to_string(words) +
                                               "qu'" + std::to_string(n));
      SubParseReadings::Key key = SubParseReadings::KeyOf(word);
      if (n % 3 == 1) key.hash = keys.back().hash;
      ASSERT_EQ(table.Find(key), nullptr) << word;
      table.Store(key, word, ReadingsFor(n, word));
      keys.push_back(key);
    }
    for (size_t n = 0; n < words; ++n) {
      ExpectStored(table, keys[n], n, keys[n].word);
    }
    table.Clear();
    for (const SubParseReadings::Key& key : keys) {
      EXPECT_EQ(table.Find(key), nullptr) << key.word;
    }
    arena.Clear();
  }
}

}  // namespace
}  // namespace tesvar
