// A TextSpace for tests that gives every text its own allocation, followed
// by a '#', so that a view running past the end of its text shows in the
// output instead of reading a neighbour's bytes unnoticed.

#ifndef TESVAR_TESTS_SUPPORT_SEPARATE_TEXTS_H_
#define TESVAR_TESTS_SUPPORT_SEPARATE_TEXTS_H_

#include <cstddef>
#include <memory>
#include <vector>

#include "words/text_space.h"

namespace tesvar {
namespace testing {

class SeparateTexts : public TextSpace {
 public:
  char* Allocate(size_t size) override {
    texts_.push_back(std::make_unique<char[]>(size + 1));
    texts_.back()[size] = '#';
    return texts_.back().get();
  }

 private:
  std::vector<std::unique_ptr<char[]>> texts_;
};

}  // namespace testing
}  // namespace tesvar

#endif  // TESVAR_TESTS_SUPPORT_SEPARATE_TEXTS_H_
