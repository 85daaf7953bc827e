// hostile_words: the costliest words a hostile user can find, per word
// length and lexicon, under the parser's limits. For each lexicon and each
// length it searches words of at most that length (word_search.h) for a
// share of the time budget, then times the slowest word found again and
// prints it with the word that held the most memory: CPU time, peak heap
// bytes, work units, readings, suggestions and outcome.
//
// Lexicons: "sample" (the built-in one), the hostile kinds of
// hostile_lexicon.h ("nouns", "verbs", "pronouns", "mixed": --entries
// entries sharing --headword), or a lexicon file (any name with a '/').
//
// Usage: tesvar_hostile_words [--seconds S] [--seed N] [--lengths 16,32,...]
//          [--lexicons sample,nouns,...] [--entries N] [--headword H]
//          [--runs N] [--confirm N] [--max-work N] [--out FILE]
//          [--words FILE] [--write-lexicons DIR]
//   --words FILE: measure the words of FILE (one per line) against each
//     lexicon instead of searching.
//   --out FILE: write the words found as
//   "lexicon<TAB>length<TAB>what<TAB>word".
//   --write-lexicons DIR: write DIR/<kind>.tsv for every hostile kind and
//     stop.
//   --max-work N: the parser's work budget (default: the library's; 0 none).

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "bench/hostile/hostile_lexicon.h"
#include "bench/hostile/word_cost.h"
#include "bench/hostile/word_search.h"
#include "tesvar/lexicon_tsv.h"
#include "tesvar/parser.h"
#include "tesvar/sample_lexicon.h"

namespace {

using tesvar::bench::FoundWord;
using tesvar::bench::HostileKind;
using tesvar::bench::kHostileKinds;
using tesvar::bench::MeasureWord;

struct Options {
  double seconds = 300;
  uint64_t seed = 1;
  std::vector<size_t> lengths = {16, 32, 64, 128, 256};
  std::vector<std::string> lexicons = {"sample", "nouns", "verbs", "pronouns",
                                       "mixed"};
  size_t entries = 1000;
  std::string headword = "Dal";
  int runs = 3;
  int confirm = 7;
  tesvar::ParseLimits limits;
  std::string out_path;
  std::string words_path;
  std::string lexicon_dir;
};

std::vector<std::string> SplitCommas(const std::string& text) {
  std::vector<std::string> parts;
  std::stringstream stream(text);
  for (std::string part; std::getline(stream, part, ',');) {
    if (!part.empty()) parts.push_back(part);
  }
  return parts;
}

bool ParseOptions(int argc, char** argv, Options* o) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (i + 1 >= argc) return false;
    const std::string value = argv[++i];
    if (arg == "--seconds") {
      o->seconds = std::strtod(value.c_str(), nullptr);
    } else if (arg == "--seed") {
      o->seed = std::strtoull(value.c_str(), nullptr, 10);
    } else if (arg == "--lengths") {
      o->lengths.clear();
      for (const std::string& n : SplitCommas(value)) {
        o->lengths.push_back(std::strtoul(n.c_str(), nullptr, 10));
      }
    } else if (arg == "--lexicons") {
      o->lexicons = SplitCommas(value);
    } else if (arg == "--entries") {
      o->entries = std::strtoul(value.c_str(), nullptr, 10);
    } else if (arg == "--headword") {
      o->headword = value;
    } else if (arg == "--runs") {
      o->runs = std::atoi(value.c_str());
    } else if (arg == "--confirm") {
      o->confirm = std::atoi(value.c_str());
    } else if (arg == "--max-work") {
      o->limits.max_work = std::strtoull(value.c_str(), nullptr, 10);
    } else if (arg == "--out") {
      o->out_path = value;
    } else if (arg == "--words") {
      o->words_path = value;
    } else if (arg == "--write-lexicons") {
      o->lexicon_dir = value;
    } else {
      return false;
    }
  }
  return true;
}

