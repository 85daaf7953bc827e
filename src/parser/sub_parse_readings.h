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
    bool operator==(const Key& other) const {
      return hash == other.hash && word == other.word;
    }
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
    if (slots_.empty()) return nullptr;
    const size_t mask = slots_.size() - 1;
    for (size_t slot = word.hash & mask;; slot = (slot + 1) & mask) {
      if (slots_[slot] == 0) return nullptr;
      const Entry& entry = words_[slots_[slot] - 1];
      if (entry.key == word) return &entry.word;
    }
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
    words_.push_back(Entry{word, kept, 0});
    if (2 * words_.size() > slots_.size()) {
      Reindex();
    } else {
      Insert(words_.size() - 1);
    }
  }

  // Forgets everything, at the end of a call. The table keeps its size,
  // as large as the costliest call so far needed; only the slots in use
  // are emptied, so a call that stored a few words pays for those only.
  void Clear() {
    for (const Entry& entry : words_) slots_[entry.slot] = 0;
    words_.clear();
    readings_.clear();
    suggestions_.clear();
  }

 private:
  struct Entry {
    Key key;
    Word word;
    size_t slot;  // where the table holds its position
  };

  // Open addressing with linear probing, at most half full.
  void Insert(size_t position) {
    const size_t mask = slots_.size() - 1;
    size_t slot = words_[position].key.hash & mask;
    while (slots_[slot] != 0) slot = (slot + 1) & mask;
    slots_[slot] = static_cast<uint32_t>(position + 1);
    words_[position].slot = slot;
  }
  void Reindex() {
    size_t size = slots_.empty() ? kFirstSlots : 2 * slots_.size();
    while (size < 2 * words_.size()) size *= 2;
    slots_.assign(size, 0);
    for (size_t position = 0; position < words_.size(); ++position) {
      Insert(position);
    }
  }

  static constexpr size_t kFirstSlots = 64;

  std::vector<Entry> words_;
  // Positions in words_ plus one, 0 for an empty slot; the size is a
  // power of two.
  std::vector<uint32_t> slots_;
  std::vector<Reading> readings_;
  std::vector<std::string_view> suggestions_;
};

}  // namespace tesvar

#endif  // TESVAR_PARSER_SUB_PARSE_READINGS_H_
