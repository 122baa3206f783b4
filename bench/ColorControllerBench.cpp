// A colour-picker drag: every move is a setColor that merges into one undo
// step. A merged setColor must cost a small multiple of writing the same
// change straight into the renderer (ColorDB::pushColor), and the drag must
// not keep renderer records for the moves it absorbed.

#include "RatioReporter.h"

#include <zsg/color/ColorController.h>
#include <zsg/color/ColorDB.h>
#include <zsg/platform/ZUndoStack.h>

#include <orbmem/MemoryRuntime.h>

#include <benchmark/benchmark.h>

#include <cstdio>

using namespace zsg;

namespace {

constexpr int DragMoves = 10000;

ZColor move(int i)
{
    return ZColor(ZColor::RGB, float(i % 1000) / 1000.0f, 0.5f, 0.25f);
}

struct Scene {
    orb::MemoryRuntime runtime;
    ZUndoStack stack;
    ColorDB db{nullptr, &runtime};
    ColorController controller{&db, nullptr, &stack};
    orb::ColorId id = runtime.createColor("Picked", {0, 0, 0, 1});
};

// One whole drag per iteration; time per move.
void BM_MergedSetColor(benchmark::State& state)
{
    Scene scene;
    std::int64_t recordsAfterFirst = 0;
    std::int64_t recordsAfterDrag = 0;
    for (auto _ : state) {
        scene.stack.clear();
        scene.controller.setColor(scene.id, move(0), ContinueMerge);
        recordsAfterFirst = orb::memoryStats().records;
        for (int i = 1; i < DragMoves; ++i)
            scene.controller.setColor(scene.id, move(i), ContinueMerge);
        recordsAfterDrag = orb::memoryStats().records;
    }
    state.SetItemsProcessed(state.iterations() * DragMoves);
    state.counters["undo_steps"] = scene.stack.count();
    state.counters["records_after_first"] = double(recordsAfterFirst);
    state.counters["records_after_drag"] = double(recordsAfterDrag);
}
BENCHMARK(BM_MergedSetColor)->Unit(benchmark::kMillisecond);

// The lower bound: the same values written through the database without undo.
void BM_PushColor(benchmark::State& state)
{
    Scene scene;
    ZColorExt value = scene.db.colorFromId(scene.id);
    for (auto _ : state) {
        for (int i = 0; i < DragMoves; ++i) {
            value.setColor(0, move(i));
            scene.db.pushColor(value);
        }
    }
    state.SetItemsProcessed(state.iterations() * DragMoves);
}
BENCHMARK(BM_PushColor)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto perMove = [&reporter](const char* name) { return reporter.times[name] / DragMoves; };
    if (reporter.times.count("BM_MergedSetColor") && reporter.times.count("BM_PushColor")) {
        std::printf("merged setColor %.0f ns / pushColor %.0f ns = %.2f\n", perMove("BM_MergedSetColor") * 1e6,
                    perMove("BM_PushColor") * 1e6, perMove("BM_MergedSetColor") / perMove("BM_PushColor"));
    }
    benchmark::Shutdown();
    return 0;
}
