// The colour list model over 10,000 colours. A visible page (40 rows, name and
// swatch) costs at most twice what a QStandardItemModel holding the same rows
// costs (goal: <= 2x), and adding one colour with 10,000 present costs the
// model no more than with 100: the library's own push is the part that grows,
// shown by the same runs without a model.

#include "RatioReporter.h"

#include <zsg/color/IColorDB.h>
#include <zsg/platform/ZTaskQueue.h>
#include <zsg/platform/ZUndoStack.h>
#include <zsg/scenegraph/ISceneGraph.h>
#include <zsg/widgets/ColorListModel.h>

#include <orbmem/MemoryRuntime.h>
#include <orbmem/MemorySceneMaterialManager.h>

#include <QApplication>
#include <QStandardItemModel>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

using namespace zsg;

namespace {

constexpr int Page = 40;

struct Scene {
    explicit Scene(int colors)
    {
        for (int i = 0; i < colors; ++i)
            runtime.createColor("Colour " + std::to_string(i), {float(i % 256) / 255, 0.5f, 0.25f, 1});
        graph = ISceneGraph::create({&runtime, nullptr, &materials, &tasks, &undo});
    }
    orb::MemoryRuntime runtime;
    ZTaskQueue tasks;
    ZUndoStack undo;
    orb::MemorySceneMaterialManager materials{runtime, &undo};
    std::unique_ptr<ISceneGraph> graph;
};

// Pages one after another through the whole list, as a view scrolling down and round again.
void readPages(benchmark::State& state, QAbstractItemModel& model)
{
    const int rows = model.rowCount();
    int first = 0;
    for (auto _ : state) {
        for (int row = first; row < first + Page; ++row) {
            const QModelIndex index = model.index(row, 0);
            benchmark::DoNotOptimize(model.data(index, Qt::DisplayRole));
            benchmark::DoNotOptimize(model.data(index, Qt::DecorationRole));
        }
        first = (first + Page) % (rows - Page);
    }
}

void BM_PageColorListModel(benchmark::State& state)
{
    Scene scene(int(state.range(0)));
    ColorListModel model(scene.graph.get(), ColorListModel::PlainColors);
    readPages(state, model);
}
BENCHMARK(BM_PageColorListModel)->Arg(10000)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_PageStandardItemModel(benchmark::State& state)
{
    Scene scene(int(state.range(0)));
    ColorListModel source(scene.graph.get(), ColorListModel::PlainColors);
    QStandardItemModel model;
    for (int row = 0; row < source.rowCount(); ++row) {
        const QModelIndex index = source.index(row);
        auto* item = new QStandardItem(index.data().toString());
        item->setData(index.data(Qt::DecorationRole), Qt::DecorationRole);
        model.appendRow(item);
    }
    readPages(state, model);
}
BENCHMARK(BM_PageStandardItemModel)->Arg(10000)->Unit(benchmark::kMicrosecond)->UseRealTime();

// One new colour pushed through the database per iteration, with or without a model listening.
void addColors(benchmark::State& state, bool withModel)
{
    Scene scene(int(state.range(0)));
    std::unique_ptr<ColorListModel> model;
    if (withModel)
        model = std::make_unique<ColorListModel>(scene.graph.get(), ColorListModel::PlainColors);
    int n = 0;
    for (auto _ : state) {
        ZColorExt value;
        value.setColors({{ZColor(ZColor::RGB, 0.5, 0.5, 0.5, 0, 1, "Added"), orb::InvalidId}});
        value.setColorName("Added " + std::to_string(n++));
        scene.graph->colorDB()->pushColor(value);
    }
}
void BM_AddColor(benchmark::State& state) { addColors(state, true); }
void BM_AddColorWithoutModel(benchmark::State& state) { addColors(state, false); }
BENCHMARK(BM_AddColor)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond)->Iterations(200)->UseRealTime();
BENCHMARK(BM_AddColorWithoutModel)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond)->Iterations(200)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto& t = reporter.times;
    reporter.printRatio("BM_PageColorListModel/10000/real_time", "BM_PageStandardItemModel/10000/real_time");
    reporter.printRatio("BM_AddColor/10000/iterations:200/real_time", "BM_AddColor/100/iterations:200/real_time");
    reporter.printRatio("BM_AddColorWithoutModel/10000/iterations:200/real_time", "BM_AddColorWithoutModel/100/iterations:200/real_time");
    // What the model adds to one push: the same at 100 and at 10,000 colours.
    for (const char* n : {"100", "10000"}) {
        const std::string with = std::string("BM_AddColor/") + n + "/iterations:200/real_time";
        const std::string without = std::string("BM_AddColorWithoutModel/") + n + "/iterations:200/real_time";
        if (t.count(with) && t.count(without))
            std::printf("model's share of an add at %s colours: %.1f us\n", n, t[with] - t[without]);
    }
    benchmark::Shutdown();
    return 0;
}
