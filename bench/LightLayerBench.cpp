// The light layer walks over hierarchies of 100,000 and 1,000,000 objects in
// nested groups, each against its lower bound: a bare traversal of the same
// hierarchy through the same renderer calls, with no result, set or sort.
// Peak heap bytes during a walk show whether memory grows linearly.
// setItemsLayer of 100,000 objects, by the API and through the controller,
// gives the cost per item.

#include "RatioReporter.h"

#include <zsg/lightlayer/ZLightLayerApi.h>
#include <zsg/lightlayer/ZLightLayerController.h>
#include <zsg/platform/ZUndoStack.h>

#include <orbmem/MemoryRuntime.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <new>

namespace {
std::atomic<std::int64_t> g_liveBytes{0};
std::atomic<std::int64_t> g_peakBytes{0};
} // namespace

// Heap accounting for the peak-memory counters: every block carries its size
// in a header of the block's alignment.
namespace {
void* allocate(std::size_t size, std::size_t alignment)
{
    alignment = std::max(alignment, alignof(std::max_align_t));
    auto* base = static_cast<char*>(std::aligned_alloc(alignment, (size + 2 * alignment - 1) / alignment * alignment));
    if (!base)
        throw std::bad_alloc();
    *reinterpret_cast<std::size_t*>(base) = size;
    *reinterpret_cast<std::size_t*>(base + alignment - sizeof(std::size_t)) = alignment;
    const std::int64_t live = g_liveBytes += static_cast<std::int64_t>(size);
    for (std::int64_t peak = g_peakBytes; live > peak && !g_peakBytes.compare_exchange_weak(peak, live);) {
    }
    return base + alignment;
}

void release(void* p) noexcept
{
    if (!p)
        return;
    auto* block = static_cast<char*>(p);
    const std::size_t alignment = *reinterpret_cast<std::size_t*>(block - sizeof(std::size_t));
    char* base = block - alignment;
    g_liveBytes -= static_cast<std::int64_t>(*reinterpret_cast<std::size_t*>(base));
    std::free(base);
}
} // namespace

