// The painter manager and painter over the in-memory renderer: adoption of
// surfaces, reload, creation and cloning, resolution, and giving the renderer
// painter back; and the renderer painter's own rules that the library relies on.

#include "paint/PaintTestSupport.h"

#include <zsg/paint/ZPainter.h>
#include <zsg/paint/ZPainterManager.h>
#include <zsg/scenegraph/ISceneGraph.h>
#include <zsg/scenegraph/SceneGraphPars.h>

#include <gtest/gtest.h>

#include <functional>

using namespace zsg;
using zsg::test::layersFrom;

namespace {

struct Host {
    test::LeakCheck leaks;
    orb::MemoryRuntime runtime;
    ZTaskQueue tasks;
    ZUndoStack stack;
    ZEventQueue events;
    std::unique_ptr<ZPainterManager> manager;

    void start() { manager = std::make_unique<ZPainterManager>(&runtime, &tasks, &events, &stack); }
    IPainter& painter() { return *manager->painter(); }
    orb::SurfaceId add(const QStringList& bottomFirst, std::uint32_t editLayer = 0, bool deleted = false)
    {
        return runtime.createPaintSurface({"s", 256, deleted, layersFrom(bottomFirst), editLayer});
    }
    QStringList ids(orb::SurfaceId id)
    {
        QStringList out;
        for (const orbLayerInfo& layer : painter().surface(id)->layers())
            out << QString::number(layer.id);
        return out;
    }
};

} // namespace

TEST(Painter, AdoptionReversesTheLayersAndCountsOnFromTheHighestId)
{
    const struct {
        QStringList layers;     // renderer order
        std::uint32_t editLayer;  // renderer index
        QStringList listIds;    // topmost first, then the id a new layer gets
        std::uint32_t listEdit;
    } cases[] = {
        {{"3 A", "7 B", "5 C"}, 2, {"5", "7", "3", "8"}, 0},
        {{}, 0, {"1"}, 0},
        {{"0 A"}, 0, {"0", "1"}, 0},
        // The counter skips the invalid id and wraps past ids in use.
        {{"4294967293 A"}, 0, {"4294967293", "4294967294"}, 0},
        {{"0 A", "4294967294 B"}, 0, {"4294967294", "0", "1"}, 1},
        {{"4294967295 A", "0 B"}, 1, {"0", "4294967295", "1"}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.layers.join(", ").toStdString());
        Host host;
        const orb::SurfaceId id = host.add(c.layers, c.editLayer, true);
        host.start();
        IPainterSurface* surface = host.painter().surface(id);
        ASSERT_NE(surface, nullptr);
        EXPECT_TRUE(surface->deleted());
        EXPECT_EQ(surface->editLayer(), c.listEdit);
        surface->addLayer(int(surface->layers().size()));
        EXPECT_EQ(host.ids(id), c.listIds);
    }
}

// Reloads, the order of the surfaces and created ones are pinned by the transcript.
TEST(Painter, NewSurfacesWaitForAReloadAndTheRendererRefusesSizeZero)
{
    Host host;
    const orb::SurfaceId first = host.add({"1 A"});
    host.start();
    EXPECT_EQ(host.painter().surface(host.add({"1 B"})), nullptr) << "not adopted before a reload";
    EXPECT_EQ(host.painter().createSurface(0), orb::InvalidId);
    EXPECT_FALSE(host.painter().changeResolution(first, 0));
    EXPECT_EQ(host.painter().surfaces().size(), 1u);
}

TEST(Painter, CloningCopiesTheSourceLayersWithIdsOfTheNewSurface)
{
    Host host;
    // The copied fields and their new ids are pinned by the transcript.
    const orb::SurfaceId from = host.runtime.createPaintSurface({"src", 64, false, layersFrom({"4 A", "9 B!", "6 C"}), 0});
    host.start();
    const orb::SurfaceId id = host.painter().createSurface(64, from);
    EXPECT_EQ(host.painter().surface(id)->editLayer(), 2u) << "the renderer's, re-read";
    host.painter().surface(id)->addLayer(0);
    EXPECT_EQ(host.ids(id).value(0), "3");
    const orb::SurfaceId unknownSource = host.painter().createSurface(64, 999);
    EXPECT_EQ(unknownSource, host.painter().surfaces().back()->id());
}

TEST(Painter, TheRendererPainterIsGivenBackWithTheManager)
{
    Host host;
    host.add({"1 A", "2 B"});
    host.start();
    EXPECT_EQ(orb::memoryStats().painters, host.leaks.start.painters + 1);
    EXPECT_NE(host.painter().nativePainter(), nullptr);
    host.painter().surfaces()[0]->addLayer(0);
    host.painter().surfaces()[0]->setLayerName(0, "Renamed");
    host.manager.reset();
    EXPECT_EQ(orb::memoryStats().painters, host.leaks.start.painters);
    EXPECT_EQ(orb::memoryStats().arrays, host.leaks.start.arrays);
}  // the scene's strings go with it, as the leak check sees

