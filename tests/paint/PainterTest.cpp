// The painter manager and painter over the in-memory renderer: adoption of
// surfaces, reload, creation and cloning, resolution, and giving the renderer
// painter back; and the renderer painter's own rules that the library relies on.

#include "paint/PaintTestSupport.h"

#include <zsg/paint/ZPainter.h>
#include <zsg/paint/ZPainterManager.h>

#include <gtest/gtest.h>

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

    factory->release(painter);
    factory->release(painter);
    EXPECT_EQ(orb::memoryStats().painters, live) << "a second release is ignored";
}
