// Figures about a lexicon for `tesvar lexicon stats` and `lexicon check`:
// entries per part-of-speech label and per flag, headword lengths, and
// homographs (headwords that several entries share, which give a word one
// reading per entry).
//
// Pure functions; the result views the lexicon's texts, so it lives no
// longer than the lexicon stays unchanged.

#ifndef TESVAR_TOOLS_LEXICON_STATS_H_
#define TESVAR_TOOLS_LEXICON_STATS_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "tesvar/lexicon.h"
#include "tools/entry_writer.h"

namespace tesvar {
namespace cli {

// Codes with a label of their own, then every other code under the label
// of unknown codes.
constexpr int32_t kUnlabelled = kQuestion + 1;

struct LexiconStats {
  size_t entries = 0;
  size_t per_label[kUnlabelled + 1] = {};  // by code; others at kUnlabelled
  size_t per_flag[kFlagCount] = {};        // in the order of kFlagColumns
  // Headword lengths in bytes, over all entries.
  size_t shortest = 0;
  size_t median = 0;
  size_t longest = 0;
  size_t empty_headwords = 0;
  struct Homograph {
    std::string_view headword;
    std::vector<std::string_view> keys;  // in lexicon order
  };
  std::vector<Homograph> homographs;  // in the order of their first entry
  size_t homograph_entries = 0;       // entries that share a headword
};

LexiconStats ComputeStats(const CLexicon& lexicon);

// "entries: 44" and one "LABEL: count" line per label, as `lexicon check`
// prints them.
std::string LabelCounts(const LexiconStats& stats);

// Every figure, one "name: value" line each, homographs listed up to
// `shown_homographs`.
std::string StatsText(const LexiconStats& stats, size_t shown_homographs);

// Every figure as one JSON object and "\n".
std::string StatsJson(const LexiconStats& stats);

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_LEXICON_STATS_H_
