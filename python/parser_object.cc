// Design: the parser is const and shared; each call borrows a scratch from
// the pool for the time it runs. parse_many spreads the words over threads
// that take the next word from a shared counter, so one expensive word
// does not hold up a whole share. Only the caller's thread talks to the
// interpreter (it alone has a Python thread state): it checks for signals
// while it parses and, once its own words are done, while it waits for the
// others; a signal stops every thread through one shared flag.
// Tested by tests/test_tesvar.py.

#include "parser_object.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <thread>
#include <utility>

#include "pythread.h"

namespace tesvar::python {
namespace py = pybind11;

std::unique_ptr<ParseScratch> ScratchPool::Take() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!free_.empty()) {
      std::unique_ptr<ParseScratch> scratch = std::move(free_.back());
      free_.pop_back();
      return scratch;
    }
  }
  return std::make_unique<ParseScratch>();
}

void ScratchPool::Give(std::unique_ptr<ParseScratch> scratch) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (free_.size() < kKept) free_.push_back(std::move(scratch));
}

namespace {

// How often a call on the main thread asks for signals. Re-taking the GIL
// can wait for another Python thread's time slice, so not at every
// interrupt check; a Ctrl-C still takes effect within a blink.
constexpr auto kSignalInterval = std::chrono::milliseconds(20);

// Stops the parses of one call. The caller's thread asks the interpreter
// for signals; when a handler raised (KeyboardInterrupt), the exception is
// kept until the call returns and every thread of the call stops.
// Construct and destroy with the GIL held.
class CallStop {
 public:
  explicit CallStop(bool check_signals)
      : check_signals_(check_signals),
        next_check_(std::chrono::steady_clock::now() + kSignalInterval) {}
  CallStop(const CallStop&) = delete;
  CallStop& operator=(const CallStop&) = delete;
  ~CallStop() {
    Py_XDECREF(type_);
    Py_XDECREF(value_);
    Py_XDECREF(traceback_);
  }

  bool stopped() const { return stopped_.load(std::memory_order_relaxed); }

  // On the caller's thread, without the GIL: true once a signal handler
  // raised. Asks the interpreter at most once per kSignalInterval.
  bool CheckSignals() {
    if (!check_signals_ || stopped()) return stopped();
    const auto now = std::chrono::steady_clock::now();
    if (now < next_check_) return false;
    next_check_ = now + kSignalInterval;
    py::gil_scoped_acquire gil;
    if (PyErr_CheckSignals() == 0) return false;
    PyErr_Fetch(&type_, &value_, &traceback_);
    stopped_.store(true, std::memory_order_relaxed);
    return true;
  }

  // With the GIL held: raises the handler's exception, if there was one.
  void RaiseIfSignalled() {
    if (type_ == nullptr) return;
    PyErr_Restore(type_, value_, traceback_);
    type_ = value_ = traceback_ = nullptr;
    throw py::error_already_set();
  }

 private:
  const bool check_signals_;
  std::chrono::steady_clock::time_point next_check_;
  std::atomic<bool> stopped_{false};
  PyObject* type_ = nullptr;
  PyObject* value_ = nullptr;
  PyObject* traceback_ = nullptr;
};

// The interrupt of one thread of a call.
class CallInterrupt final : public ParseInterrupt {
 public:
  CallInterrupt(CallStop* stop, bool caller) : stop_(stop), caller_(caller) {}
  bool StopRequested() override {
    return caller_ ? stop_->CheckSignals() : stop_->stopped();
  }

 private:
  CallStop* stop_;
  bool caller_;
};

// Counts the helper threads that are done, so that the caller can wait for
// them while it keeps checking for signals.
class DoneCount {
 public:
  void Add() {
    std::lock_guard<std::mutex> lock(mutex_);
    ++done_;
    changed_.notify_all();
  }
  // Waits until `count` are done, calling check() every kSignalInterval.
  template <typename Check>
  void WaitFor(size_t count, Check check) {
    std::unique_lock<std::mutex> lock(mutex_);
    while (done_ < count) {
      if (changed_.wait_for(lock, kSignalInterval) == std::cv_status::timeout) {
        lock.unlock();
        check();
        lock.lock();
      }
    }
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  size_t done_ = 0;
};

}  // namespace

ParserObject::ParserObject(std::shared_ptr<const CLexicon> lexicon,
                           const ParseLimits& limits)
    : lexicon_(std::move(lexicon)),
      parser_(lexicon_.get(), limits),
      main_thread_(py::module_::import("threading")
                       .attr("main_thread")()
                       .attr("ident")
                       .cast<unsigned long>()) {}

WordOutcome ParserObject::Parse(std::string word) {
  CallStop stop(PyThread_get_thread_ident() == main_thread_);
  WordOutcome outcome;
  {
    py::gil_scoped_release release;
    CallInterrupt interrupt(&stop, /*caller=*/true);
    std::unique_ptr<ParseScratch> scratch = pool_.Take();
    outcome.status =
        parser_.Parse(word, &outcome.results, scratch.get(), &interrupt);
    pool_.Give(std::move(scratch));
  }
  stop.RaiseIfSignalled();
  return outcome;
}

std::vector<WordOutcome> ParserObject::ParseMany(
    const std::vector<std::string>& words, size_t threads) {
  std::vector<WordOutcome> outcomes(words.size());
  if (words.empty()) return outcomes;
  const size_t helpers = std::min(threads, words.size()) - 1;
  CallStop stop(PyThread_get_thread_ident() == main_thread_);
  std::vector<std::exception_ptr> failures(helpers + 1);
  {
    py::gil_scoped_release release;
    std::atomic<size_t> next{0};
    DoneCount done;
    const auto work = [&](size_t thread) {
      try {
        CallInterrupt interrupt(&stop, /*caller=*/thread == 0);
        std::unique_ptr<ParseScratch> scratch = pool_.Take();
        for (size_t i; !stop.stopped() && (i = next++) < words.size();) {
          WordOutcome& outcome = outcomes[i];
          outcome.status = parser_.Parse(words[i], &outcome.results,
                                         scratch.get(), &interrupt);
        }
        pool_.Give(std::move(scratch));
      } catch (...) {
        failures[thread] = std::current_exception();
        next = words.size();  // the others stop after their current word
      }
    };
    std::vector<std::thread> pool;
    pool.reserve(helpers);
    try {
      for (size_t t = 1; t <= helpers; ++t) {
        pool.emplace_back([&, t] {
          work(t);
          done.Add();
        });
      }
    } catch (...) {
      failures[0] = std::current_exception();
      next = words.size();
    }
    if (failures[0] == nullptr) work(0);
    done.WaitFor(pool.size(), [&] { stop.CheckSignals(); });
    for (std::thread& thread : pool) thread.join();
  }
  for (const std::exception_ptr& failure : failures) {
    if (failure != nullptr) std::rethrow_exception(failure);
  }
  stop.RaiseIfSignalled();
  return outcomes;
}

}  // namespace tesvar::python
