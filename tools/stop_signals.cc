// The signals are taken with sigwait() on a thread of their own rather
// than by a handler: nothing then runs in signal context, and the run
// learns of the signal through an atomic and a pipe that wakes a poll()
// on the input, instead of through interrupted system calls that the
// standard streams retry. If the waiting thread cannot be started, the
// signals keep their default action.
// Tested by cli_signals_test.cc.

#include "tools/stop_signals.h"

#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <system_error>
#include <thread>

namespace tesvar {
namespace cli {

struct StopSignals::State {
  std::atomic<int> signal{0};
  int wake_read = -1;
  int wake_write = -1;
  sigset_t waited;
};

namespace {

constexpr int kStopSignals[] = {SIGINT, SIGTERM};

bool Ignored(int signo) {
  struct sigaction action;
  return sigaction(signo, nullptr, &action) == 0 &&
         action.sa_handler == SIG_IGN;
}

void Wait(const std::shared_ptr<StopSignals::State>& state) {
  int signo = 0;
  while (sigwait(&state->waited, &signo) != 0) {
  }
  state->signal.store(signo);
  const char byte = 1;
  while (write(state->wake_write, &byte, 1) < 0 && errno == EINTR) {
  }
}

}  // namespace

StopSignals::StopSignals() : state_(std::make_shared<State>()) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return;
  state_->wake_read = fds[0];
  state_->wake_write = fds[1];
  sigemptyset(&state_->waited);
  for (const int signo : kStopSignals) {
    if (!Ignored(signo)) sigaddset(&state_->waited, signo);
  }
  sigset_t old_mask;
  pthread_sigmask(SIG_BLOCK, &state_->waited, &old_mask);
  try {
    std::thread(Wait, state_).detach();
  } catch (const std::system_error&) {
    pthread_sigmask(SIG_SETMASK, &old_mask, nullptr);
  }
}

int StopSignals::signal() const { return state_->signal.load(); }

int StopSignals::wake_fd() const { return state_->wake_read; }

void StopSignals::EndBySignal() const {
  const int signo = signal();
  std::signal(signo, SIG_DFL);
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, signo);
  pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
  raise(signo);
  // Only if the signal did not end the process after all.
  std::_Exit(128 + signo);
}

}  // namespace cli
}  // namespace tesvar
