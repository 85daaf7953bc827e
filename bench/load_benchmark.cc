// Loading and memory costs, measured with the counting operator new of
// allocation_counter.cc:
//
//   LoadLexicon/<entries>       time to load the TSV text of a generated
//                               lexicon (entries/s, bytes/s); as counters,
//                               the heap the loaded lexicon keeps and the
//                               peak during the load, against the size of
//                               the text
//   LoadLexiconChecked/<entries>  the same with the entries checked for
//                               likely mistakes (warnings listed)
//   ParseAllocations/<lexicon>  heap allocations and bytes per parsed word
//                               over the mixed word list (one iteration is
//                               the whole list), after one pass over the
//                               list has warmed the parser up

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/allocation_counter.h"
#include "bench/benchmark_main.h"
#include "bench/corpus.h"
#include "tesvar/lexicon_tsv.h"
#include "tesvar/parser.h"

namespace tesvar {
namespace bench {
namespace {

constexpr char kSourceName[] = "bench.tsv";

// `warnings` is null for a plain load, or the list a checked load fills.
void LoadLexicon(benchmark::State& state, const std::string& tsv,
                 std::vector<LexiconWarning>* warnings) {
  CLexicon lexicon;
  for (auto _ : state) {
    // Freeing the previous lexicon is not part of loading.
    state.PauseTiming();
    lexicon = CLexicon();
    state.ResumeTiming();
    const Status status =
        ParseLexiconTsv(tsv, kSourceName, &lexicon, {}, warnings);
    if (!status.ok()) {
      state.SkipWithError(status.ToString().c_str());
      return;
    }
  }
  const double entries = static_cast<double>(lexicon.size());
  state.SetItemsProcessed(state.iterations() *
                          static_cast<int64_t>(lexicon.size()));
  state.SetBytesProcessed(state.iterations() *
                          static_cast<int64_t>(tsv.size()));

  // Memory is measured on one more load of its own, with the lexicon of the
  // timed loop already freed.
  lexicon = CLexicon();
  ResetThreadPeak();
  const AllocationCounts before = ThreadAllocationCounts();
  CLexicon measured;
  const Status status =
      ParseLexiconTsv(tsv, kSourceName, &measured, {}, warnings);
  const AllocationCounts load = ThreadAllocationCounts() - before;
  if (!status.ok()) return;
  const double tsv_bytes = static_cast<double>(tsv.size());
  const double kept = static_cast<double>(load.live_bytes());
  state.counters["tsv_bytes"] = tsv_bytes;
  state.counters["lexicon_bytes"] = kept;
  state.counters["lexicon_per_tsv_byte"] = kept / tsv_bytes;
  state.counters["bytes_per_entry"] = kept / entries;
  state.counters["load_peak_bytes"] = static_cast<double>(load.peak_live_bytes);
  state.counters["allocations_per_entry"] =
      static_cast<double>(load.allocations) / entries;
}

void ParseAllocations(benchmark::State& state, const Corpus& corpus) {
  CTesvarParser parser(&corpus.lexicon);
  ParseResults results;
  for (const std::string& word : corpus.words) {
    results.clear();
    parser.ParseWord(word, results);
  }
  const AllocationCounts before = ThreadAllocationCounts();
  for (auto _ : state) {
    for (const std::string& word : corpus.words) {
      results.clear();
      parser.ParseWord(word, results);
    }
  }
  const AllocationCounts used = ThreadAllocationCounts() - before;
  const double words = static_cast<double>(state.iterations()) *
                       static_cast<double>(corpus.words.size());
  state.SetItemsProcessed(static_cast<int64_t>(words));
  state.counters["allocations_per_word"] =
      static_cast<double>(used.allocations) / words;
  state.counters["bytes_per_word"] = static_cast<double>(used.bytes) / words;
}

void RegisterAll(const Corpus& sample, const GeneratedCorpora& generated) {
  benchmark::internal::Benchmark* load = benchmark::RegisterBenchmark(
      "LoadLexicon", [&generated](benchmark::State& state) {
        LoadLexicon(state, generated.at(state.range(0)).tsv, nullptr);
      });
  for (const int64_t size : kLexiconSizes) load->Arg(size);
  load->Unit(benchmark::kMillisecond);
  benchmark::internal::Benchmark* checked = benchmark::RegisterBenchmark(
      "LoadLexiconChecked", [&generated](benchmark::State& state) {
        std::vector<LexiconWarning> warnings;
        LoadLexicon(state, generated.at(state.range(0)).tsv, &warnings);
        state.counters["warnings"] = static_cast<double>(warnings.size());
      });
  for (const int64_t size : kLexiconSizes) checked->Arg(size);
  checked->Unit(benchmark::kMillisecond);

  benchmark::RegisterBenchmark(
      "ParseAllocations/sample",
      [&sample](benchmark::State& state) { ParseAllocations(state, sample); });
  benchmark::internal::Benchmark* parse = benchmark::RegisterBenchmark(
      "ParseAllocations", [&generated](benchmark::State& state) {
        ParseAllocations(state, generated.at(state.range(0)));
      });
  for (const int64_t size : kLexiconSizes) parse->Arg(size);
}

}  // namespace
}  // namespace bench
}  // namespace tesvar

int main(int argc, char** argv) {
  return tesvar::bench::RunBenchmarks(argc, argv, tesvar::bench::RegisterAll);
}
