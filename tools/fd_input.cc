// Waits in poll() on both descriptors, so that a wake-up needs no signal
// handler and no interrupted read.
// Tested by cli_signals_test.cc and, as the input of every run, by the
// other end-to-end tests of the command line.

#include "tools/fd_input.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <ios>
#include <system_error>

namespace tesvar {
namespace cli {

void FdInput::Fail() {
  failed_ = true;
  throw std::ios_base::failure("cannot read the input",
                               std::error_code(errno, std::generic_category()));
}

FdInput::int_type FdInput::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  if (failed_ || woken_) return traits_type::eof();
  for (;;) {
    pollfd fds[2] = {{fd_, POLLIN, 0}, {wake_fd_, POLLIN, 0}};
    if (poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      Fail();
    }
    if (fds[1].revents != 0) {
      woken_ = true;
      return traits_type::eof();
    }
    if (fds[0].revents == 0) continue;
    const ssize_t n = read(fd_, buffer_, sizeof(buffer_));
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n < 0) Fail();
    if (n == 0) return traits_type::eof();
    setg(buffer_, buffer_, buffer_ + n);
    return traits_type::to_int_type(*gptr());
  }
}

std::streamsize FdInput::showmanyc() {
  int available = 0;
  if (ioctl(fd_, FIONREAD, &available) != 0 || available <= 0) return 0;
  return available;
}

}  // namespace cli
}  // namespace tesvar
