// FdInput is a stream buffer that reads a file descriptor (standard input)
// and gives up when a second descriptor becomes readable: a run reading
// from a terminal or a quiet pipe can then stop on a signal instead of
// waiting for the next line. Its in_avail() counts the bytes that can be
// read without waiting, so that a run knows when to flush its answers. A
// failed read throws std::ios_base::failure from underflow(), as the
// standard file buffers do, which the stream turns into badbit.
//
// Use from one thread.

#ifndef TESVAR_TOOLS_FD_INPUT_H_
#define TESVAR_TOOLS_FD_INPUT_H_

#include <streambuf>

namespace tesvar {
namespace cli {

class FdInput : public std::streambuf {
 public:
  // `wake_fd` may be -1 for none. Neither descriptor is owned.
  FdInput(int fd, int wake_fd) : fd_(fd), wake_fd_(wake_fd) {}
  FdInput(const FdInput&) = delete;
  FdInput& operator=(const FdInput&) = delete;

  // True when the input was given up because `wake_fd` became readable.
  bool woken() const { return woken_; }

 protected:
  int_type underflow() override;
  std::streamsize showmanyc() override;

 private:
  static constexpr int kBufferBytes = 1 << 16;

  [[noreturn]] void Fail();

  const int fd_;
  const int wake_fd_;
  bool failed_ = false;
  bool woken_ = false;
  char buffer_[kBufferBytes];
};

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_FD_INPUT_H_
