// CParsedNum reads a number word: a number root from the lexicon, then
// optionally the tens element, one power of ten and one number suffix,
// and glosses it in English ("thirty", "tomorrow", "fifth", "twice").
// A number word parses flawlessly or not at all.
//
// A value owned by one parser call; not thread-safe.
// Tested by parsed_num_test.cc.

#ifndef TESVAR_NUMBERS_PARSED_NUM_H_
#define TESVAR_NUMBERS_PARSED_NUM_H_

#include <string>
#include <string_view>

#include "words/parsed_word.h"

namespace tesvar {

class CParsedNum : public CParsedWord {
 public:
  CParsedNum() { m_nPOS = kNumber; }
  CParsedNum(const CParsedNum&) = default;
  CParsedNum& operator=(const CParsedNum&) = default;
  ~CParsedNum() override = default;

  // Returns 1 when `word` is a number word built on the entry (code 4),
  // else 0.
  int Parse(std::string_view word, const CTWord& entry);

  // The English gloss built by Parse.
  std::string ToString() const { return gloss_; }

 private:
  // The gloss grows as the elements are read, so the number keeps its
  // own copy rather than a view of the definition.
  std::string gloss_;
};

}  // namespace tesvar

#endif  // TESVAR_NUMBERS_PARSED_NUM_H_
