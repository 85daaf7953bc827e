// work_units: how much work the words of a list need, in the parser's work
// units, against the limits a parser has by default. For each word it
// parses without limits and records the units used and the time; it
// prints the distribution of both (median, p99, max, and the share of the
// total that the costliest 1% of the words take), the share of words the
// default limits would refuse, and the costliest words.
//
// Usage: work_units [--lexicon FILE] [--top N] < WORDS
//   (without --lexicon: the sample lexicon)

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "tesvar/lexicon_tsv.h"
#include "tesvar/parser.h"
#include "tesvar/sample_lexicon.h"

namespace {

struct Cost {
  uint64_t units;
  double micros;
  size_t readings;
  std::string word;
};

bool LoadLexicon(const std::string& path, tesvar::CLexicon* lexicon) {
  if (path.empty()) return tesvar::LoadSampleLexicon(lexicon).ok();
  const tesvar::Status status = tesvar::LoadLexiconTsvFile(path, lexicon);
  if (!status.ok()) std::cerr << status.message() << "\n";
  return status.ok();
}

Cost Measure(const tesvar::CTesvarParser& parser, tesvar::ParseScratch* scratch,
             const std::string& word) {
  tesvar::ParseResults results;
  const auto start = std::chrono::steady_clock::now();
  const tesvar::Status status = parser.Parse(word, &results, scratch);
  const auto end = std::chrono::steady_clock::now();
  if (!status.ok()) std::cerr << "unexpected: " << status.message() << "\n";
  return Cost{scratch->last_work(),
              std::chrono::duration<double, std::micro>(end - start).count(),
              results.size(), word};
}

uint64_t Percentile(const std::vector<Cost>& sorted, double share) {
  const size_t at = static_cast<size_t>(share * (sorted.size() - 1));
  return sorted[at].units;
}

// Median, p99, max and the share of the total taken by the costliest 1%
// of the words, of one measure of cost.
template <typename T>
void PrintDistribution(const char* what, std::vector<T> costs,
                       const char* format) {
  std::sort(costs.begin(), costs.end());
  const auto at = [&costs](double share) {
    return costs[static_cast<size_t>(share * (costs.size() - 1))];
  };
  double total = 0;
  for (const T cost : costs) total += static_cast<double>(cost);
  const size_t top = std::max<size_t>(1, costs.size() / 100);
  double top_total = 0;
  for (size_t i = costs.size() - top; i < costs.size(); ++i) {
    top_total += static_cast<double>(costs[i]);
  }
  std::printf("%s: median ", what);
  std::printf(format, static_cast<double>(at(0.5)));
  std::printf(", p99 ");
  std::printf(format, static_cast<double>(at(0.99)));
  std::printf(", max ");
  std::printf(format, static_cast<double>(costs.back()));
  std::printf(", costliest 1%% of the words take %.1f%% of the total\n",
              total > 0 ? 100.0 * top_total / total : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
  std::string lexicon_path;
  size_t top = 10;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--lexicon" && i + 1 < argc) {
      lexicon_path = argv[++i];
    } else if (arg == "--top" && i + 1 < argc) {
      top = std::strtoul(argv[++i], nullptr, 10);
    } else {
      std::cerr << "usage: work_units [--lexicon FILE] [--top N] < WORDS\n";
      return 2;
    }
  }
  tesvar::CLexicon lexicon;
  if (!LoadLexicon(lexicon_path, &lexicon)) return 2;
  tesvar::ParseLimits unlimited;
  unlimited.max_word_bytes = 0;
  unlimited.max_work = 0;
  const tesvar::CTesvarParser parser(&lexicon, unlimited);
  const tesvar::ParseLimits defaults;
  tesvar::ParseScratch scratch;

  std::vector<Cost> costs;
  size_t too_long = 0;
  for (std::string word; std::getline(std::cin, word);) {
    if (word.size() > defaults.max_word_bytes) ++too_long;
    costs.push_back(Measure(parser, &scratch, word));
  }
  if (costs.empty()) return 0;
  std::sort(costs.begin(), costs.end(),
            [](const Cost& a, const Cost& b) { return a.units > b.units; });
  size_t too_complex = 0;
  uint64_t total = 0;
  for (const Cost& c : costs) {
    total += c.units;
    if (c.word.size() <= defaults.max_word_bytes && c.units > defaults.max_work)
      ++too_complex;
  }
  std::vector<Cost> ascending(costs.rbegin(), costs.rend());
  std::vector<uint64_t> units;
  std::vector<double> micros;
  for (const Cost& c : costs) {
    units.push_back(c.units);
    micros.push_back(c.micros);
  }
  PrintDistribution("per word, work units", units, "%.0f");
  PrintDistribution("per word, time in us", micros, "%.2f");
  std::printf(
      "words %zu, units: total %llu, median %llu, p99 %llu, "
      "p99.99 %llu, max %llu\n",
      costs.size(), static_cast<unsigned long long>(total),
      static_cast<unsigned long long>(Percentile(ascending, 0.5)),
      static_cast<unsigned long long>(Percentile(ascending, 0.99)),
      static_cast<unsigned long long>(Percentile(ascending, 0.9999)),
      static_cast<unsigned long long>(costs.front().units));
  std::printf(
      "default limits (%zu bytes, %llu units): %zu too long, "
      "%zu too complex (%.4f%% of the words)\n",
      defaults.max_word_bytes,
      static_cast<unsigned long long>(defaults.max_work), too_long, too_complex,
      100.0 * too_complex / costs.size());
  std::printf("costliest words:\n");
  for (size_t i = 0; i < std::min(top, costs.size()); ++i) {
    std::printf("  %10llu units %9.1f us %5zu readings  %s\n",
                static_cast<unsigned long long>(costs[i].units),
                costs[i].micros, costs[i].readings, costs[i].word.c_str());
  }
  return 0;
}
