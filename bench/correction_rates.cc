// tesvar_correction_rates: how well the corrector finds the word meant.
//
// Builds a typo set from flawless words typed against a generated lexicon
// (one random slip each: substitution, insertion, deletion, swap,
// apostrophe dropped, wrong case; typos that are words themselves are
// drawn again), asks the corrector for each typo, and reports how often
// the intended word comes first and among the first five, by kind of
// slip, with the time per typo. With --english it instead writes one-slip
// typos of an English word list, for the same measurement of another
// spell checker (see compare-corrections.sh).

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "bench/lexicon_generator.h"
#include "bench/typo_maker.h"
#include "bench/word_generator.h"
#include "tesvar/corrector.h"
#include "tesvar/lexicon.h"
#include "tesvar/lexicon_tsv.h"
#include "tesvar/parser.h"

namespace tesvar {
namespace bench {
namespace {

constexpr size_t kTopFive = 5;
constexpr size_t kMinEnglishLetters = 4;
constexpr size_t kMaxEnglishLetters = 10;
// Draws of a word or a slip before the set is declared impossible.
constexpr size_t kMaxDraws = 1000000;

struct Options {
  uint64_t typos = 2000;
  uint64_t entries = 10000;
  uint64_t seed = 42;
  uint64_t show_misses = 0;
  uint64_t show_slowest = 0;
  std::string english;
};

bool ParseNumber(const char* text, uint64_t* value) {
  char* end = nullptr;
  *value = std::strtoull(text, &end, 10);
  return end != text && *end == '\0' && text[0] != '-';
}

bool ParseOptions(int argc, char** argv, Options* options) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string_view flag = argv[i];
    const char* value = argv[i + 1];
    bool ok = true;
    if (flag == "--typos") {
      ok = ParseNumber(value, &options->typos);
    } else if (flag == "--entries") {
      ok = ParseNumber(value, &options->entries);
    } else if (flag == "--seed") {
      ok = ParseNumber(value, &options->seed);
    } else if (flag == "--show-misses") {
      ok = ParseNumber(value, &options->show_misses);
    } else if (flag == "--show-slowest") {
      ok = ParseNumber(value, &options->show_slowest);
    } else if (flag == "--english") {
      options->english = value;
    } else {
      ok = false;
    }
    if (!ok) return false;
  }
  return argc % 2 == 1 && options->typos > 0;
}

bool IsFlawless(CTesvarParser* parser, const std::string& word) {
  ParseResults results;
  parser->ParseWord(word, results);
  return std::any_of(results.begin(), results.end(),
                     [](const CParseResult& r) { return r.m_dScore == 1.0; });
}

struct Typo {
  std::string typed;
  std::string intended;
  Slip slip;
};

constexpr Slip kTesvarSlips[] = {Slip::kSubstitution,      Slip::kInsertion,
                                 Slip::kDeletion,          Slip::kSwap,
                                 Slip::kApostropheDropped, Slip::kWrongCase};
constexpr Slip kEnglishSlips[] = {Slip::kSubstitution, Slip::kInsertion,
                                  Slip::kDeletion, Slip::kSwap};

// `count` distinct flawless words typed against `lexicon`, each with one
// slip that leaves a word without a flawless reading.
std::vector<Typo> MakeTesvarTypos(const CLexicon& lexicon, size_t count,
                                  uint64_t seed) {
  CTesvarParser parser(&lexicon);
  WordGenerator words(lexicon, seed);
  TypoMaker maker(TesvarLetters(), seed);
  const std::vector<Slip> slips(std::begin(kTesvarSlips),
                                std::end(kTesvarSlips));
  std::set<std::string> seen;
  std::vector<Typo> typos;
  for (size_t draws = 0; typos.size() < count && draws < kMaxDraws; ++draws) {
    std::string word = words.Next();
    if (!seen.insert(word).second || !IsFlawless(&parser, word)) continue;
    Typo typo{std::string(), word, maker.Draw(slips)};
    while (!maker.Make(word, typo.slip, &typo.typed) ||
           IsFlawless(&parser, typo.typed)) {
      if (++draws >= kMaxDraws) break;
      typo.slip = maker.Draw(slips);
    }
    typos.push_back(std::move(typo));
  }
  return typos;
}

// CPU time of this thread: on a shared machine, wall time also counts
// the time other processes had the core.
double ThreadCpuMicros() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e6 +
         static_cast<double>(now.tv_nsec) / 1e3;
}

struct Tally {
  size_t typos = 0;
  size_t first = 0;
  size_t top_five = 0;
  size_t none = 0;
};

std::string Percent(size_t part, size_t whole) {
  std::ostringstream out;
  out << std::fixed << std::setprecision(1)
      << (whole == 0
              ? 0.0
              : 100.0 * static_cast<double>(part) / static_cast<double>(whole))
      << "%";
  return out.str();
}

void PrintRow(std::string_view name, const Tally& tally) {
  std::cout << std::left << std::setw(20) << name << std::right << std::setw(7)
            << tally.typos << std::setw(9) << Percent(tally.first, tally.typos)
            << std::setw(9) << Percent(tally.top_five, tally.typos)
            << std::setw(9) << Percent(tally.none, tally.typos) << "\n";
}

