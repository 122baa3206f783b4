// The render thread runs layer tasks while the main thread keeps editing and
// renaming. Run under ThreadSanitizer in CI.
//
// Names reach the renderer at once, at an index taken from the list, while adds
// and moves reach it later; a rename with an add or move still queued may name
// the wrong renderer layer. The test waits for queued adds and moves before a
// rename (as a host must) and asserts only what then holds: once the queue has
// drained, the renderer's layers equal the list.

#include "paint/PaintTestSupport.h"

#include <zsg/color/ScopedRTApiLock.h>
#include <zsg/paint/ZPainterBrush.h>

#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <thread>

using namespace zsg;

TEST(PaintThreads, RendererMatchesTheListAfterConcurrentEditing)
{
    test::PaintScene scene({"canvas", 512, false, test::layersFrom({"1 A", "2 B", "3 C"}), 0});
    scene.runtime.setPaintWorkTime(std::chrono::microseconds(20));  // let tasks pile up
    ZPaintSurface& surface = scene.surface;
    std::mt19937 random(7);
    bool reordered = false;  // an add or move may still be queued
    for (int step = 0; step < 400; ++step) {
        const auto n = std::uint32_t(surface.layers().size());
        const std::uint32_t i = random() % n;
        switch (random() % 8) {
        case 0: surface.addLayer(int(random() % (n + 1))), reordered = true; break;
        case 1: surface.moveLayer(i, random() % n), reordered = true; break;
        case 2:
            if (std::exchange(reordered, false))
                scene.tasks.waitForIdle();
            surface.setLayerName(i, QStringLiteral("Name %1").arg(step));
            break;
        case 3: surface.setLayerBlend(i, orb::ColorBlendMode(random() % 4)); break;
        case 4: surface.setLayerVisibility(i, random() % 2); break;
        case 5: surface.setLayerBackgroundColor(i, {float(step), 0, 0, 1}, random() % 2); break;
        case 6: surface.setLayerDeleted(i, true); break;
        // Reading the renderer's surface while tasks change it.
        case 7: EXPECT_LE(scene.runtime.paintSurface(scene.id)->layers.size(), n); break;
        }
        if (step % 50 == 49) {
            EXPECT_EQ(scene.renderer(), scene.list()) << "step " << step;
        }
    }
    scene.undoAll();
    EXPECT_EQ(scene.renderer(), scene.list());
    scene.runtime.setPaintWorkTime(std::chrono::microseconds(0));
}

// The render side reads the brush's node records under the runtime lock while
// the main thread scales the brush: scale must hold that lock too.
TEST(PaintThreads, ScalingABrushWhileTheRenderSideReadsItsRecords)
{
    using namespace orb::painter;
    orb::MemoryRuntime runtime;
    ZPainterBrush brush(ZPainterBrush::createDefaultGraph(&runtime, 20), &runtime, 1);
    std::vector<orbBrush_node_record*> records{runtime.brushNodeRecord(brush.brushNode())};
    for (std::size_t i = 0; i < records.size(); ++i)
        for (std::uint32_t p = 0; p < records[i]->parameterCount; ++p)
            if (records[i]->parameters[p].type == BrushLink && records[i]->parameters[p].value.link)
                records.push_back(runtime.brushNodeRecord(records[i]->parameters[p].value.link));
    std::atomic<bool> done = false;
    std::thread render([&] {
        for (float sum = 0; !done;) {
            const ScopedRTApiLock lock(&runtime);
            for (const orbBrush_node_record* record : records)
                for (std::uint32_t p = 0; p < record->parameterCount; ++p)
                    sum += record->parameters[p].type == BrushFloat ? record->parameters[p].value.number : 0;
        }
    });
    for (int i = 0; i < 200; ++i)
        brush.scale(i % 2 ? 0.5f : 2.0f);
    done = true;
    render.join();
    float world = 0;
    brush.parameter("basic_size_world_value").getp(&world);
    EXPECT_FLOAT_EQ(world, 1.0f);
}
