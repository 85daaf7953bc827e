// A word list like the text of a careful writer: words the parser reads
// flawlessly (their best reading scores exactly 1), with a few of them
// mistyped. The same lexicon and seed give the same bytes.
//
// Pure function; thread-safe for distinct lexicons or a shared one that
// does not change.

#ifndef TESVAR_BENCH_REALISTIC_WORDS_H_
#define TESVAR_BENCH_REALISTIC_WORDS_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "bench/word_generator.h"
#include "tesvar/lexicon.h"

namespace tesvar {
namespace bench {

// The share of words that are mistyped, in percent, unless asked
// otherwise.
constexpr uint32_t kRealisticTypoPercent = 5;

// `count` words drawn from the generated mix (WordGenerator::Next, with
// its entries drawn as `draw` says) and kept only when their best reading
// is flawless; `typo_percent` of them are then mistyped the way the
// generator misspells words (0: a list of flawless words only).
std::vector<std::string> GenerateRealisticWordList(
    const CLexicon& lexicon, size_t count, uint64_t seed,
    uint32_t typo_percent = kRealisticTypoPercent,
    EntryDraw draw = EntryDraw::kUniform);

}  // namespace bench
}  // namespace tesvar

#endif  // TESVAR_BENCH_REALISTIC_WORDS_H_
