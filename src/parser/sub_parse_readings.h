// The readings that sub-parses collect during one top-level call, by the
// word handed to them. Collecting readings depends only on the word and
// the lexicon, which cannot change during a call, so a word handed over
// again (several readings offer the same correction, and corrections of
// corrections meet) gets the readings of the first time instead of a
// second look through the lexicon. The suggestion check that follows
// depends on the guard list and the budget at that moment, so it always
// runs afresh.
//
// Words and suggestions are views of the call's TextArena, so the table
// holds views only, and Clear must come no later than the arena's.
// Owned by one ParseScratch; not thread-safe.

#ifndef TESVAR_PARSER_SUB_PARSE_READINGS_H_
#define TESVAR_PARSER_SUB_PARSE_READINGS_H_

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "parser/text_arena.h"
#include "parser/weighed_reading.h"

namespace tesvar {

class SubParseReadings {
 public:
  // A reading as kept: its suggestions are suggestions()[first, end).
  struct Reading {
    double score;
    uint64_t head_cost;
    size_t first;
    size_t end;
  };
  // What a word, as handed over, gave: the word normalised and its
  // readings, readings()[first, end).
  struct Word {
    std::string_view normalised;
    size_t first;
    size_t end;
  };

  // A word as the table looks it up, with the hash its copy in the
  // arena carries: the words are long corrections, and hashing one would
  // read it whole.
  struct Key {
    std::string_view word;
    size_t hash;
    bool operator==(const Key& other) const { return word == other.word; }
  };
  // REQUIRES: `word` is a text of the call's TextArena.
  static Key KeyOf(std::string_view word) {
    return Key{word, static_cast<size_t>(TextArena::HashOf(word))};
  }

  SubParseReadings() = default;
  SubParseReadings(const SubParseReadings&) = delete;
  SubParseReadings& operator=(const SubParseReadings&) = delete;

  // What `word`, as handed over, gave before; nullptr if it is new. The
  // result stays valid until the next Store or Clear.
  const Word* Find(const Key& word) const {
    const auto found = by_word_.find(word);
    return found == by_word_.end() ? nullptr : &found->second;
  }

  const Reading& reading(size_t i) const { return readings_[i]; }
  const std::string_view* suggestions(const Reading& reading) const {
    return suggestions_.data() + reading.first;
  }

  // Keeps what `word` gave. REQUIRES: Find(word) == nullptr, and `word`,
  // `normalised` and the suggestions stay valid until Clear.
  void Store(const Key& word, std::string_view normalised,
             const WeighedReadings& readings) {
    Word kept{normalised, readings_.size(), 0};
    for (const WeighedReading& r : readings) {
      readings_.push_back(
          Reading{r.score, r.head_cost, suggestions_.size(), 0});
      suggestions_.insert(suggestions_.end(), r.suggestions.begin(),
                          r.suggestions.end());
      readings_.back().end = suggestions_.size();
    }
    kept.end = readings_.size();
    by_word_.emplace(word, kept);
  }

  // Forgets everything, at the end of a call. Most calls store nothing,
  // and clearing an empty table would still wipe all its buckets, as many
  // as the costliest call so far needed.
  void Clear() {
    if (by_word_.empty()) return;
    // Clearing wipes every bucket, and one costly call leaves many behind:
    // a call that stored a few words takes them out one by one instead.
    if (by_word_.size() * kBucketsPerErase < by_word_.bucket_count()) {
      while (!by_word_.empty()) by_word_.erase(by_word_.begin());
    } else {
      by_word_.clear();
    }
    readings_.clear();
    suggestions_.clear();
  }

 private:
  // Taking a word out costs about as much as wiping this many buckets.
  static constexpr size_t kBucketsPerErase = 16;

  struct KeyHash {
    size_t operator()(const Key& key) const { return key.hash; }
  };
  std::unordered_map<Key, Word, KeyHash> by_word_;
  std::vector<Reading> readings_;
  std::vector<std::string_view> suggestions_;
};

}  // namespace tesvar

#endif  // TESVAR_PARSER_SUB_PARSE_READINGS_H_
