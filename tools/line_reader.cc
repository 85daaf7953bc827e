// Lines are read in chunks with istream::getline, which returns as soon as
// one line is complete, so input is consumed no faster than it is
// answered. Up to one byte more than the limit is kept, so that a "\r"
// just past the limit can still be dropped as a line end; anything beyond
// that is read into the chunk buffer and dropped.
// Tested by cli_limits_test.cc.

#include "tools/line_reader.h"

#include <algorithm>

namespace tesvar {
namespace cli {

namespace {

// Bytes read per getline call; any size works, this one holds most lines
// in one call without taking much stack.
constexpr std::streamsize kChunkBytes = 1024;

}  // namespace

bool LineReader::Next(std::string* line) {
  line->clear();
  too_long_ = false;
  const size_t kept_limit = max_length_ + 1;
  bool cut = false;
  bool extracted = false;
  char chunk[kChunkBytes];
  for (;;) {
    in_->getline(chunk, kChunkBytes);
    auto count = static_cast<size_t>(in_->gcount());
    bytes_read_ += count;
    if (count > 0) extracted = true;
    // Good after getline means it stopped at "\n", which it counted in
    // gcount but did not store. Fail without eof means the chunk filled up
    // before the line ended. Eof means the input ended.
    const bool at_newline = in_->good();
    if (at_newline) --count;
    const size_t room = kept_limit - std::min(kept_limit, line->size());
    line->append(chunk, std::min(count, room));
    if (count > room) cut = true;
    if (at_newline || in_->eof() || in_->bad()) break;
    in_->clear(in_->rdstate() & ~std::ios::failbit);
  }
  // Nothing at all extracted: the end of the input (or a failed read).
  if (!extracted) return false;
  // A trailing "\r" is a Windows line end, also on an unterminated last
  // line, since editors leave those too.
  if (!cut && !line->empty() && line->back() == '\r') line->pop_back();
  if (cut || line->size() > max_length_) {
    too_long_ = true;
    line->resize(max_length_);
  }
  return true;
}

}  // namespace cli
}  // namespace tesvar
