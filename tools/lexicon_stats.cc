// Tested end to end by cli_lexicon_test.cc.

#include "tools/lexicon_stats.h"

#include <algorithm>
#include <unordered_map>

#include "tesvar/lexicon_tsv.h"
#include "tools/entry_writer.h"
#include "tools/json_writer.h"
#include "tools/readable_writer.h"

namespace tesvar {
namespace cli {

namespace {

void CountHomographs(const CLexicon& lexicon, LexiconStats* stats) {
  // Headword -> position in stats->homographs of its group.
  std::unordered_map<std::string_view, size_t> groups;
  std::vector<LexiconStats::Homograph> all;
  for (const CLexicon::Entry& entry : lexicon.entries()) {
    const auto [it, added] =
        groups.emplace(entry.word.m_strHeadword, all.size());
    if (added) all.push_back({entry.word.m_strHeadword, {}});
    all[it->second].keys.push_back(entry.key);
  }
  for (LexiconStats::Homograph& group : all) {
    if (group.keys.size() < 2) continue;
    stats->homograph_entries += group.keys.size();
    stats->homographs.push_back(std::move(group));
  }
}

void CountLengths(const CLexicon& lexicon, LexiconStats* stats) {
  std::vector<size_t> lengths;
  lengths.reserve(lexicon.size());
  for (const CLexicon::Entry& entry : lexicon.entries()) {
    lengths.push_back(entry.word.m_strHeadword.size());
  }
  if (lengths.empty()) return;
  std::sort(lengths.begin(), lengths.end());
  stats->shortest = lengths.front();
  stats->median = lengths[lengths.size() / 2];
  stats->longest = lengths.back();
  stats->empty_headwords = static_cast<size_t>(
      std::upper_bound(lengths.begin(), lengths.end(), 0) - lengths.begin());
}

std::string Line(std::string_view name, size_t value) {
  return std::string(name) + ": " + std::to_string(value) + "\n";
}

}  // namespace

LexiconStats ComputeStats(const CLexicon& lexicon) {
  LexiconStats stats;
  stats.entries = lexicon.size();
  for (const CLexicon::Entry& entry : lexicon.entries()) {
    const int32_t code = entry.word.m_nPOS;
    ++stats.per_label[code >= kNoun && code <= kQuestion ? code : kUnlabelled];
    for (size_t f = 0; f < std::size(kFlagColumns); ++f) {
      if (entry.word.*kFlagColumns[f].flag != 0) ++stats.per_flag[f];
    }
  }
  CountLengths(lexicon, &stats);
  CountHomographs(lexicon, &stats);
  return stats;
}

std::string LabelCounts(const LexiconStats& stats) {
  std::string out = Line("entries", stats.entries);
  for (int32_t code = kNoun; code <= kUnlabelled; ++code) {
    out += Line(PartOfSpeechLabel(code), stats.per_label[code]);
  }
  return out;
}

std::string StatsText(const LexiconStats& stats, size_t shown_homographs) {
  std::string out = LabelCounts(stats);
  for (size_t f = 0; f < std::size(kFlagColumns); ++f) {
    out += Line(kFlagColumns[f].name, stats.per_flag[f]);
  }
  out += "headword bytes: shortest " + std::to_string(stats.shortest) +
         ", median " + std::to_string(stats.median) + ", longest " +
         std::to_string(stats.longest) + "\n";
  out += Line("empty headwords", stats.empty_headwords);
  out += "homographs: " + std::to_string(stats.homographs.size()) +
         " headwords shared by " + std::to_string(stats.homograph_entries) +
         " entries\n";
  const size_t shown = std::min(shown_homographs, stats.homographs.size());
  for (size_t i = 0; i < shown; ++i) {
    const LexiconStats::Homograph& group = stats.homographs[i];
    out += "  ";
    AppendVisible(group.headword, &out);
    out += ":";
    for (const std::string_view key : group.keys) {
      out += ' ';
      AppendVisible(key, &out);
    }
    out += '\n';
  }
  if (shown < stats.homographs.size()) {
    out += "  ... and " + std::to_string(stats.homographs.size() - shown) +
           " more (all of them with --json)\n";
  }
  return out;
}

std::string StatsJson(const LexiconStats& stats) {
  std::string out =
      "{\"entries\": " + std::to_string(stats.entries) + ", \"pos\": {";
  for (int32_t code = kNoun; code <= kUnlabelled; ++code) {
    if (code != kNoun) out += ", ";
    AppendJsonString(PartOfSpeechLabel(code), &out);
    out += ": " + std::to_string(stats.per_label[code]);
  }
  out += "}, \"flags\": {";
  for (size_t f = 0; f < std::size(kFlagColumns); ++f) {
    if (f > 0) out += ", ";
    AppendJsonString(kFlagColumns[f].name, &out);
    out += ": " + std::to_string(stats.per_flag[f]);
  }
  out += "}, \"headword_bytes\": {\"shortest\": " +
         std::to_string(stats.shortest) +
         ", \"median\": " + std::to_string(stats.median) +
         ", \"longest\": " + std::to_string(stats.longest) +
         "}, \"empty_headwords\": " + std::to_string(stats.empty_headwords) +
         ", \"homographs\": [";
  for (size_t i = 0; i < stats.homographs.size(); ++i) {
    if (i > 0) out += ", ";
    out += "{\"headword\": ";
    AppendJsonString(stats.homographs[i].headword, &out);
    out += ", \"keys\": [";
    for (size_t k = 0; k < stats.homographs[i].keys.size(); ++k) {
      if (k > 0) out += ", ";
      AppendJsonString(stats.homographs[i].keys[k], &out);
    }
    out += "]}";
  }
  out += "]}\n";
  return out;
}

}  // namespace cli
}  // namespace tesvar
