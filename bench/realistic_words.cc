// Tested by generator_test.cc.

#include "bench/realistic_words.h"

#include <utility>

#include "bench/random.h"
#include "bench/word_generator.h"
#include "tesvar/parser.h"

namespace tesvar {
namespace bench {

namespace {

// The best score among the readings; 0 without any.
double BestScore(const ParseResults& results) {
  double best = 0.0;
  for (const CParseResult& result : results) {
    if (result.m_dScore > best) best = result.m_dScore;
  }
  return best;
}

}  // namespace

std::vector<std::string> GenerateRealisticWordList(const CLexicon& lexicon,
                                                   size_t count, uint64_t seed,
                                                   uint32_t typo_percent,
                                                   EntryDraw draw) {
  WordGenerator generator(lexicon, seed, draw);
  Random typos(seed);
  const CTesvarParser parser(&lexicon);
  ParseScratch scratch;
  ParseResults results;
  std::vector<std::string> words;
  words.reserve(count);
  while (words.size() < count) {
    std::string word = generator.Next();
    if (!parser.Parse(word, &results, &scratch).ok() ||
        BestScore(results) != 1.0) {
      continue;
    }
    if (typos.Percent(typo_percent)) generator.Misspell(&word);
    words.push_back(std::move(word));
  }
  return words;
}

}  // namespace bench
}  // namespace tesvar
