// hostile_words: parses words of several hostile kinds at several lengths
// against the sample lexicon and prints, per kind and length, the time per
// word, the readings and the suggestions they carry. A kind whose word
// takes longer than the patience bound is not tried at greater lengths.
//
// Usage: hostile_words [MAX_LENGTH]   (default 10000)

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "tesvar/parser.h"
#include "tesvar/sample_lexicon.h"

namespace {

constexpr size_t kLengths[] = {100, 1000, 4096, 10000};
// Repeat a word until this much time has passed, for a stable mean.
constexpr double kMeasureSeconds = 0.5;
// A word that takes longer than this is not tried at greater lengths.
constexpr double kPatienceSeconds = 20;

constexpr char kAlphabet[] = "abcdeghijlmnopqrstuvwyDIHQS'";

std::string RandomAlphabet(size_t length) {
  std::mt19937_64 random(1);
  std::string word;
  for (size_t i = 0; i < length; ++i) {
    word.push_back(kAlphabet[random() % (sizeof(kAlphabet) - 1)]);
  }
  return word;
}

std::string EveryByte(size_t length) {
  std::string word;
  for (size_t i = 0; i < length; ++i) word.push_back(static_cast<char>(i));
  return word;
}

// `root` and then `piece` as often as fits in `length`.
std::string Repeated(const std::string& root, const std::string& piece,
                     size_t length) {
  std::string word = root;
  while (word.size() + piece.size() <= length) word += piece;
  return word;
}

struct Kind {
  const char* name;
  std::string (*make)(size_t length);
};

const Kind kKinds[] = {
    {"random alphabet", RandomAlphabet},
    {"every byte 0..255", EveryByte},
    {"Dal + mey*N", [](size_t n) { return Repeated("Dal", "mey", n); }},
    {"ghom + pu'*N", [](size_t n) { return Repeated("ghom", "pu'", n); }},
    {"voq + Daq*N", [](size_t n) { return Repeated("voq", "Daq", n); }},
    {"rom + laH*N", [](size_t n) { return Repeated("rom", "laH", n); }},
    {"rom + qu'*N", [](size_t n) { return Repeated("rom", "qu'", n); }},
    {"rom + pu'laH*N", [](size_t n) { return Repeated("rom", "pu'laH", n); }},
    {"DAL*N", [](size_t n) { return Repeated("", "DAL", n); }},
};

struct Measure {
  double seconds_per_word;
  size_t readings;
  size_t suggestions;
};

Measure Time(tesvar::CTesvarParser& parser, const std::string& word) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point start = Clock::now();
  Measure m{0, 0, 0};
  int runs = 0;
  double elapsed = 0;
  do {
    tesvar::ParseResults results;
    parser.ParseWord(word, results);
    m.readings = results.size();
    m.suggestions = 0;
    for (const tesvar::CParseResult& r : results) {
      m.suggestions += r.m_lstSuggestions.size();
    }
    ++runs;
    elapsed = std::chrono::duration<double>(Clock::now() - start).count();
  } while (elapsed < kMeasureSeconds);
  m.seconds_per_word = elapsed / runs;
  return m;
}

}  // namespace

int main(int argc, char** argv) {
  const size_t max_length =
      argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 10000;
  tesvar::CLexicon lexicon;
  if (!tesvar::LoadSampleLexicon(&lexicon).ok()) return 1;
  tesvar::CTesvarParser parser(&lexicon);
  std::printf("%-20s %7s %14s %9s %12s\n", "kind", "bytes", "us/word",
              "readings", "suggestions");
  for (const Kind& kind : kKinds) {
    for (const size_t length : kLengths) {
      if (length > max_length) break;
      const std::string word = kind.make(length);
      const Measure m = Time(parser, word);
      std::printf("%-20s %7zu %14.1f %9zu %12zu\n", kind.name, word.size(),
                  m.seconds_per_word * 1e6, m.readings, m.suggestions);
      std::fflush(stdout);
      if (m.seconds_per_word > kPatienceSeconds) {
        std::printf("%-20s longer words skipped\n", kind.name);
        break;
      }
    }
  }
  return 0;
}
