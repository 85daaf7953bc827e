// What one top-level call costs the host: CPU time, the peak of the heap
// bytes it holds, the parser's work units, and what it hands back. Heap
// bytes are counted by the counting operator new of allocation_counter.cc,
// which must be linked into the binary.
//
// Measures on the calling thread; one measurement at a time per thread.

#ifndef TESVAR_BENCH_HOSTILE_WORD_COST_H_
#define TESVAR_BENCH_HOSTILE_WORD_COST_H_

#include <cstddef>
#include <cstdint>
#include <string>

#include "tesvar/parser.h"
#include "tesvar/status.h"

namespace tesvar {
namespace bench {

struct WordCost {
  // The least thread CPU time of the runs.
  double cpu_seconds = 0;
  // The most heap bytes live during a call, above what was live before it;
  // the call's scratch and results included.
  int64_t peak_bytes = 0;
  uint64_t work = 0;
  size_t readings = 0;
  size_t suggestions = 0;
  // The bytes of every text of every reading.
  size_t output_bytes = 0;
  Status::Code outcome = Status::Code::kOk;
};

// Parses `word` `runs` times (at least once), each time with a fresh
// scratch and result list, as a host's first call would.
WordCost MeasureWord(const CTesvarParser& parser, const std::string& word,
                     int runs);

// "OK", "too long", "too complex", ...
const char* OutcomeName(Status::Code outcome);

}  // namespace bench
}  // namespace tesvar

#endif  // TESVAR_BENCH_HOSTILE_WORD_COST_H_
