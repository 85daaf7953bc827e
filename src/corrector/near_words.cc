// A depth-first walk over the word shapes that keeps, for the path so far,
// one row of the weighted edit distance (with swaps of neighbours) to
// every beginning of the typed word: the row for one more letter comes
// from the last two rows alone, so the rows stack up along the path and a
// branch is left as soon as no cell of its row is within the bound (and no
// swap with the next letter could bring one back). The walk passes from a
// verb prefix to the headwords that take one, and from the end of a
// headword to the suffixes its part of speech takes, and from the end of
// a suffix to the next, so that a slip in a prefix, a headword or a
// suffix costs the same and the rest of the word stays as typed.
//
// The cost is a row per node visited, and the bound keeps the visited
// part of the tries thin; the limits cap it for words that match a great
// many shapes (long runs of short suffixes).
// Tested by near_words_test.cc.

#include "corrector/near_words.h"

#include <algorithm>

#include "corrector/edit_weights.h"

namespace tesvar {
namespace corrector {

namespace {

constexpr uint8_t kSuffixesAfterPrefix = kVerbSuffix | kNounSuffix;
constexpr uint8_t kAffixClasses = kNounSuffix | kVerbSuffix | kNumberElement;

}  // namespace

NearWordSearch::NearWordSearch(const WordShapes& shapes, const Letters& typed,
                               int bound, const SearchLimits& limits)
    : shapes_(shapes),
      typed_(typed),
      bound_(std::min(bound, kMaxBound)),
      rows_left_(limits.rows),
      path_limit_(limits.paths) {
  const size_t n = typed.size();
  // A path is at most this much longer than the word: each letter beyond
  // it is a missing letter, and one more for the free apostrophe before an
  // initial vowel.
  const size_t longest = n + bound_ / kLightestMissingLetter + 2;
  rows_.resize((longest + 1) * (n + 1));
  path_.resize(longest);
  viable_.resize(longest + 1);
  extra_.resize(n + 1);
  int* row = Row(0);
  row[0] = 0;
  for (size_t i = 1; i <= n; ++i) {
    extra_[i] =
        ExtraLetterWeight(typed[i - 1], i > 1 ? typed[i - 2] : kForeign);
    row[i] = row[i - 1] + extra_[i];
  }
  // Any first letter may be missing (the apostrophe before a vowel for
  // free), or typed wrongly, or swapped with the second.
  uint32_t first = kWeightTables.missing_within[kForeign][bound_];
  if (IsVowel(typed[0])) first |= uint32_t{1} << kApostrophe;
  for (size_t i = 0; i < n; ++i) {
    if (row[i] <= bound_) {
      first |= kWeightTables.substitutes_within[typed[i]][bound_ - row[i]];
    }
    if (i + 1 < n && row[i] + kSwapWeight <= bound_) {
      first |= uint32_t{1} << typed[i + 1];
    }
  }
  viable_[0] = first;
}

bool NearWordSearch::Push(size_t depth, Letter letter) {
  if (depth >= path_.size() || stopped_) return false;
  if (rows_left_ == 0) {
    stopped_ = true;
    return false;
  }
  --rows_left_;
  path_[depth] = letter;
  const size_t n = typed_.size();
  const Letter* typed = typed_.data();
  const int* extra = extra_.data();
  const int bound = bound_;
  const int* previous = Row(depth);
  const int* earlier = depth > 0 ? Row(depth - 1) : nullptr;
  int* row = Row(depth + 1);
  const int* substitution = kWeightTables.substitution[letter];
  const Letter before = depth > 0 ? path_[depth - 1] : kForeign;
  const int missing = depth == 0 ? MissingFirstLetterWeight(letter, typed[0])
                                 : MissingLetterWeight(letter, before);
  // Besides the row, the letters worth pushing after this one: those that
  // keep a cell of the next row within the bound by a substitution after a
  // cell of this row, or by completing a swap, or by beginning one.
  uint32_t next = 0;
  uint32_t swaps_begun_before = 0;  // letters that could begin a swap here
  int least = row[0] = previous[0] + missing;
  for (size_t i = 1; i <= n; ++i) {
    const Letter t = typed[i - 1];
    int weight = previous[i - 1] + substitution[t];
    weight = std::min(weight, row[i - 1] + extra[i]);
    weight = std::min(weight, previous[i] + missing);
    if (i > 1) {
      const Letter s = typed[i - 2];
      if (earlier != nullptr && letter == s && before == t && letter != t) {
        weight = std::min(weight, earlier[i - 2] + kSwapWeight);
      }
      if (previous[i - 2] + kSwapWeight <= bound) {
        swaps_begun_before |= uint32_t{1} << t;
        if (letter == t) next |= uint32_t{1} << s;
      }
      if (row[i - 2] + kSwapWeight <= bound) next |= uint32_t{1} << t;
    }
    row[i] = weight;
    least = std::min(least, weight);
    const int cell = row[i - 1];
    if (cell <= bound) {
      next |= kWeightTables.substitutes_within[t][bound - cell];
    }
  }
  if (least > bound && ((swaps_begun_before >> letter) & 1) == 0) {
    return false;
  }
  if (least <= bound) {
    next |= kWeightTables.missing_within[letter][bound - least];
  }
  viable_[depth + 1] = next;
  return true;
}

void NearWordSearch::Emit(size_t depth) {
  const int weight = Row(depth)[typed_.size()];
  if (weight > bound_ || stopped_) return;
  if (paths_.size() >= path_limit_) {
    stopped_ = true;
    return;
  }
  NearWord& word = paths_.emplace_back();
  word.weight = weight;
  AppendSpelling(path_.data(), depth, &word.spelling);
}

void NearWordSearch::WalkPrefixes(uint32_t index, size_t depth) {
  const LetterTrie::Node& node = shapes_.prefixes.node(index);
  if (node.ends != 0) WalkHeadwords(0, depth, /*after_prefix=*/true);
  const uint32_t viable = viable_[depth];
  for (uint32_t c = 0; c < node.child_count; ++c) {
    const uint32_t child = node.first_child + c;
    const Letter letter = shapes_.prefixes.node(child).letter;
    if (((viable >> letter) & 1) != 0 && Push(depth, letter)) {
      WalkPrefixes(child, depth + 1);
    }
  }
}

void NearWordSearch::WalkHeadwords(uint32_t index, size_t depth,
                                   bool after_prefix) {
  const LetterTrie& trie = shapes_.headwords;
  const LetterTrie::Node& node = trie.node(index);
  const uint8_t wanted = after_prefix ? kTakesVerbPrefix : kIsHeadword;
  if ((node.ends & wanted) != 0) {
    Emit(depth);
    const uint8_t classes =
        after_prefix ? kSuffixesAfterPrefix : (node.ends & kAffixClasses);
    if (classes != 0) WalkSuffixes(0, depth, classes);
  }
  const uint32_t viable = viable_[depth];
  for (uint32_t c = 0; c < node.child_count; ++c) {
    const uint32_t child = node.first_child + c;
    const LetterTrie::Node& next = trie.node(child);
    if ((next.below & wanted) != 0 && ((viable >> next.letter) & 1) != 0 &&
        Push(depth, next.letter)) {
      WalkHeadwords(child, depth + 1, after_prefix);
    }
  }
}

void NearWordSearch::WalkSuffixes(uint32_t index, size_t depth,
                                  uint8_t classes) {
  const LetterTrie& trie = shapes_.suffixes;
  const LetterTrie::Node& node = trie.node(index);
  if (index != 0 && (node.ends & classes) != 0) {
    Emit(depth);
    WalkSuffixes(0, depth, classes);
  }
  const uint32_t viable = viable_[depth];
  for (uint32_t c = 0; c < node.child_count; ++c) {
    const uint32_t child = node.first_child + c;
    const LetterTrie::Node& next = trie.node(child);
    if ((next.below & classes) != 0 && ((viable >> next.letter) & 1) != 0 &&
        Push(depth, next.letter)) {
      WalkSuffixes(child, depth + 1, classes);
    }
  }
}

bool NearWordSearch::Run(std::vector<NearWord>* found) {
  paths_.clear();
  WalkHeadwords(0, 0, /*after_prefix=*/false);
  WalkPrefixes(0, 0);
  std::sort(paths_.begin(), paths_.end(),
            [](const NearWord& a, const NearWord& b) {
              return a.spelling != b.spelling ? a.spelling < b.spelling
                                              : a.weight < b.weight;
            });
  found->clear();
  for (NearWord& path : paths_) {
    if (found->empty() || found->back().spelling != path.spelling) {
      found->push_back(std::move(path));
    }
  }
  std::stable_sort(
      found->begin(), found->end(),
      [](const NearWord& a, const NearWord& b) { return a.weight < b.weight; });
  return !stopped_;
}

}  // namespace corrector
}  // namespace tesvar
