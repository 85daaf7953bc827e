// Counts of the heap allocations made through the global operator new by
// the calling thread. allocation_counter.cc replaces the global operator
// new and delete; link it into a benchmark binary only, never into the
// library or the tests.
//
// The counts are per thread, so reading them needs no locks and costs the
// measured code almost nothing; measure a piece of code on one thread by
// taking the difference of two snapshots around it.

#ifndef TESVAR_BENCH_ALLOCATION_COUNTER_H_
#define TESVAR_BENCH_ALLOCATION_COUNTER_H_

#include <cstdint>

namespace tesvar {
namespace bench {

struct AllocationCounts {
  int64_t allocations = 0;  // calls of operator new
  int64_t bytes = 0;        // bytes requested from operator new
  int64_t freed_bytes = 0;  // bytes handed back to operator delete
  // The highest live_bytes() reached since the thread started or since
  // the last ResetThreadPeak.
  int64_t peak_live_bytes = 0;

  int64_t live_bytes() const { return bytes - freed_bytes; }
};

// What the calling thread has allocated and freed since it started.
AllocationCounts ThreadAllocationCounts();

// Starts a new peak: sets the thread's peak_live_bytes to its live_bytes.
void ResetThreadPeak();

// `after` minus `before`, field by field; the peak becomes the rise of the
// peak over the live bytes of `before`.
AllocationCounts operator-(const AllocationCounts& after,
                           const AllocationCounts& before);

}  // namespace bench
}  // namespace tesvar

#endif  // TESVAR_BENCH_ALLOCATION_COUNTER_H_
