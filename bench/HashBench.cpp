// hash_variant over large values against a bare loop computing the same fold
// over the same data: the type erasure and the read through getp must cost
// next to nothing beside the fold itself.

#include <zsg/values/Hash.h>
#include <zsg/values/Variant.h>

#include <benchmark/benchmark.h>

#include <bit>
#include <cstdint>
#include <random>
#include <vector>

using namespace zsg;

namespace {

constexpr int FloatCount = 1'000'000;
constexpr int WeaveSize = 1024;

inline std::uint64_t combine(std::uint64_t seed, std::uint64_t h)
{
    return seed ^ (h + 0x9e3779b9u + (seed << 6) + (seed >> 2));
}

inline std::uint64_t floatWord(float f)
{
    return std::bit_cast<std::uint32_t>(f) & 0xFFFFF000u;
}

inline std::uint64_t intWord(std::int32_t i)
{
    return std::uint64_t(std::int64_t(i));
}

const FloatArray& floats()
{
    static const FloatArray array = [] {
        std::mt19937 random(7);
        std::uniform_real_distribution<float> dist(-1000.0f, 1000.0f);
        QList<float> values(FloatCount);
        for (float& f : values)
            f = dist(random);
        return FloatArray(values);
    }();
    return array;
}

const WeavePattern& weave()
{
    static const WeavePattern pattern = [] {
        std::mt19937 random(11);
        std::vector<int> cells(std::size_t(WeaveSize) * WeaveSize);
        for (int& c : cells)
            c = int(random() & 1);
        return WeavePattern(WeaveSize, WeaveSize, cells.data());
    }();
    return pattern;
}

} // namespace

static void BM_HashVariantFloatArray(benchmark::State& state)
{
    const ValueVariant<FloatArray> variant(floats());
    for (auto _ : state)
        benchmark::DoNotOptimize(hash_variant(&variant));
    state.SetItemsProcessed(state.iterations() * FloatCount);
}
BENCHMARK(BM_HashVariantFloatArray)->Unit(benchmark::kMicrosecond);

static void BM_BareFoldFloatArray(benchmark::State& state)
{
    const QList<float>& values = floats().values();
    std::uint64_t result = 0;
    for (auto _ : state) {
        std::uint64_t h = 0;
        for (float f : values)
            h = combine(h, floatWord(f));
        result = combine(15, h);
        benchmark::DoNotOptimize(result);
    }
    const ValueVariant<FloatArray> variant(floats());
    if (result != hash_variant(&variant))
        state.SkipWithError("the bare fold and hash_variant disagree");
    state.SetItemsProcessed(state.iterations() * FloatCount);
}
BENCHMARK(BM_BareFoldFloatArray)->Unit(benchmark::kMicrosecond);

static void BM_HashVariantWeavePattern(benchmark::State& state)
{
    const ValueVariant<WeavePattern> variant(weave());
    for (auto _ : state)
        benchmark::DoNotOptimize(hash_variant(&variant));
    state.SetItemsProcessed(state.iterations() * WeaveSize * WeaveSize);
}
BENCHMARK(BM_HashVariantWeavePattern)->Unit(benchmark::kMicrosecond);

static void BM_BareFoldWeavePattern(benchmark::State& state)
{
    using Yarn = WeavePattern::YarnType;
    const WeavePattern& pattern = weave();
    const orb::WeavePattern& grid = pattern.orbWeavePattern();
    const std::size_t count = std::size_t(grid.warps) * std::size_t(grid.wefts);
    std::uint64_t result = 0;
    for (auto _ : state) {
        std::uint64_t h = floatWord(pattern.tension(Yarn::Warp));
        for (float f : {pattern.tension(Yarn::Weft), pattern.width(Yarn::Warp), pattern.width(Yarn::Weft)})
            h = combine(h, floatWord(f));
        for (std::int32_t i : {std::int32_t(pattern.kind(Yarn::Warp)), std::int32_t(pattern.kind(Yarn::Weft)),
                               grid.warps, grid.wefts})
            h = combine(h, intWord(i));
        for (std::size_t i = 0; i < count; ++i)
            h = combine(h, intWord(grid.cells[i]));
        result = combine(19, h);
        benchmark::DoNotOptimize(result);
    }
    const ValueVariant<WeavePattern> variant(pattern);
    if (result != hash_variant(&variant))
        state.SkipWithError("the bare fold and hash_variant disagree");
    state.SetItemsProcessed(state.iterations() * WeaveSize * WeaveSize);
}
BENCHMARK(BM_BareFoldWeavePattern)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
