// A trie over strings of letters, each string carrying a few bits of
// marks, built once and then only read. The corrector walks it letter by
// letter with a bound on the distance so far, so a node tells both which
// marks end at it and which occur anywhere below it (to leave out
// branches that cannot give what the walk is after).
//
// A LetterTrie is immutable after Build; any number of threads may read
// it. A Builder serves one thread.

#ifndef TESVAR_CORRECTOR_LETTER_TRIE_H_
#define TESVAR_CORRECTOR_LETTER_TRIE_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "corrector/letters.h"

namespace tesvar {
namespace corrector {

class LetterTrie {
 public:
  // The root is node 0. The children of a node are consecutive nodes,
  // in increasing order of their letters.
  struct Node {
    uint32_t first_child = 0;
    uint8_t child_count = 0;
    Letter letter = 0;  // the letter that leads here from the parent
    uint8_t ends = 0;   // marks of the strings that end here
    uint8_t below = 0;  // marks of the strings that end here or below
  };

  class Builder {
   public:
    // Adds `letters` with `marks`; adding a string again adds its marks.
    void Add(const Letters& letters, uint8_t marks);
    // The trie of everything added. The builder is left empty.
    LetterTrie Build();

   private:
    struct Entry {
      uint32_t start;  // in letters_
      uint32_t length;
      uint8_t marks;
    };
    Letters letters_;
    std::vector<Entry> entries_;
  };

  LetterTrie() : nodes_(1) {}

  const Node& node(uint32_t index) const { return nodes_[index]; }
  size_t size() const { return nodes_.size(); }

 private:
  std::vector<Node> nodes_;
};

}  // namespace corrector
}  // namespace tesvar

#endif  // TESVAR_CORRECTOR_LETTER_TRIE_H_