TEST(Painter, WithoutARendererPainterThereAreNoSurfaces)
{
    Host host;
    host.add({"1 A"});
    ZPainter painter(nullptr, &host.runtime, &host.tasks, &host.events, &host.stack);
    painter.reload();
    EXPECT_TRUE(painter.surfaces().empty());
    EXPECT_EQ(painter.createSurface(8), orb::InvalidId);
    EXPECT_EQ(painter.createSurface(8, 1), orb::InvalidId);
    EXPECT_FALSE(painter.changeResolution(1, 8));
}

// A host may destroy the scene graph first, the runtime next, the task queue
// last: queued tasks run before the renderer painter goes back (not on a freed
// renderer), and the steps left on the stack then do nothing.
TEST(Painter, TheSceneGraphMayGoBeforeTheStackAndTheQueue)
{
    struct {
        test::LeakCheck leaks;
        ZTaskQueue tasks;
        ZUndoStack stack;
        orb::MemoryRuntime runtime;
        std::unique_ptr<ISceneGraph> graph;
    } host;
    const orb::SurfaceId id = host.runtime.createPaintSurface({"s", 64, false, layersFrom({"1 A", "2 B"}), 0});
    SceneGraphPars pars;
    pars.rtApi = &host.runtime, pars.taskQueue = &host.tasks, pars.undoStack = &host.stack;
    host.graph = ISceneGraph::create(pars);
    host.runtime.setPaintWorkTime(std::chrono::milliseconds(2));  // tasks still queued at the reset
    IPainterSurface& surface = *host.graph->painterManager()->painter()->surface(id);
    surface.setLayerName(0, "Named");  // first: names go to the renderer at once
    surface.addLayer(0);
    surface.setLayerBlend(2, orb::ColorBlendMode::Multiply);
    surface.setLayerVisibility(1, false);
    surface.moveLayer(0, 2);
    surface.setLayerBackgroundColor(0, {0.5f, 0, 0, 1}, true);
    surface.setLayerDeleted(1, true);
    const QStringList list = test::listText(surface);
    host.graph.reset();
    EXPECT_EQ(test::rendererText(host.runtime, id), list);

    int steps = 0;
    for (; host.stack.canUndo(); ++steps)
        EXPECT_FALSE(host.stack.undo());
    EXPECT_EQ(steps, 7);
    while (host.stack.canRedo())
        EXPECT_FALSE(host.stack.redo());
    EXPECT_EQ(test::rendererText(host.runtime, id), list);
}

TEST(RendererPainter, FactoryAndSurfaceRules)
{
    orb::MemoryRuntime runtime;
    orbPainter_factory* factory = orb_painter_factory(runtime.scene());
    EXPECT_EQ(orb_painter_factory(nullptr), nullptr);
    EXPECT_EQ(factory->create("raster_painter"), nullptr);
    const std::int64_t live = orb::memoryStats().painters;
    orbPainter* painter = factory->create("svdag_painter");
    EXPECT_EQ(orb::memoryStats().painters, live + 1);
    const orb::SurfaceId id = runtime.createPaintSurface({"s", 8, false, layersFrom({"1 A", "2 B", "3 C"}), 0});
    orbPainter_surface* surface = painter->surface(id);
    // Indices past the stack are ignored, by every operation.
    surface->addLayer(4, 9);
    surface->moveLayer(0, 3);
    surface->setLayerName(3, "X");
    surface->setEditLayer(3);
    surface->addLayer(3, 4);
    surface->moveLayer(3, 0);
    EXPECT_EQ(test::rendererText(runtime, id), QStringList({"3 C", "2 B", "1 A", "4 -"}));
    EXPECT_EQ(surface->editLayer(), 3u) << "edit layer 0 from the bottom is 3 from the top";

    // Every layer change but naming takes the set work time.
    runtime.setPaintWorkTime(std::chrono::milliseconds(3));
    const std::function<void()> slow[] = {[&] { surface->addLayer(0, 5); }, [&] { surface->moveLayer(0, 1); },
                                          [&] { surface->setLayerVisible(0, false); }};
    for (const auto& change : slow) {
        const auto start = std::chrono::steady_clock::now();
        change();
        EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(3));
    }
    runtime.setPaintWorkTime(std::chrono::milliseconds(0));

    factory->release(painter);
    factory->release(painter);
    EXPECT_EQ(orb::memoryStats().painters, live) << "a second release is ignored";
}