void PrintTimes(std::vector<double> micros) {
  std::sort(micros.begin(), micros.end());
  double total = 0;
  for (const double m : micros) total += m;
  const auto at = [&micros](double share) {
    return micros[static_cast<size_t>(share * (micros.size() - 1))];
  };
  std::cout << std::fixed << std::setprecision(1) << "CPU time per typo: mean "
            << total / micros.size() << " us, median " << at(0.5)
            << " us, 99th percentile " << at(0.99) << " us, max "
            << micros.back() << " us\n";
}

int MeasureTesvar(const Options& options) {
  CLexicon lexicon;
  const Status loaded = ParseLexiconTsv(
      GenerateLexiconTsv(options.entries, options.seed), "generated", &lexicon);
  if (!loaded.ok()) {
    std::cerr << loaded.message() << "\n";
    return 1;
  }
  const std::vector<Typo> typos =
      MakeTesvarTypos(lexicon, options.typos, options.seed);
  const Corrector corrector(lexicon);
  Tally by_slip[kSlipKinds];
  Tally all;
  std::vector<double> micros;
  std::vector<uint64_t> units;
  size_t cut_short = 0;
  uint64_t misses_left = options.show_misses;
  for (const Typo& typo : typos) {
    std::vector<Correction> corrections;
    SuggestWork work;
    const double start = ThreadCpuMicros();
    corrector.SuggestWeighted(typo.typed, Corrector::kDefaultMaxCorrections,
                              &corrections, &work);
    micros.push_back(ThreadCpuMicros() - start);
    units.push_back(work.units);
    cut_short += work.cut_short;
    std::vector<std::string> offered;
    for (const Correction& c : corrections) offered.push_back(c.word);
    const size_t rank = static_cast<size_t>(
        std::find(offered.begin(), offered.end(), typo.intended) -
        offered.begin());
    for (Tally* tally : {&all, &by_slip[static_cast<size_t>(typo.slip)]}) {
      ++tally->typos;
      tally->first += rank == 0;
      tally->top_five += rank < kTopFive;
      tally->none += offered.empty();
    }
    if (rank != 0 && misses_left > 0) {
      --misses_left;
      std::cerr << typo.typed << " (" << typo.intended << ", "
                << SlipName(typo.slip) << "):";
      for (const std::string& word : offered) std::cerr << " " << word;
      std::cerr << "\n";
    }
  }
  std::cout << "lexicon: " << lexicon.size() << " generated entries (seed "
            << options.seed << "); typos of flawless words: " << all.typos
            << "\n\n";
  std::cout << std::left << std::setw(20) << "slip" << std::right
            << std::setw(7) << "typos" << std::setw(9) << "first"
            << std::setw(9) << "top 5" << std::setw(9) << "none"
            << "\n";
  for (const Slip slip : kTesvarSlips) {
    PrintRow(SlipName(slip), by_slip[static_cast<size_t>(slip)]);
  }
  PrintRow("all", all);
  std::cout << "\n";
  std::vector<size_t> order(typos.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(),
            [&micros](size_t a, size_t b) { return micros[a] > micros[b]; });
  for (size_t i = 0; i < options.show_slowest && i < order.size(); ++i) {
    std::cerr << std::fixed << std::setprecision(1) << micros[order[i]]
              << " us: " << typos[order[i]].typed << "\n";
  }
  PrintTimes(micros);
  std::sort(units.begin(), units.end());
  uint64_t total = 0;
  for (const uint64_t u : units) total += u;
  std::cout << "work units per typo: mean " << total / units.size()
            << ", median " << units[units.size() / 2] << ", max "
            << units.back() << "; limits reached for " << cut_short
            << " typos\n";
  return 0;
}

// Writes `count` typos of the words of `path` that are 4 to 10 letters
// a to z, as "typo TAB word" lines; typos are not checked against the list.
int WriteEnglishTypos(const Options& options) {
  std::ifstream file(options.english);
  std::vector<std::string> words;
  for (std::string line; std::getline(file, line);) {
    if (line.size() >= kMinEnglishLetters &&
        line.size() <= kMaxEnglishLetters &&
        std::all_of(line.begin(), line.end(),
                    [](char c) { return c >= 'a' && c <= 'z'; })) {
      words.push_back(line);
    }
  }
  if (words.empty()) {
    std::cerr << "tesvar_correction_rates: no words in " << options.english
              << "\n";
    return 1;
  }
  Random random(options.seed);
  TypoMaker maker(EnglishLetters(), options.seed);
  const std::vector<Slip> slips(std::begin(kEnglishSlips),
                                std::end(kEnglishSlips));
  std::set<std::string> seen;
  for (size_t written = 0, draws = 0;
       written < options.typos && draws < kMaxDraws; ++draws) {
    const std::string& word = words[random.Uniform(words.size())];
    std::string typo;
    if (!seen.insert(word).second ||
        !maker.Make(word, maker.Draw(slips), &typo)) {
      continue;
    }
    std::cout << typo << "\t" << word << "\n";
    ++written;
  }
  return 0;
}

}  // namespace
}  // namespace bench
}  // namespace tesvar

int main(int argc, char** argv) {
  tesvar::bench::Options options;
  if (!tesvar::bench::ParseOptions(argc, argv, &options)) {
    std::cerr
        << "Usage:\n"
           "  tesvar_correction_rates [--typos N] [--entries E] [--seed S]\n"
           "                          [--show-misses K] [--show-slowest K]\n"
           "  tesvar_correction_rates --english WORDLIST [--typos N] "
           "[--seed S]\n";
    return 2;
  }
  return options.english.empty() ? tesvar::bench::MeasureTesvar(options)
                                 : tesvar::bench::WriteEnglishTypos(options);
}
