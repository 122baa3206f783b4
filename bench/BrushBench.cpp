// A new brush against its lower bound: building the same nine nodes through
// the scene API alone. The difference is the brush's collection of the graph
// and its 32 described parameters.

#include "RatioReporter.h"

#include <zsg/paint/ZPainterBrush.h>

#include <orbmem/MemoryRuntime.h>

#include <benchmark/benchmark.h>

#include <cstdio>

using namespace zsg;

namespace {

// Nodes live as long as the scene: a fixed count of runs bounds its growth.
constexpr int Runs = 20000;

void BM_GraphOnly(benchmark::State& state)
{
    orb::MemoryRuntime runtime;
    for (auto _ : state)
        benchmark::DoNotOptimize(ZPainterBrush::createDefaultGraph(&runtime, 20));
}

void BM_CreateBrush(benchmark::State& state)
{
    orb::MemoryRuntime runtime;
    for (auto _ : state) {
        ZPainterBrush brush(ZPainterBrush::createDefaultGraph(&runtime, 20), &runtime, 1);
        benchmark::DoNotOptimize(&brush);
    }
}

BENCHMARK(BM_GraphOnly)->Iterations(Runs);
BENCHMARK(BM_CreateBrush)->Iterations(Runs);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double graph = reporter.times["BM_GraphOnly/iterations:20000"];
    const double brush = reporter.times["BM_CreateBrush/iterations:20000"];
    std::printf("createBrush / nine nodes through the scene API = %.2f\n", graph > 0 ? brush / graph : 0.0);
    benchmark::Shutdown();
}
