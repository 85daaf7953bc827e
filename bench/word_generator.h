// Word lists for the benchmarks: words built from the headwords of a
// lexicon and the language's real affix chains (noun suffixes in slot
// order, verb prefix plus suffixes with rovers, number elements), mixed
// with the faults of typed text: words with their suffixes in the wrong
// order, misspelt words (wrong case, stray characters, "th" for "tlh") and
// garbage.
//
// A WordGenerator is deterministic for a given lexicon and seed. It reads
// the lexicon it was made with, which must outlive it and stay unchanged.
// Use one generator per thread.

#ifndef TESVAR_BENCH_WORD_GENERATOR_H_
#define TESVAR_BENCH_WORD_GENERATOR_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "bench/random.h"
#include "tesvar/lexicon.h"

namespace tesvar {
namespace bench {

struct ChainShape;

enum class WordKind {
  kPlain,     // an adverbial, conjunction, exclamation or question word
  kNoun,      // a noun with zero to five suffixes in slot order
  kVerb,      // a verb, mostly with a prefix, and a typical suffix chain
  kLongVerb,  // a verb with a prefix and a suffix of nearly every type
  kPronoun,   // a pronoun with noun suffixes or used as a verb
  kNumber,    // a number root with tens, power and number suffix elements
  kTangled,   // a noun or verb with its suffixes in random order
  kMisspelt,  // a word of the kinds above, typed carelessly
  kGarbage,   // bytes that are mostly no word at all
};

// How the entries that words are made of are drawn among those of a kind.
enum class EntryDraw {
  kUniform,  // every entry alike
  kZipf,     // the earlier in the lexicon, the more often (Random::Zipf),
             // as the words of a text: a few are common, most are rare
};

class WordGenerator {
 public:
  // REQUIRES: `lexicon` outlives the generator and does not change.
  WordGenerator(const CLexicon& lexicon, uint64_t seed,
                EntryDraw draw = EntryDraw::kUniform);

  WordGenerator(const WordGenerator&) = delete;
  WordGenerator& operator=(const WordGenerator&) = delete;

  // A word of `kind`. When the lexicon has no entry of the part of speech
  // the kind needs, the word is made up from syllables instead.
  std::string Make(WordKind kind);

  // A word of a kind drawn in the proportions of typed text.
  std::string Next();

  // Mistypes *word in one of the ways kMisspelt words are mistyped.
  void Misspell(std::string* word);

 private:
  std::string Headword(const std::vector<CTWord>& entries,
                       const CTWord** entry);
  std::string MakeNoun();
  std::string MakeVerb(bool long_chain);
  std::string MakePronoun();
  std::string MakeNumber();
  std::string MakeTangled();
  std::string MakeMisspelt();
  std::string MakeGarbage();
  // Noun suffixes of types `first_type` to 5, in slot order; the plural
  // fits the noun's flags (any plural when `noun` is null).
  void AppendNounSuffixes(const CTWord* noun, int first_type,
                          std::string* word);
  void AppendVerbSuffixes(const ChainShape& shape, std::string* word);

  Random random_;
  EntryDraw draw_;
  // Entries by the analysis they get, in lexicon order; views into the
  // lexicon.
  std::vector<CTWord> nouns_;
  std::vector<CTWord> verbs_;
  std::vector<CTWord> pronouns_;
  std::vector<CTWord> numbers_;
  std::vector<CTWord> plain_;
};

// `count` words drawn by WordGenerator::Next.
std::vector<std::string> GenerateWordList(const CLexicon& lexicon, size_t count,
                                          uint64_t seed,
                                          EntryDraw draw = EntryDraw::kUniform);

}  // namespace bench
}  // namespace tesvar

#endif  // TESVAR_BENCH_WORD_GENERATOR_H_
