// TextSpace is room for texts that outlive the analysis that writes them:
// a quiet analysis, whose readings only travel on as views, writes its
// suggestions there once instead of into strings of its own that would
// be copied again.
//
// Implemented by the parser over the texts of one call; not thread-safe.

#ifndef TESVAR_WORDS_TEXT_SPACE_H_
#define TESVAR_WORDS_TEXT_SPACE_H_

#include <cstddef>

namespace tesvar {

class TextSpace {
 public:
  // Room for `size` bytes, to be written whole, that stays valid for as
  // long as the space's owner keeps its texts.
  virtual char* Allocate(size_t size) = 0;

 protected:
  ~TextSpace() = default;
};

}  // namespace tesvar

#endif  // TESVAR_WORDS_TEXT_SPACE_H_
