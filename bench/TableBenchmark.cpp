// The conjugation table: the whole fill of a fresh table, and one cell read.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "conjugation_table/Words.h"
#include "framework/runtime/Array.h"

namespace {

using framework::Array;
using framework::Ref;

// Tables are created a batch at a time with the clock stopped, so only the fill is timed.
void BM_Fill(benchmark::State& state) {
  constexpr std::size_t kBatch = 64;
  std::vector<Ref<Array>> tables;
  std::size_t next = kBatch;
  for (auto _ : state) {
    if (next == kBatch) {
      state.PauseTiming();
      tables.clear();
      for (std::size_t n = 0; n < kBatch; ++n) tables.push_back(conjugation_table::CreateWords());
      next = 0;
      state.ResumeTiming();
    }
    conjugation_table::FillWords(tables[next].get());
    benchmark::DoNotOptimize(tables[next].get());
    ++next;
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * 633);
  state.SetLabel("items = stores");
}
BENCHMARK(BM_Fill);

// One element read of a filled table: cell (0, 0, 0), the first cell shown.
void BM_CellRead(benchmark::State& state) {
  Ref<Array> words = conjugation_table::CreateWords();
  conjugation_table::FillWords(words.get());
  for (auto _ : state) {
    framework::String text = framework::ArrayElementGet(words.get(), 0, 0, 0);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_CellRead);

}  // namespace

BENCHMARK_MAIN();
