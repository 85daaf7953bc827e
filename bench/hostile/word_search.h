// The search for the costliest words of at most a given length against
// one parser: random words first, then hill-climbing. The climb keeps two
// small elites, the slowest words and those that hold the most memory,
// and mutates their members: pieces of the language (verb prefixes, verb
// and noun suffixes, rovers, number elements, the lexicon's headwords)
// inserted, replaced or dropped, stretches repeated, letters switched
// between cases, and two members spliced. A word that seems slower than
// the elite's slowest is timed again before it may join, so that one
// noisy run does not crown it.
//
// Deterministic for a seed, but for the timings, which decide what joins
// the elite. Runs on the calling thread.

#ifndef TESVAR_BENCH_HOSTILE_WORD_SEARCH_H_
#define TESVAR_BENCH_HOSTILE_WORD_SEARCH_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "bench/hostile/word_cost.h"
#include "tesvar/lexicon.h"
#include "tesvar/parser.h"

namespace tesvar {
namespace bench {

struct SearchOptions {
  size_t max_bytes = 64;
  double seconds = 10;
  uint64_t seed = 1;
  // Timings of a word that might join the slowest: their minimum counts.
  int runs = 3;
};

struct FoundWord {
  std::string word;
  WordCost cost;
};

struct SearchResult {
  FoundWord slowest;
  FoundWord largest;  // the most peak heap bytes
  size_t evaluated = 0;
};

// Searches words of at most options.max_bytes bytes; `lexicon` is the
// parser's, for its headwords.
SearchResult SearchCostliestWords(const CTesvarParser& parser,
                                  const CLexicon& lexicon,
                                  const SearchOptions& options);

}  // namespace bench
}  // namespace tesvar

#endif  // TESVAR_BENCH_HOSTILE_WORD_SEARCH_H_