bool LoadLexicon(const Options& o, const std::string& name,
                 tesvar::CLexicon* lexicon) {
  if (name == "sample") return tesvar::LoadSampleLexicon(lexicon).ok();
  if (name.find('/') != std::string::npos) {
    const tesvar::Status status = tesvar::LoadLexiconTsvFile(name, lexicon);
    if (!status.ok()) std::cerr << status.message() << "\n";
    return status.ok();
  }
  for (const auto& kind : kHostileKinds) {
    if (name != kind.name) continue;
    const std::string tsv =
        tesvar::bench::HostileLexiconTsv(kind.kind, o.entries, o.headword);
    const tesvar::Status status =
        tesvar::ParseLexiconTsv(tsv, name + ".tsv", lexicon);
    if (!status.ok()) std::cerr << status.message() << "\n";
    return status.ok();
  }
  std::cerr << "unknown lexicon: " << name << "\n";
  return false;
}

void PrintHeader() {
  std::printf("%-8s %4s %-7s %5s %8s %8s %9s %8s %11s %-11s %s\n", "lexicon",
              "max", "worst", "bytes", "cpu_ms", "peak_MB", "units", "readings",
              "suggestions", "outcome", "word");
}

void PrintRow(const std::string& lexicon, size_t max_bytes, const char* what,
              const FoundWord& found) {
  const tesvar::bench::WordCost& c = found.cost;
  std::printf("%-8s %4zu %-7s %5zu %8.2f %8.2f %9llu %8zu %11zu %-11s %s\n",
              lexicon.c_str(), max_bytes, what, found.word.size(),
              c.cpu_seconds * 1e3, static_cast<double>(c.peak_bytes) / 1e6,
              static_cast<unsigned long long>(c.work), c.readings,
              c.suggestions, tesvar::bench::OutcomeName(c.outcome),
              found.word.c_str());
  std::fflush(stdout);
}

int WriteLexicons(const Options& o) {
  for (const auto& kind : kHostileKinds) {
    const std::string path =
        o.lexicon_dir + "/" + std::string(kind.name) + ".tsv";
    std::ofstream file(path, std::ios::binary);
    file << tesvar::bench::HostileLexiconTsv(kind.kind, o.entries, o.headword);
    if (!file.flush()) {
      std::cerr << "cannot write " << path << "\n";
      return 1;
    }
  }
  return 0;
}

int MeasureListed(const Options& o) {
  std::ifstream file(o.words_path, std::ios::binary);
  std::vector<std::string> words;
  for (std::string word; std::getline(file, word);) words.push_back(word);
  PrintHeader();
  for (const std::string& name : o.lexicons) {
    tesvar::CLexicon lexicon;
    if (!LoadLexicon(o, name, &lexicon)) return 2;
    const tesvar::CTesvarParser parser(&lexicon, o.limits);
    for (const std::string& word : words) {
      const FoundWord found{word, MeasureWord(parser, word, o.confirm)};
      PrintRow(name, word.size(), "listed", found);
    }
  }
  return 0;
}

int Search(const Options& o) {
  std::ofstream out;
  if (!o.out_path.empty()) out.open(o.out_path, std::ios::binary);
  const double cells =
      static_cast<double>(o.lexicons.size() * o.lengths.size());
  PrintHeader();
  uint64_t cell = 0;
  for (const std::string& name : o.lexicons) {
    tesvar::CLexicon lexicon;
    if (!LoadLexicon(o, name, &lexicon)) return 2;
    const tesvar::CTesvarParser parser(&lexicon, o.limits);
    for (const size_t length : o.lengths) {
      tesvar::bench::SearchOptions search;
      search.max_bytes = length;
      search.seconds = o.seconds / cells;
      search.seed = o.seed * 1000003 + cell++;
      search.runs = o.runs;
      tesvar::bench::SearchResult result =
          tesvar::bench::SearchCostliestWords(parser, lexicon, search);
      FoundWord& slow = result.slowest;
      slow.cost = MeasureWord(parser, slow.word, o.confirm);
      PrintRow(name, length, "time", slow);
      PrintRow(name, length, "memory", result.largest);
      if (out.is_open()) {
        out << name << "\t" << length << "\ttime\t" << slow.word << "\n";
        out << name << "\t" << length << "\tmemory\t" << result.largest.word
            << "\n";
      }
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, &options)) {
    std::cerr << "usage: see the comment at the top of hostile_words.cc\n";
    return 2;
  }
  if (!options.lexicon_dir.empty()) return WriteLexicons(options);
  if (!options.words_path.empty()) return MeasureListed(options);
  return Search(options);
}
