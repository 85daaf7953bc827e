// The readings that sub-parses collect during one top-level call, by the
// word handed to them. Collecting readings depends only on the word and
// the lexicon, which cannot change during a call, so a word handed over
// again (several readings offer the same correction, and corrections of
// corrections meet) gets a copy instead of a second look through the
// lexicon. The suggestion check that follows depends on the guard list and
// the budget at that moment, so it always runs afresh.

#ifndef TESVAR_PARSER_SUB_PARSE_READINGS_H_
#define TESVAR_PARSER_SUB_PARSE_READINGS_H_

#include <string>
#include <unordered_map>
#include <utility>

#include "tesvar/parse_result.h"

namespace tesvar {

class SubParseReadings {
 public:
  // What a word handed to a sub-parse gave: the word normalised and its
  // readings.
  struct Readings {
    std::string normalised;
    ParseResults readings;
  };

  SubParseReadings() = default;
  SubParseReadings(const SubParseReadings&) = delete;
  SubParseReadings& operator=(const SubParseReadings&) = delete;

  // What `word`, as handed over, gave before; nullptr if it is new. The
  // result stays valid until the next Store or Clear.
  const Readings* Find(const std::string& word) const {
    const auto found = by_word_.find(word);
    return found == by_word_.end() ? nullptr : &found->second;
  }

  void Store(std::string word, Readings readings) {
    by_word_.emplace(std::move(word), std::move(readings));
  }

  // Forgets everything, at the end of a call. Most calls store nothing,
  // and clearing an empty table would still wipe all its buckets, as many
  // as the costliest call so far needed.
  void Clear() {
    if (!by_word_.empty()) by_word_.clear();
  }

 private:
  std::unordered_map<std::string, Readings> by_word_;
};

}  // namespace tesvar

#endif  // TESVAR_PARSER_SUB_PARSE_READINGS_H_
