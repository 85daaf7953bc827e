// Random words and random changes to words, made of the pieces that drive
// the analyses: verb prefixes, verb suffixes and rovers, noun suffixes,
// number elements, the lexicon's headwords, "th" (which normalisation
// lengthens to "tlh") and single letters. Every word it returns has at
// most the length it was made for.
//
// Deterministic for a lexicon, length and seed. Reads the lexicon only
// while it is constructed. One mutator per thread.

#ifndef TESVAR_BENCH_HOSTILE_WORD_MUTATOR_H_
#define TESVAR_BENCH_HOSTILE_WORD_MUTATOR_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "bench/random.h"
#include "tesvar/lexicon.h"

namespace tesvar {
namespace bench {

class WordMutator {
 public:
  WordMutator(const CLexicon& lexicon, size_t max_bytes, uint64_t seed);

  // A word built from the pieces, or random letters.
  std::string RandomWord();
  // `word` changed by one to three random edits; `other` may be spliced in.
  std::string Mutate(const std::string& word, const std::string& other);

  Random& random() { return random_; }

 private:
  std::string_view AnyPiece();
  std::string_view SuffixPiece();
  std::string_view Headword();
  size_t Position(const std::string& word);

  void InsertPiece(std::string* word, const std::string& other);
  void ReplaceStretch(std::string* word, const std::string& other);
  void DeleteStretch(std::string* word, const std::string& other);
  void RepeatStretch(std::string* word, const std::string& other);
  void SwitchCase(std::string* word, const std::string& other);
  void Splice(std::string* word, const std::string& other);
  void FillWithSuffixes(std::string* word, const std::string& other);

  struct Edit {
    void (WordMutator::*apply)(std::string* word, const std::string& other);
    uint32_t weight;
  };
  static const Edit kEdits[];

  Random random_;
  size_t max_bytes_;
  std::vector<std::string> headwords_;
  std::vector<std::string_view> prefixes_;
  std::vector<std::string_view> suffixes_;
};

}  // namespace bench
}  // namespace tesvar

#endif  // TESVAR_BENCH_HOSTILE_WORD_MUTATOR_H_
