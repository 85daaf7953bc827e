// StopSignals turns SIGINT and SIGTERM into a request that a run checks
// between answers, so that the run can end with every answer written
// whole: the signals are blocked in the calling thread (and so in every
// thread it starts afterwards) and a thread of its own waits for them.
// A signal that the parent set to be ignored (nohup, a background job)
// stays ignored.
//
// Create one before starting any other thread. requested() and wake_fd()
// may be used from any thread.

#ifndef TESVAR_TOOLS_STOP_SIGNALS_H_
#define TESVAR_TOOLS_STOP_SIGNALS_H_

#include <atomic>
#include <memory>

namespace tesvar {
namespace cli {

class StopSignals {
 public:
  StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;
  // The waiting thread outlives the object; it only touches shared state.
  ~StopSignals() = default;

  // The number of the first signal that arrived, or 0.
  int signal() const;
  bool requested() const { return signal() != 0; }

  // A descriptor that becomes readable when a signal arrives, for poll().
  int wake_fd() const;

  // Ends the process by the signal that arrived, as its default action
  // would, so that the parent sees which one.
  // REQUIRES: requested().
  [[noreturn]] void EndBySignal() const;

  struct State;

 private:
  std::shared_ptr<State> state_;
};

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_STOP_SIGNALS_H_
