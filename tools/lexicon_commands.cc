// `tesvar lexicon check|list|show|find|stats`: each loads the lexicon
// (a file, or the built-in sample) and prints what was asked for. show
// and find fail with status 1 when nothing matches, as grep does, so that
// scripts can test for an entry.
// Tested end to end by cli_lexicon_test.cc.

#include <algorithm>
#include <string>
#include <vector>

#include "tools/commands.h"
#include "tools/entry_writer.h"
#include "tools/lexicon_stats.h"

namespace tesvar {
namespace cli {

namespace {

// Homographs listed by `lexicon stats` without --json.
constexpr size_t kShownHomographs = 20;

int Write(const std::string& text, std::ostream& out, std::ostream& err) {
  out << text;
  out.flush();
  if (out) return exit_status::kOk;
  err << "tesvar: cannot write the output\n";
  return exit_status::kIoError;
}

// Entries as JSON Lines, or as a lexicon file that loads back as they are.
template <typename Entries>
std::string Listing(const Entries& entries, bool json) {
  std::string out;
  if (json) {
    for (const CLexicon::Entry& entry : entries) AppendJsonEntry(entry, &out);
    return out;
  }
  TsvLayout layout = TsvLayout::kUsual;
  for (const CLexicon::Entry& entry : entries) {
    if (NeedsSafeLayout(entry)) layout = TsvLayout::kSafe;
  }
  out = TsvHeader(layout);
  for (const CLexicon::Entry& entry : entries) {
    AppendTsvEntry(entry, &out, layout);
  }
  return out;
}

// The entries whose headword is `word`, then those whose headword is a
// shorter prefix of it, longest first; each group in lexicon order.
std::vector<uint32_t> FindByHeadword(const CLexicon& lexicon,
                                     std::string_view word) {
  std::vector<uint32_t> positions;
  lexicon.FindHeadwordPrefixes(word, &positions);
  std::sort(positions.begin(), positions.end());
  positions.erase(std::unique(positions.begin(), positions.end()),
                  positions.end());
  std::stable_sort(positions.begin(), positions.end(),
                   [&lexicon](uint32_t a, uint32_t b) {
                     return lexicon[a].word.m_strHeadword.size() >
                            lexicon[b].word.m_strHeadword.size();
                   });
  return positions;
}

int NotFound(const std::string& what, std::ostream& err) {
  err << "tesvar: " << what << "\n";
  return exit_status::kNothingFound;
}

// `lexicon check`: the load with its entries checked, every warning on the
// error stream, then the counts. --strict turns any warning into failure,
// after listing them all, so that one run shows everything to fix.
int Check(const Options& options, std::ostream& out, std::ostream& err) {
  CLexicon lexicon;
  std::vector<LexiconWarning> warnings;
  const Status loaded = LoadLexicon(options.lexicon_path, &lexicon,
                                    LexiconLoadOptions(), &warnings);
  for (const LexiconWarning& warning : warnings) {
    err << warning.message << "\n";
  }
  if (!loaded.ok()) {
    err << loaded.message() << "\n";
    return exit_status::kBadInput;
  }
  if (options.strict && !warnings.empty()) {
    err << "tesvar: " << warnings.size()
        << (warnings.size() == 1 ? " warning" : " warnings")
        << ", which --strict makes errors\n";
    return exit_status::kBadInput;
  }
  return Write(LabelCounts(ComputeStats(lexicon)), out, err);
}

}  // namespace

int RunLexicon(const Options& options, std::ostream& out, std::ostream& err) {
  if (options.lexicon_action == LexiconAction::kCheck) {
    return Check(options, out, err);
  }
  CLexicon lexicon;
  const Status loaded = LoadLexicon(options.lexicon_path, &lexicon);
  if (!loaded.ok()) {
    err << loaded.message() << "\n";
    return exit_status::kBadInput;
  }
  const std::string& query = options.lexicon_query;
  const std::string name = DescribeLexicon(options.lexicon_path, lexicon);
  switch (options.lexicon_action) {
    case LexiconAction::kCheck:
      break;  // above
    case LexiconAction::kList:
      return Write(Listing(lexicon.entries(), options.json), out, err);
    case LexiconAction::kShow: {
      const size_t position = lexicon.PositionOf(query);
      if (position == CLexicon::kNotFound) {
        return NotFound("no entry with key '" + query + "' (" + name + ")",
                        err);
      }
      std::string text;
      if (options.json) {
        AppendJsonEntry(lexicon[position], &text);
      } else {
        AppendReadableEntry(lexicon[position], &text);
      }
      return Write(text, out, err);
    }
    case LexiconAction::kFind: {
      const std::vector<uint32_t> found = FindByHeadword(lexicon, query);
      if (found.empty()) {
        return NotFound(
            "no headword is '" + query + "' or starts it (" + name + ")", err);
      }
      std::vector<CLexicon::Entry> entries;
      entries.reserve(found.size());
      for (const uint32_t position : found) {
        entries.push_back(lexicon[position]);
      }
      return Write(Listing(entries, options.json), out, err);
    }
    case LexiconAction::kStats: {
      const LexiconStats stats = ComputeStats(lexicon);
      return Write(
          options.json ? StatsJson(stats) : StatsText(stats, kShownHomographs),
          out, err);
    }
  }
  return exit_status::kBadInput;
}

}  // namespace cli
}  // namespace tesvar
