// The inputs the benchmarks run against: the built-in sample lexicon and
// generated lexicons of fixed sizes, each with its TSV text and a mixed
// list of words typed against it. Fixed seeds make every run measure the
// same bytes.
//
// A Corpus is built once before the benchmarks start and only read while
// they run, so benchmark threads may share it.

#ifndef TESVAR_BENCH_CORPUS_H_
#define TESVAR_BENCH_CORPUS_H_

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tesvar/lexicon.h"
#include "tesvar/status.h"

namespace tesvar {
namespace bench {

// Lexicon sizes measured by the benchmarks (entries). The largest takes a
// few seconds to generate and load before the benchmarks start.
constexpr int64_t kLexiconSizes[] = {1000, 10000, 100000, 1000000};
constexpr uint64_t kLexiconSeed = 42;
constexpr uint64_t kWordSeed = 7;
// Long enough that the mix of word kinds is stable; the benchmarks parse
// the whole list in each iteration, so that every iteration does the same
// work however costly its single words are.
constexpr size_t kMixedWordCount = 1000;
// The realistic list of each lexicon: mostly cheap words, so more of them.
constexpr size_t kRealisticWordCount = 4000;

struct Corpus {
  std::string name;  // "sample" or the entry count
  std::string tsv;
  CLexicon lexicon;
  // The mixed word list; the same for all generated lexicons.
  std::vector<std::string> words;
  // Words of a careful writer made against this very lexicon (flawless
  // words, a few of them mistyped): as many readings per word at every
  // size, drawn from all of the lexicon's entries. Empty for the sample.
  std::vector<std::string> realistic;
};

// Generated corpora by their entry count.
using GeneratedCorpora = std::map<int64_t, Corpus>;

// Fills *sample with the sample lexicon and *generated with one corpus for
// each of kLexiconSizes. Returns the loader's error if a lexicon text is
// rejected.
Status BuildCorpora(Corpus* sample, GeneratedCorpora* generated);

}  // namespace bench
}  // namespace tesvar

#endif  // TESVAR_BENCH_CORPUS_H_
