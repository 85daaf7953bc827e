// Which suffix tables have a suffix that begins with a given pair of
// bytes, built at compile time from the noun and the verb suffixes. Every
// suffix has two bytes at least, so a text whose first two bytes begin no
// suffix of a table is matched by no row of it: a scan of that table from
// there reads nothing. The replays of the work meter (entry_cost.h) and
// the candidate lookup (candidate_lookup.h) ask this first, since most of
// the places they start from, right after a short headword at the start
// of a long word, are the middle of another word's root.
//
// Constant data; thread-safe.
// Tested by candidate_lookup_test.cc.

#ifndef TESVAR_PARSER_SUFFIX_STARTS_H_
#define TESVAR_PARSER_SUFFIX_STARTS_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "nouns/noun_suffix_table.h"
#include "verbs/verb_affix_tables.h"

namespace tesvar {

class SuffixStarts {
 public:
  // The tables, as bits of In's answer.
  static constexpr uint8_t kNouns = 1;
  static constexpr uint8_t kVerbs = 2;

  // The tables with a suffix that `text` may begin with: none has one
  // whose bit is clear.
  uint8_t In(std::string_view text) const {
    if (text.size() < 2) return 0;
    return tables_[first_[static_cast<unsigned char>(text[0])]]
                  [static_cast<unsigned char>(text[1])];
  }

  // The pairs of the noun and the verb suffixes. More than
  // kMaxFirstBytes - 1 first bytes, or a suffix shorter than two bytes,
  // end the constant evaluation, and with it the build.
  static constexpr SuffixStarts Make() {
    SuffixStarts starts{};
    size_t sets = 1;  // set 0, of no second byte, for the other bytes
    auto add = [&](std::string_view suffix, uint8_t table) {
      if (suffix.size() < 2) throw "suffixes have two bytes at least";
      const auto first = static_cast<unsigned char>(suffix[0]);
      if (starts.first_[first] == 0) {
        if (sets == kMaxFirstBytes) throw "too many first bytes";
        starts.first_[first] = static_cast<uint8_t>(sets++);
      }
      starts.tables_[starts.first_[first]]
                    [static_cast<unsigned char>(suffix[1])] |= table;
    };
    for (const NounSuffixRow& row : kNounSuffixes) add(row.suffix, kNouns);
    for (const VerbSuffixRow& row : kVerbSuffixes) add(row.suffix, kVerbs);
    return starts;
  }

 private:
  static constexpr size_t kMaxFirstBytes = 32;

  // The row of `tables_` for each first byte; 0 for a byte that begins no
  // suffix.
  uint8_t first_[256] = {};
  // The tables of the pair of each first byte's row and a second byte.
  uint8_t tables_[kMaxFirstBytes][256] = {};
};

inline constexpr SuffixStarts kSuffixStarts = SuffixStarts::Make();

}  // namespace tesvar

#endif  // TESVAR_PARSER_SUFFIX_STARTS_H_
