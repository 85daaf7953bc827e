#include "bench/benchmark_main.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace tesvar {
namespace bench {

int RunBenchmarks(int argc, char** argv, RegisterFunction register_all) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

  Corpus sample;
  GeneratedCorpora generated;
  const Status status = BuildCorpora(&sample, &generated);
  if (!status.ok()) {
    std::fprintf(stderr, "%s: %s\n", argv[0], status.ToString().c_str());
    return 1;
  }
  register_all(sample, generated);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace bench
}  // namespace tesvar
