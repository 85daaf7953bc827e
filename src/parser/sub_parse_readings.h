// The readings that sub-parsers collect during one top-level call, by the
// word handed to them. Collecting readings depends only on the word and
// the lexicon, which cannot change during a call, so a word handed over
// again (several readings offer the same correction, and corrections of
// corrections meet) gets a copy instead of a second look through the
// lexicon. The suggestion check that follows depends on the guard list and
// the budget at that moment, so it always runs afresh.

#ifndef TESVAR_PARSER_SUB_PARSE_READINGS_H_
#define TESVAR_PARSER_SUB_PARSE_READINGS_H_

#include <cstddef>
#include <string>
#include <unordered_map>
#include <utility>

#include "tesvar/parse_result.h"

namespace tesvar {

class SubParseReadings {
 public:
  SubParseReadings() = default;
  SubParseReadings(const SubParseReadings&) = delete;
  SubParseReadings& operator=(const SubParseReadings&) = delete;

  // Replaces *word by its normalised form and appends its readings to
  // *results: remembered ones if the word came before, else those that
  // collect(word, results) appends, which are then remembered.
  template <typename Collector>
  void Collect(std::string* word, ParseResults* results, Collector collect) {
    const auto found = by_word_.find(*word);
    if (found != by_word_.end()) {
      *word = found->second.normalised;
      results->insert(results->end(), found->second.readings.begin(),
                      found->second.readings.end());
      return;
    }
    std::string as_handed_over = *word;
    const size_t before = results->size();
    collect(word, results);
    Readings& kept = by_word_[std::move(as_handed_over)];
    kept.normalised = *word;
    kept.readings.assign(results->begin() + static_cast<std::ptrdiff_t>(before),
                         results->end());
  }

 private:
  struct Readings {
    std::string normalised;
    ParseResults readings;
  };
  std::unordered_map<std::string, Readings> by_word_;
};

}  // namespace tesvar

#endif  // TESVAR_PARSER_SUB_PARSE_READINGS_H_
