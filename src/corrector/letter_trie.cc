// The trie is built breadth first from the strings sorted by their
// letters: the strings below a node are a contiguous range of the sorted
// list, and splitting a range by the letter at the node's depth gives its
// children at once, so that they come out consecutive and the build needs
// no allocation per node.
// Tested by near_words_test.cc.

#include "corrector/letter_trie.h"

#include <algorithm>

namespace tesvar {
namespace corrector {

void LetterTrie::Builder::Add(const Letters& letters, uint8_t marks) {
  entries_.push_back({static_cast<uint32_t>(letters_.size()),
                      static_cast<uint32_t>(letters.size()), marks});
  letters_.insert(letters_.end(), letters.begin(), letters.end());
}

LetterTrie LetterTrie::Builder::Build() {
  const Letter* letters = letters_.data();
  std::sort(entries_.begin(), entries_.end(),
            [letters](const Entry& a, const Entry& b) {
              return std::lexicographical_compare(
                  letters + a.start, letters + a.start + a.length,
                  letters + b.start, letters + b.start + b.length);
            });
  LetterTrie trie;
  struct Range {
    uint32_t node;
    size_t begin;
    size_t end;
    uint32_t depth;
  };
  std::vector<Range> queue = {{0, 0, entries_.size(), 0}};
  for (size_t next = 0; next < queue.size(); ++next) {
    const Range range = queue[next];
    size_t i = range.begin;
    uint8_t below = 0;
    // Strings that end here sort before the longer ones.
    for (; i < range.end && entries_[i].length == range.depth; ++i) {
      trie.nodes_[range.node].ends |= entries_[i].marks;
    }
    const auto first_child = static_cast<uint32_t>(trie.nodes_.size());
    while (i < range.end) {
      const Letter letter = letters[entries_[i].start + range.depth];
      size_t j = i;
      for (;
           j < range.end && letters[entries_[j].start + range.depth] == letter;
           ++j) {
        below |= entries_[j].marks;
      }
      queue.push_back(
          {static_cast<uint32_t>(trie.nodes_.size()), i, j, range.depth + 1});
      trie.nodes_.emplace_back().letter = letter;
      i = j;
    }
    Node& node = trie.nodes_[range.node];
    node.first_child = first_child;
    node.child_count = static_cast<uint8_t>(trie.nodes_.size() - first_child);
    node.below = below | node.ends;
  }
  letters_.clear();
  entries_.clear();
  return trie;
}

}  // namespace corrector
}  // namespace tesvar
