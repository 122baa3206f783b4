// ZMaterialApi::descriptor followed by applyDescriptor on a material whose
// key/value list holds 1,000, 10,000 and 100,000 entries, beside a copy of a
// std::map of the same entries: a plainly linear step whose time per entry
// grows the same way with the size, from cache misses alone. Both steps of the
// API are linear in the list length (the list comes sorted, and the map takes
// sorted keys at its end in constant time).
#include <zsg/material/ZMaterialApi.h>

#include <orbmem/MemoryRuntime.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

using namespace zsg;

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

Entries entries(int count)
{
    Entries list;
    for (int i = 0; i < count; ++i) {
        char key[32];
        std::snprintf(key, sizeof key, "CMF::TEXT::KEY%07d", i);
        list.emplace_back(key, "value of the entry");
    }
    return list;
}

void BM_DescriptorAndApply(benchmark::State& state)
{
    const auto count = static_cast<int>(state.range(0));
    orb::MemoryRuntime runtime;
    orb::MaterialContent content;
    content.name = "Bench";
    content.keyValues = entries(count);
    content.metaData = {{"gloss", 0.5}};
    const orb::MaterialId id = runtime.createMaterial(std::move(content));
    ZMaterialApi api(&runtime);

    for (auto _ : state) {
        auto descriptor = api.descriptor(id);
        benchmark::DoNotOptimize(api.applyDescriptor(*descriptor));
    }
    state.SetItemsProcessed(state.iterations() * count);
    state.SetComplexityN(count);
}

void BM_StdMapCopy(benchmark::State& state)
{
    const auto count = static_cast<int>(state.range(0));
    const Entries list = entries(count);
    const std::map<std::string, std::string> map(list.begin(), list.end());
    for (auto _ : state) {
        auto copy = map;
        benchmark::DoNotOptimize(copy);
    }
    state.SetItemsProcessed(state.iterations() * count);
}

} // namespace

BENCHMARK(BM_DescriptorAndApply)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond)->Complexity();
BENCHMARK(BM_StdMapCopy)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
