// Tested end to end by cli_run_test.cc and cli_limits_test.cc.

#include "tools/word_source.h"

#include <cstdint>

namespace tesvar {
namespace cli {

namespace {

// The bytes of a line that are kept: one past the word limit.
size_t KeptBytes(size_t max_word_bytes) {
  return max_word_bytes == 0 || max_word_bytes >= SIZE_MAX - 1
             ? SIZE_MAX - 1
             : max_word_bytes + 1;
}

}  // namespace

WordSource::WordSource(const std::vector<std::string>* words)
    : words_(words), in_(nullptr), reader_(nullptr) {}

WordSource::WordSource(std::istream* in, size_t max_word_bytes)
    : words_(nullptr), in_(in), reader_(in, KeptBytes(max_word_bytes)) {}

bool WordSource::Next(InputWord* word) {
  if (in_ != nullptr) {
    if (!reader_.Next(&word->text)) return false;
    word->place = "line";
  } else {
    if (number_ == words_->size()) return false;
    word->text = (*words_)[number_];
    word->place = "argument";
  }
  word->number = ++number_;
  word->input_bytes = bytes_read();
  return true;
}

bool WordSource::MayWait() { return in_ != nullptr && !reader_.LineReady(); }

}  // namespace cli
}  // namespace tesvar