void* operator new(std::size_t size) { return allocate(size, 0); }
void* operator new(std::size_t size, std::align_val_t alignment) { return allocate(size, std::size_t(alignment)); }
void operator delete(void* p) noexcept { release(p); }
void operator delete(void* p, std::size_t) noexcept { release(p); }
void operator delete(void* p, std::align_val_t) noexcept { release(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { release(p); }

using namespace zsg;

namespace {

constexpr int Fanout = 100;
constexpr int Layers = 8;

// root -> n/10,000 groups -> 100 groups each -> 100 objects each; object i
// is in layer 2 + i % 8.
struct Scene {
    explicit Scene(int objects)
    {
        for (orb::LightLayerId i = 0; i < Layers; ++i)
            live.create_layer("Layer", orb::InvalidId);
        int made = 0;
        while (made < objects) {
            const orb::GroupItemId outer = runtime.addGroup(runtime.hierarchyRoot());
            for (int g = 0; g < Fanout && made < objects; ++g) {
                const orb::GroupItemId group = runtime.addGroup(outer);
                for (int o = 0; o < Fanout && made < objects; ++o, ++made) {
                    const orb::GroupItemId object = runtime.addObject(group);
                    runtime.setObjectMask(object, live.layer_bitmask(2 + made % Layers));
                    objectIds.push_back(object);
                }
            }
        }
        api.sync();
    }

    orb::MemoryRuntime runtime;
    orbLight_layer_db& live = *orb_light_layer_db_get(runtime.scene());
    ZLightLayerApi api{nullptr, &runtime};
    std::vector<orb::GroupItemId> objectIds;
    const orb::GroupItemId root = runtime.hierarchyRoot();
};

Scene& scene(int objects)
{
    static std::map<int, std::unique_ptr<Scene>> scenes;
    auto& entry = scenes[objects];
    if (!entry)
        entry = std::make_unique<Scene>(objects);
    return *entry;
}

// The bare traversals: the walks' renderer calls and nothing else.
std::uint32_t readMask(const orbObject& object)
{
    std::uint32_t mask = 0;
    object.read_data(orbObject::LightLayerMaskDatum, &mask, sizeof mask);
    return mask;
}

bool shaderOptsOut(const orbObject& object)
{
    return object.shader && orb_call_info_shader(object.shader, orb::ShaderInfoLightLayer);
}

std::uint64_t bareItems(const orbGroup_item* item, std::uint32_t layerMask)
{
    if (item->kind == orbGroup_item::Group) {
        std::uint64_t found = 0;
        if (!(item->group->flags & 0x800))
            for (const orbGroup_child* cell = item->group->children; cell; cell = cell->next)
                found += bareItems(cell->item, layerMask);
        return found;
    }
    const orbObject& object = *item->object;
    return !(object.light_flags & orbObject::ExcludedBit) && readMask(object) == layerMask && !shaderOptsOut(object);
}

std::uint64_t bareLayersOf(orbScene* scene, const orbLight_layer_db& db, orb::GroupItemId id)
{
    const orbGroup_item* item = orb_group_item_from_id(scene, id);
    if (item->kind == orbGroup_item::Object)
        return shaderOptsOut(*item->object) ? 0 : std::uint64_t{1} << db.layer_id_from_mask(readMask(*item->object));
    std::uint64_t layers = 0;
    for (const orbGroup_child* cell = item->group->children; cell; cell = cell->next) {
        const orbGroup_item* child = cell->item;
        layers |= bareLayersOf(scene, db,
                               child->kind == orbGroup_item::Object ? child->object->group_item_id
                                                                    : child->group->group_item_id);
    }
    return layers;
}

std::uint64_t bareIdMap(const orbGroup_item* item, const orbLight_layer_db& db)
{
    if (item->kind == orbGroup_item::Group) {
        std::uint64_t sum = 0;
        if (!(item->group->flags & 0x4084800))
            for (const orbGroup_child* cell = item->group->children; cell; cell = cell->next)
                sum += bareIdMap(cell->item, db);
        return sum;
    }
    return item->object->light_flags & orbObject::ExcludedBit ? 0 : db.layer_id_from_mask(readMask(*item->object));
}

// Runs `walk` and reports the heap's peak above its level at the start.
template <typename Walk>
void measure(benchmark::State& state, Walk walk)
{
    std::int64_t peak = 0;
    for (auto _ : state) {
        g_peakBytes = g_liveBytes.load();
        const std::int64_t base = g_liveBytes;
        benchmark::DoNotOptimize(walk());
        peak = std::max(peak, g_peakBytes - base);
    }
    state.counters["peak_bytes"] = static_cast<double>(peak);
    state.counters["per_object_ns"] = benchmark::Counter(static_cast<double>(state.range(0)),
                                                         benchmark::Counter::kIsIterationInvariantRate |
                                                             benchmark::Counter::kInvert);
}

void BM_GetLayerItems(benchmark::State& state)
{
    Scene& s = scene(int(state.range(0)));
    measure(state, [&] { return s.api.getLayerItems(2).size(); });
}

void BM_BareLayerItems(benchmark::State& state)
{
    Scene& s = scene(int(state.range(0)));
    const std::uint32_t mask = s.live.layer_bitmask(2);
    measure(state, [&] { return bareItems(orb_scene_hierarchy_get(s.runtime.scene())->root, mask); });
}

void BM_LayersOfItems(benchmark::State& state)
{
    Scene& s = scene(int(state.range(0)));
    measure(state, [&] { return s.api.layersOfItems({&s.root, 1}).size(); });
}

void BM_BareLayersOfItems(benchmark::State& state)
{
    Scene& s = scene(int(state.range(0)));
    measure(state, [&] { return bareLayersOf(s.runtime.scene(), s.live, s.root); });
}

void BM_GetLayerIdMap(benchmark::State& state)
{
    Scene& s = scene(int(state.range(0)));
    measure(state, [&] { return s.api.getLayerIdMap({&s.root, 1}).size(); });
}

void BM_BareLayerIdMap(benchmark::State& state)
{
    Scene& s = scene(int(state.range(0)));
    const orbLight_layer_db* mirror = &s.live;  // the same database content as the API's mirror
    measure(state, [&] {
        return bareIdMap(orb_group_item_from_id(s.runtime.scene(), s.root), *mirror);
    });
}

// range(0): items, given one by one (every object of the scene).
void BM_SetItemsLayerApi(benchmark::State& state)
{
    Scene& s = scene(int(state.range(0)));
    orb::LightLayerId layer = 2;
    for (auto _ : state) {
        s.api.setItemsLayer(layer, {s.objectIds.data(), s.objectIds.size()});
        layer = layer == 2 ? 3 : 2;
    }
    state.counters["per_item_ns"] = benchmark::Counter(static_cast<double>(state.range(0)),
                                                       benchmark::Counter::kIsIterationInvariantRate |
                                                           benchmark::Counter::kInvert);
}

void BM_SetItemsLayerUndoable(benchmark::State& state)
{
    Scene& s = scene(int(state.range(0)));
    ZUndoStack stack;
    ZLightLayerController controller(&s.api, &stack);
    orb::LightLayerId layer = 2;
    for (auto _ : state) {
        controller.setItemsLayer(layer, {s.objectIds.data(), s.objectIds.size()});
        layer = layer == 2 ? 3 : 2;
        state.PauseTiming();
        stack.clear();
        state.ResumeTiming();
    }
    state.counters["per_item_ns"] = benchmark::Counter(static_cast<double>(state.range(0)),
                                                       benchmark::Counter::kIsIterationInvariantRate |
                                                           benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(BM_GetLayerItems)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareLayerItems)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayersOfItems)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareLayersOfItems)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetLayerIdMap)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareLayerIdMap)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetItemsLayerApi)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetItemsLayerUndoable)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto& t = reporter.times;
    const std::pair<const char*, const char*> walks[] = {
        {"BM_GetLayerItems", "BM_BareLayerItems"},
        {"BM_LayersOfItems", "BM_BareLayersOfItems"},
        {"BM_GetLayerIdMap", "BM_BareLayerIdMap"},
    };
    for (const auto& [walk, bare] : walks) {
        const std::string big = std::string(walk) + "/1000000";
        const std::string small = std::string(walk) + "/100000";
        const std::string lower = std::string(bare) + "/1000000";
        if (t.count(big) && t.count(lower) && t.count(small))
            std::printf("%s: 1M %.1f ms / bare %.1f ms = %.2f; 1M / 100k time = %.1f\n", walk, t[big], t[lower],
                        t[big] / t[lower], t[big] / t[small]);
    }
    benchmark::Shutdown();
    return 0;
}
