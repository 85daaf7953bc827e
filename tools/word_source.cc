// Tested end to end by cli_run_test.cc and cli_limits_test.cc.

#include "tools/word_source.h"

namespace tesvar {
namespace cli {

WordSource::WordSource(const std::vector<std::string>* words, size_t max_bytes)
    : words_(words), in_(nullptr), max_bytes_(max_bytes), reader_(nullptr) {}

WordSource::WordSource(std::istream* in, size_t max_bytes)
    : words_(nullptr), in_(in), max_bytes_(max_bytes), reader_(in, max_bytes) {}

bool WordSource::Next(InputWord* word) {
  if (in_ != nullptr) {
    if (!reader_.Next(&word->text)) return false;
    word->too_long = reader_.too_long();
    word->place = "line";
  } else {
    if (number_ == words_->size()) return false;
    const std::string& text = (*words_)[number_];
    word->too_long = text.size() > max_bytes_;
    word->text.assign(text, 0, max_bytes_);
    word->place = "argument";
  }
  word->number = ++number_;
  word->input_bytes = bytes_read();
  return true;
}

bool WordSource::MayWait() const {
  return in_ != nullptr && in_->rdbuf()->in_avail() <= 0;
}

}  // namespace cli
}  // namespace tesvar
