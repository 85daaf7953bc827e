// The shared main() of the benchmark programs: builds the corpora once,
// lets the program register its benchmarks over them, and runs them.

#ifndef TESVAR_BENCH_BENCHMARK_MAIN_H_
#define TESVAR_BENCH_BENCHMARK_MAIN_H_

#include "bench/corpus.h"

namespace tesvar {
namespace bench {

using RegisterFunction = void (*)(const Corpus& sample,
                                  const GeneratedCorpora& generated);

// Returns the process's exit status.
int RunBenchmarks(int argc, char** argv, RegisterFunction register_all);

}  // namespace bench
}  // namespace tesvar

#endif  // TESVAR_BENCH_BENCHMARK_MAIN_H_
