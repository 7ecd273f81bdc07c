#include "largeestimate.h"

#include "storage/estimatefile.h"
#include "storage/recovery.h"

#include <benchmark/benchmark.h>

namespace {

// What the window's thread does before a recovery file is written: the estimate's records taken
// from the document (state.range(0) lines). The encoding and the write run on another thread.
void RecoverySnapshot(benchmark::State &state)
{
    EstimateDocument doc;
    buildLargeEstimate(doc, int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(estimatefile::records(doc));
}
BENCHMARK(RecoverySnapshot)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The writer thread's part: the records encoded as the recovery file holds them.
void RecoveryContent(benchmark::State &state)
{
    EstimateDocument doc;
    buildLargeEstimate(doc, int(state.range(0)));
    const QStringList records = estimatefile::records(doc);
    for (auto _ : state)
        benchmark::DoNotOptimize(recovery::content(u"/tmp/large.kas"_qs, records));
}
BENCHMARK(RecoveryContent)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace
