// Copying a weave pattern or a float array shares the storage, so it costs
// the same whatever the size.

#include <zsg/valuetypes/FloatArray.h>
#include <zsg/valuetypes/WeavePattern.h>

#include <benchmark/benchmark.h>

using namespace zsg;

static void BM_WeavePatternCopy(benchmark::State& state)
{
    const int n = int(state.range(0));
    const WeavePattern pattern(n, n, nullptr);
    for (auto _ : state) {
        WeavePattern copy = pattern;
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BM_WeavePatternCopy)->Arg(16)->Arg(4096);

static void BM_FloatArrayCopy(benchmark::State& state)
{
    const FloatArray array(QList<float>(state.range(0), 1.0f));
    for (auto _ : state) {
        FloatArray copy = array;
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BM_FloatArrayCopy)->Arg(256)->Arg(16 << 20);

BENCHMARK_MAIN();
