// The search for spellings near a typed word: every path through the word
// shapes (prefix, headword, suffixes) whose letters are within a bound of
// the typed letters, weighed with the edit weights. The paths are not yet
// words: the caller reads each one with the parser.
//
// A NearWordSearch serves one search on one thread; the shapes it reads
// may be shared.

#ifndef TESVAR_CORRECTOR_NEAR_WORDS_H_
#define TESVAR_CORRECTOR_NEAR_WORDS_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "corrector/letters.h"
#include "corrector/word_shapes.h"

namespace tesvar {
namespace corrector {

struct NearWord {
  std::string spelling;  // canonical
  int weight;            // the least weight of an alignment with the word
};

// How much one search may do.
struct SearchLimits {
  // Rows of the distance table, one per letter a path takes.
  size_t rows = 0;
  // Paths within the bound (before duplicates are removed).
  size_t paths = 0;
};

class NearWordSearch {
 public:
  // REQUIRES: `shapes` and `typed` outlive the search; `typed` is not
  // empty.
  NearWordSearch(const WordShapes& shapes, const Letters& typed, int bound,
                 const SearchLimits& limits);

  NearWordSearch(const NearWordSearch&) = delete;
  NearWordSearch& operator=(const NearWordSearch&) = delete;

  // Stores in *found every distinct spelling within the bound, each with
  // its least weight, sorted by weight and then by spelling. Returns false
  // when a limit ended the search early; *found then holds what was found
  // until then.
  bool Run(std::vector<NearWord>* found);

  // The rows the limits still allow after Run.
  size_t rows_left() const { return rows_left_; }

 private:
  int* Row(size_t depth) { return &rows_[depth * (typed_.size() + 1)]; }
  // Takes `letter` as the path's letter at `depth` and fills the next row
  // and viable_[depth + 1]. Returns whether a path through it can still
  // end within the bound.
  bool Push(size_t depth, Letter letter);
  // Records the path of `depth` letters when it ends within the bound.
  void Emit(size_t depth);

  void WalkPrefixes(uint32_t node, size_t depth);
  void WalkHeadwords(uint32_t node, size_t depth, bool after_prefix);
  void WalkSuffixes(uint32_t node, size_t depth, uint8_t classes);

  const WordShapes& shapes_;
  const Letters& typed_;
  const int bound_;
  size_t rows_left_;
  const size_t path_limit_;
  bool stopped_ = false;

  // extra_[i]: the weight of typed letter i - 1 being a letter too many.
  std::vector<int> extra_;
  // Row d holds, for each count i of typed letters, the least weight of
  // turning the path's first d letters into the typed word's first i.
  std::vector<int> rows_;
  Letters path_;
  // viable_[d]: bits of the letters that may be pushed at depth d; a
  // superset of those that Push would accept, so that the children of a
  // node are filtered without filling a row for each.
  std::vector<uint32_t> viable_;
  std::vector<NearWord> paths_;
};

}  // namespace corrector
}  // namespace tesvar

#endif  // TESVAR_CORRECTOR_NEAR_WORDS_H_
