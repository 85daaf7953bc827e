// The reader takes from the stream only what it has without waiting
// (istream::readsome), and waits for a single byte when it has nothing, so
// input is consumed no faster than it arrives and a line is handed out as
// soon as it is complete, however the other end writes. Lines are then
// found in the reader's own buffer with memchr, rather than through a
// getline call per line. Up to one byte more than the limit is kept, so
// that a "\r" just past the limit can still be dropped as a line end;
// anything beyond that is passed over.
// Tested by cli_limits_test.cc.

#include "tools/line_reader.h"

#include <algorithm>
#include <cstring>

namespace tesvar {
namespace cli {

bool LineReader::Fill() {
  if (!buffer_) buffer_ = std::make_unique<char[]>(kBufferBytes);
  constexpr auto kRoom = static_cast<std::streamsize>(kBufferBytes);
  start_ = 0;
  end_ = 0;
  std::streamsize got = in_->good() ? in_->readsome(buffer_.get(), kRoom) : 0;
  if (got == 0 && in_->good()) {
    in_->read(buffer_.get(), 1);
    got = in_->gcount();
    if (got == 1 && in_->good()) {
      got += in_->readsome(buffer_.get() + 1, kRoom - 1);
    }
  }
  end_ = static_cast<size_t>(got);
  return end_ > 0;
}

bool LineReader::HasLine() {
  if (start_ < end_) {
    found_end_ = static_cast<const char*>(
        std::memchr(buffer_.get() + start_, '\n', end_ - start_));
  }
  return found_end_ != nullptr;
}

void LineReader::TopUp() {
  if (!buffer_) buffer_ = std::make_unique<char[]>(kBufferBytes);
  if (start_ > 0) {
    std::memmove(buffer_.get(), buffer_.get() + start_, end_ - start_);
    end_ -= start_;
    start_ = 0;
  }
  if (end_ < kBufferBytes && in_->good()) {
    end_ += static_cast<size_t>(
        in_->readsome(buffer_.get() + end_,
                      static_cast<std::streamsize>(kBufferBytes - end_)));
  }
}

bool LineReader::LineReady() {
  if (HasLine()) return true;
  TopUp();
  return HasLine();
}

bool LineReader::Next(std::string* line) {
  line->clear();
  too_long_ = false;
  const size_t kept_limit = max_length_ + 1;
  bool cut = false;
  bool extracted = false;
  for (;;) {
    if (start_ == end_ && !Fill()) break;
    extracted = true;
    const char* const from = buffer_.get() + start_;
    const size_t available = end_ - start_;
    const auto* newline =
        found_end_ != nullptr
            ? found_end_
            : static_cast<const char*>(std::memchr(from, '\n', available));
    found_end_ = nullptr;
    const size_t count =
        newline != nullptr ? static_cast<size_t>(newline - from) : available;
    const size_t room = kept_limit - std::min(kept_limit, line->size());
    line->append(from, std::min(count, room));
    if (count > room) cut = true;
    const size_t taken = count + (newline != nullptr ? 1 : 0);
    start_ += taken;
    bytes_read_ += taken;
    if (newline != nullptr) break;
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
