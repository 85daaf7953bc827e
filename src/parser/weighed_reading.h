// What a sub-parse keeps of its readings. The suggestion check only weighs
// them (does the word read, is every reading flawless, which suggestions
// do they carry), so a reading is its score, its cost in work units and
// its suggestions as views of the call's TextArena: nothing is copied on
// the way between the levels of the check.
//
// Owned by one ParseScratch; not thread-safe.

#ifndef TESVAR_PARSER_WEIGHED_READING_H_
#define TESVAR_PARSER_WEIGHED_READING_H_

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tesvar {

// Suggestions on their way through the check.
using SuggestionViews = std::vector<std::string_view>;

struct WeighedReading {
  double score = 0.0;  // 1.0 exactly for a flawless reading
  // The work units its full record would be charged apart from the
  // suggestions: its bookkeeping, word and messages. The suggestions are
  // charged one by one (WorkMeter::ChargeWeighed).
  uint64_t head_cost = 0;
  SuggestionViews suggestions;
};

// The readings of one sub-parse. Clearing keeps every reading's storage,
// so a list that serves one sub-parse after another allocates only while
// it grows.
class WeighedReadings {
 public:
  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  WeighedReading& operator[](size_t i) { return slots_[i]; }
  const WeighedReading& operator[](size_t i) const { return slots_[i]; }
  WeighedReading* begin() { return slots_.data(); }
  WeighedReading* end() { return slots_.data() + size_; }
  const WeighedReading* begin() const { return slots_.data(); }
  const WeighedReading* end() const { return slots_.data() + size_; }

  // A new reading at the end, with no suggestions.
  WeighedReading& Add() {
    if (size_ == slots_.size()) slots_.emplace_back();
    WeighedReading& reading = slots_[size_++];
    reading.suggestions.clear();
    return reading;
  }

  void Clear() { size_ = 0; }

 private:
  std::vector<WeighedReading> slots_;
  size_t size_ = 0;
};

}  // namespace tesvar

#endif  // TESVAR_PARSER_WEIGHED_READING_H_
