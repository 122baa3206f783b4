// The colour database's id lists and view cache: a list asked for while the
// renderer's revision is unchanged must cost the same however many colours the
// scene holds, against a call that has to refetch; a cached view lookup must
// take constant time.

#include <zsg/color/ColorDB.h>

#include <orbmem/MemoryRuntime.h>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

using namespace zsg;

namespace {

// A scene of `colors` colours (every tenth a multi colour) and `colorways`
// colorways, built through the scene API so that no unique naming runs.
struct Scene {
    Scene(int colors, int colorways)
    {
        orbScene_api* api = orb_get_scene_api(runtime.scene());
        for (int i = 0; i < colors; ++i) {
            const std::string name = "Color " + std::to_string(i);
            api->begin_color(orb::InvalidId);
            api->set_attribute("display_name", 10, name.c_str());
            ids.push_back(api->end_color()->id);
            if (i % 10 == 0)
                db.getColorParameters(ids.back())->setFlag(IColorExtEdit::MultiColorFlag);
        }
        for (const orb::ColorId id : ids)
            db.pushColor(id);
        for (int i = 0; i < colorways; ++i)
            colorwayIds.push_back(db.createColorway());
    }

    // A committed change that moves the colour or the colorway revision.
    void touchColor()
    {
        ZColorExtEdit* view = db.getColorParameters(ids.front());
        view->setColor({float(++tick), 0, 0, 1});
        view->commit(false);
    }
    void touchColorway()
    {
        ZColorwayEdit* view = db.getColorwayParameters(colorwayIds.front());
        view->setDisplayName(std::to_string(++tick));
        view->commit(false);
    }

    orb::MemoryRuntime runtime;
    ColorDB db{nullptr, &runtime};
    std::vector<orb::ColorId> ids;
    std::vector<orb::ColorwayId> colorwayIds;
    int tick = 0;
};

enum class List { Colors, MultiColors, Colorways };

std::size_t fetch(ColorDB& db, List list)
{
    switch (list) {
    case List::Colors: return db.colors().size();
    case List::MultiColors: return db.multiColors().size();
    case List::Colorways: return db.colorways().size();
    }
    return 0;
}

// range(0): colours; colorways are a tenth of them.
template <List list>
void BM_ListUnchanged(benchmark::State& state)
{
    Scene scene(int(state.range(0)), int(state.range(0) / 10));
    fetch(scene.db, list);
    for (auto _ : state)
        benchmark::DoNotOptimize(fetch(scene.db, list));
}

template <List list>
void BM_ListRefetch(benchmark::State& state)
{
    Scene scene(int(state.range(0)), int(state.range(0) / 10));
    for (auto _ : state) {
        state.PauseTiming();
        list == List::Colorways ? scene.touchColorway() : scene.touchColor();
        state.ResumeTiming();
        benchmark::DoNotOptimize(fetch(scene.db, list));
    }
}

void BM_CachedView(benchmark::State& state)
{
    Scene scene(int(state.range(0)), 0);
    for (const orb::ColorId id : scene.ids)
        scene.db.getColorParameters(id);
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(scene.db.getColorParameters(scene.ids[next]));
        next = next + 1 == scene.ids.size() ? 0 : next + 1;
    }
}

} // namespace

BENCHMARK(BM_ListUnchanged<List::Colors>)->Arg(1000)->Arg(10000);
BENCHMARK(BM_ListRefetch<List::Colors>)->Arg(1000)->Arg(10000);
BENCHMARK(BM_ListUnchanged<List::MultiColors>)->Arg(1000)->Arg(10000);
BENCHMARK(BM_ListRefetch<List::MultiColors>)->Arg(1000)->Arg(10000);
BENCHMARK(BM_ListUnchanged<List::Colorways>)->Arg(1000)->Arg(10000);
BENCHMARK(BM_ListRefetch<List::Colorways>)->Arg(1000)->Arg(10000);
BENCHMARK(BM_CachedView)->Arg(1000)->Arg(10000);

BENCHMARK_MAIN();
