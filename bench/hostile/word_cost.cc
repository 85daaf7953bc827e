#include "bench/hostile/word_cost.h"

#include <time.h>

#include <algorithm>

#include "bench/allocation_counter.h"

namespace tesvar {
namespace bench {

namespace {

// CPU time of the calling thread: other processes on a shared machine
// slow it down far less than they do wall time.
double ThreadCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) +
         1e-9 * static_cast<double>(now.tv_nsec);
}

size_t TextBytes(const StringList& texts) {
  size_t bytes = 0;
  for (const std::string& text : texts) bytes += text.size();
  return bytes;
}

void Describe(const ParseResults& results, WordCost* cost) {
  cost->readings = results.size();
  cost->suggestions = 0;
  cost->output_bytes = 0;
  for (const CParseResult& r : results) {
    cost->suggestions += r.m_lstSuggestions.size();
    cost->output_bytes += r.m_strPOS.size() + r.m_strWord.size() +
                          r.m_strKey.size() + r.m_strAnalysis.size() +
                          r.m_strNative.size() + TextBytes(r.m_lstErrors) +
                          TextBytes(r.m_lstSuggestions);
  }
}

}  // namespace

WordCost MeasureWord(const CTesvarParser& parser, const std::string& word,
                     int runs) {
  WordCost cost;
  for (int run = 0; run < std::max(runs, 1); ++run) {
    const AllocationCounts before = ThreadAllocationCounts();
    ResetThreadPeak();
    double seconds = 0;
    {
      ParseScratch scratch;
      ParseResults results;
      const double start = ThreadCpuSeconds();
      const Status status = parser.Parse(word, &results, &scratch);
      seconds = ThreadCpuSeconds() - start;
      cost.outcome = status.code();
      cost.work = scratch.last_work();
      Describe(results, &cost);
    }
    const int64_t peak = (ThreadAllocationCounts() - before).peak_live_bytes;
    cost.peak_bytes = std::max(cost.peak_bytes, peak);
    cost.cpu_seconds = run == 0 ? seconds : std::min(cost.cpu_seconds, seconds);
  }
  return cost;
}

const char* OutcomeName(Status::Code outcome) {
  switch (outcome) {
    case Status::Code::kOk:
      return "OK";
    case Status::Code::kWordTooLong:
      return "too long";
    case Status::Code::kWordTooComplex:
      return "too complex";
    case Status::Code::kCancelled:
      return "cancelled";
    case Status::Code::kOutOfMemory:
      return "out of memory";
    case Status::Code::kInvalidInput:
    case Status::Code::kIoError:
      break;
  }
  return "error";
}

}  // namespace bench
}  // namespace tesvar
