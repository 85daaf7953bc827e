// Synthetic lexicons for the benchmarks: entries whose headwords are made
// of the language's own letters and syllable shapes, in the proportions of
// a real dictionary (mostly nouns and verbs, a few pronouns, the number
// roots, some adverbials, conjunctions, exclamations and question words),
// with the noun and verb flags sprinkled in.
//
// Generation is deterministic: the same size and seed give the same bytes
// everywhere, and the entries of a smaller lexicon are the first entries of
// a larger one made with the same seed, so that benchmarks over several
// sizes can share their words.
//
// The functions are safe to call from several threads.

#ifndef TESVAR_BENCH_LEXICON_GENERATOR_H_
#define TESVAR_BENCH_LEXICON_GENERATOR_H_

#include <cstddef>
#include <cstdint>
#include <string>

#include "bench/random.h"

namespace tesvar {
namespace bench {

// A lexicon of `entries` entries in the lexicon TSV format (version 1),
// with the columns key, headword, pos, definition, flags and plural. Keys
// are "headword:LABEL" and unique; headwords are in canonical spelling.
std::string GenerateLexiconTsv(size_t entries, uint64_t seed);

// `syllables` syllables of the language in canonical spelling: each one a
// consonant and a vowel, most with a closing consonant, the last one
// nearly always closed.
std::string MakeSyllables(int syllables, Random* random);

}  // namespace bench
}  // namespace tesvar

#endif  // TESVAR_BENCH_LEXICON_GENERATOR_H_
