// Layer operations of a paint surface: each one on the library's list and,
// once the render side has caught up, on the renderer's layers; the undo steps,
// the events and the calls that reached the renderer.

#include "paint/PaintTestSupport.h"

#include <zsg/paint/ZMoveLayerCommand.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include <functional>
#include <random>

using namespace zsg;
using zsg::test::layersFrom;
using zsg::test::PaintScene;

namespace {

using Blend = orb::ColorBlendMode;

orb::PaintSurfaceContent surfaceOf(const QStringList& bottomFirst, std::uint32_t editLayer = 0)
{
    return {"canvas", 512, false, layersFrom(bottomFirst), editLayer};
}

const QStringList ThreeLayers = {"1 Bottom", "2 Middle", "3 Top"};
const QStringList ThreeLayersTopFirst = {"3 Top", "2 Middle", "1 Bottom"};
const QString Updated = QStringLiteral("PaintLayersUpdated surface=%1");

} // namespace

// Each row: the operation on Top, Middle, Bottom (edit layer Top), its undo step
// (none: nothing may change), the list after it and after its undo (an undone
// add stays, deleted), the calls that reach the renderer (renderer indices), the
// refresh requests and events. Both sides are compared after each step.
TEST(PaintSurface, EveryOperationOnBothSidesWithItsStepTasksAndEvents)
{
    const QStringList& before = ThreeLayersTopFirst;
    const struct {
        const char* step;
        std::function<void(ZPaintSurface&)> op;
        QStringList done, undone, calls;
        int refreshes, events;
    } cases[] = {
        {"3D Paint add layer", [](auto& s) { s.addLayer(1); }, {"3 Top", "4 Layer 1", "2 Middle", "1 Bottom"},
         {"3 Top", "4 Layer 1 deleted", "2 Middle", "1 Bottom"},
         {"add 2 4", "edit 2", "name 2 \"Layer 1\"", "deleted 2 0", "edit 2"}, 1, 2},
        {"3D Paint delete layer", [](auto& s) { s.setLayerDeleted(1, true); },
         {"3 Top", "2 Middle deleted", "1 Bottom"}, before, {"deleted 1 1", "edit 2"}, 1, 1},
        {"3D Paint change layer blend mode", [](auto& s) { s.setLayerBlend(2, Blend::Multiply); },
         {"3 Top", "2 Middle", "1 Bottom blend=1"}, before, {"blend 0 1"}, 1, 1},
        {"3D Paint change layer visibility", [](auto& s) { s.setLayerVisibility(1, false); },
         {"3 Top", "2 Middle hidden", "1 Bottom"}, before, {"visible 1 0"}, 1, 1},
        {"3D Paint change layer name", [](auto& s) { s.setLayerName(0, "Sky"); },
         {"3 Sky", "2 Middle", "1 Bottom"}, before, {"name 2 \"Sky\""}, 0, 1},
        {"3D Paint change layer name", [](auto& s) { s.setLayerName(1, ""); },
         {"3 Top", "2 -", "1 Bottom"}, before, {"name 1 null"}, 0, 1},
        {"3D Paint move layer", [](auto& s) { s.moveLayer(2, 0); },
         {"1 Bottom", "3 Top", "2 Middle"}, before, {"move 0 2"}, 1, 1},
        {"3D Paint change layer background", [](auto& s) { s.setLayerBackgroundColor(1, {0.5f, 0, 0, 1}, true); },
         {"3 Top", "2 Middle bg=0.5,0,0,1", "1 Bottom"}, before, {"background 1 50"}, 1, 1},
        {"", [](auto& s) { EXPECT_TRUE(s.setLayerBackgroundColor(2, {0.25f, 0, 0, 1}, false)); },
         {"3 Top", "2 Middle", "1 Bottom bg=0.25,0,0,1"}, {}, {"background 0 25"}, 1, 1},
        {"", [](auto& s) { EXPECT_TRUE(s.setLayerBackgroundColor(0, {0, 0, 0, 0.5f}, false)); },
         {"3 Top bg=0,0,0,0.5", "2 Middle", "1 Bottom"}, {}, {"background 2 0"}, 1, 1},
        {"", [](auto& s) { s.setEditLayer(1); }, before, {}, {"edit 1"}, 0, 0},
        // Past the end: at the bottom, and its edit layer; only the command's redo asks for a refresh.
        {"", [](auto& s) { EXPECT_EQ(s.addLayerInternal(4, "Far"), 4u); },
         {"3 Top", "2 Middle", "1 Bottom", "4 Far"}, {}, {"add 0 4", "edit 0", "name 0 \"Far\""}, 0, 1},
        // Rejected: out of range or unchanged.
        {"", [](auto& s) {
             s.setEditLayer(0), s.setLayerDeleted(3, true), s.setLayerDeleted(0, false);
             s.setLayerBlend(1, Blend::Normal), s.setLayerBlend(3, Blend::Add);
             s.setLayerVisibility(0, true), s.setLayerVisibility(9, false);
             s.setLayerName(3, "X"), s.moveLayer(1, 1), s.moveLayer(0, 3), s.moveLayer(3, 0);
             EXPECT_FALSE(s.setLayerBackgroundColor(0, {0, 0, 0, 0}, true));
             EXPECT_FALSE(s.setLayerBackgroundColor(3, {1, 1, 1, 1}, true));
         }, before, {}, {}, 0, 0},
        // The internal tier ignores unknown layer ids.
        {"", [](auto& s) {
             s.setLayerDeletedInternal(99, true), s.setLayerBlendInternal(99, Blend::Add);
             s.setLayerVisibilityInternal(99, false), s.setLayerNameInternal(99, "X");
             s.moveLayerInternal(99, 1), s.moveLayerInternal(1, 99);
             s.setLayerBackgroundColorInternal(99, {1, 1, 1, 1});
             EXPECT_TRUE(ZMoveLayerCommand(&s, 99, 1, 2).undo());
             EXPECT_TRUE(ZMoveLayerCommand(&s, 3, 99, 2).undo());
         }, before, {}, {}, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (&c - cases) << " " << c.step);
        PaintScene scene(surfaceOf(ThreeLayers, 2));
        c.op(scene.surface);
        EXPECT_EQ(scene.list(), c.done);
        EXPECT_EQ(scene.renderer(), c.done);
        EXPECT_EQ(scene.calls(), c.calls);
        EXPECT_EQ(scene.runtime.renderRefreshes(), std::vector<int>(c.refreshes, 0));
        EXPECT_EQ(scene.recorder.take(), QStringList(c.events, Updated.arg(scene.id)));
        if (c.events) {
            EXPECT_EQ(scene.seen.lists.last(), c.done.join(", "));
        }
        ASSERT_EQ(scene.stack.count(), *c.step ? 1 : 0);
        if (!*c.step)
            continue;
        EXPECT_EQ(scene.stack.text(0), c.step);
        EXPECT_TRUE(scene.stack.undo());
        EXPECT_EQ(scene.list(), c.undone);
        EXPECT_EQ(scene.seen.lists.last(), c.undone.join(", "));
        EXPECT_EQ(scene.renderer(), c.undone);
        EXPECT_TRUE(scene.stack.redo());
        EXPECT_EQ(scene.list(), c.done);
        EXPECT_EQ(scene.seen.lists.last(), c.done.join(", "));
        EXPECT_EQ(scene.renderer(), c.done);
    }
}

// The new layer's name, and where a clamped index puts it (it becomes the edit layer).
TEST(PaintSurface, NewLayersAreNumberedAboveTheHighestLayerNumber)
{
    const struct {
        QStringList layers;  // bottom first; '!' marks a deleted layer
        int index;
        QString name;
        int at;
    } cases[] = {
        {{}, 0, "Layer 1", 0},
        {{"1 Layer 2!"}, 0, "Layer 3", 0},
        {{"1 Layer", "2", "3 layer 7", "4 Layers 9"}, 2, "Layer 1", 2},
        {{"1 Layer 3 ", "2 Layer8"}, -3, "Layer 9", 0},
        {{"1 Layer 3 ", "7 Sky"}, 99, "Layer 4", 2},
        {{"1 Layer 3 ", "7 Sky"}, 2, "Layer 4", 2},
        {{"1 Layer 3 ", "7 Sky"}, 3, "Layer 4", 2},
        {{"1 Layer 2147483647"}, 1, "Layer 2147483648", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.layers.join(", ").toStdString());
        PaintScene scene(surfaceOf(c.layers));
        scene.surface.addLayer(c.index);
        const QStringList list = scene.list();
        EXPECT_EQ(list.value(c.at).section(' ', 1), c.name);
        EXPECT_EQ(scene.renderer(), list);
        EXPECT_EQ(scene.surface.editLayer(), std::uint32_t(c.at));
    }
}

TEST(PaintSurface, DeletionMovesTheEditLayerToTheNearestLayerLeft)
{
    const struct {
        QStringList layers;  // bottom first, '!' deleted
        std::uint32_t index;
        std::uint32_t editLayer;  // list index afterwards
        QStringList calls;
    } cases[] = {
        {{"1 C", "2 B!", "3 A"}, 0, 2, {"deleted 2 1", "edit 0"}},  // topmost gone, next one too: further down
        {{"1 C", "2 B", "3 A"}, 1, 0, {"deleted 1 1", "edit 2"}},   // the one above wins
        {{"1 C", "2 B", "3 A"}, 2, 1, {"deleted 0 1", "edit 1"}},
        {{"1 C!", "2 B", "3 A!"}, 1, 2, {"deleted 1 1"}},          // none left: the edit layer stays
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.layers.join(", ").toStdString());
        PaintScene scene(surfaceOf(c.layers, 0));  // edit layer: the bottom one, list index 2
        scene.surface.setLayerDeleted(c.index, true);
        EXPECT_EQ(scene.surface.editLayer(), c.editLayer);
        EXPECT_EQ(scene.calls(), c.calls);
        EXPECT_EQ(scene.runtime.paintSurface(scene.id)->editLayer, 2 - c.editLayer);
    }
}

TEST(PaintSurface, WithoutTaskQueueABackgroundChangesOnlyTheList)
{
    PaintScene alone(surfaceOf(ThreeLayers), false);
    EXPECT_TRUE(alone.surface.setLayerBackgroundColor(2, {0, 1, 0, 1}, true));
    EXPECT_EQ(alone.list().value(2), "1 Bottom bg=0,1,0,1");
    EXPECT_EQ(alone.renderer().value(2), "1 Bottom");
    EXPECT_EQ(alone.recorder.take(), QStringList());
    EXPECT_EQ(alone.runtime.renderRefreshes(), std::vector<int>());
}

// Same layer id on two surfaces of one stack: the second surface's change is a
// step of its own, as is a change of another layer.
TEST(PaintSurface, BackgroundStepsMergeOnlyForTheSameLayerOfTheSameSurface)
{
    PaintScene scene(surfaceOf(ThreeLayers));
    const orb::SurfaceId otherId = scene.runtime.createPaintSurface(surfaceOf(ThreeLayers));
    ZPaintSurface other(otherId, scene.painter->surface(otherId), &scene.runtime, &scene.tasks, &scene.events,
                        &scene.stack);
    scene.surface.setLayerBackgroundColor(0, {1, 0, 0, 1}, true);
    scene.surface.setLayerBackgroundColor(0, {0, 1, 0, 1}, true);
    other.setLayerBackgroundColor(0, {0, 0, 1, 1}, true);
    scene.surface.setLayerBackgroundColor(1, {0, 0, 1, 1}, true);
    ASSERT_EQ(scene.stack.count(), 3);
    scene.stack.undo(), scene.stack.undo();
    EXPECT_EQ(test::listText(other).value(0), "3 Top");
    EXPECT_EQ(scene.list().value(0), "3 Top bg=0,1,0,1");
    scene.stack.undo();
    EXPECT_EQ(scene.list(), ThreeLayersTopFirst);
}

// A translation of "Layer" is a text like any other: a "%1" in it stays.
TEST(PaintSurface, ATranslatedBaseNameIsNumberedAsItIs)
{
    struct Translator : QTranslator {
        QString translate(const char* context, const char* source, const char*, int) const override
        {
            return qstrcmp(context, "QObject") == 0 && qstrcmp(source, "Layer") == 0 ? "Ebene %1" : QString();
        }
        bool isEmpty() const override { return false; }
    } translator;
    QCoreApplication::installTranslator(&translator);
    PaintScene scene(surfaceOf({"1 Ebene %1 4", "2 Layer 9"}));
    scene.surface.addLayer(0);
    QCoreApplication::removeTranslator(&translator);
    EXPECT_EQ(scene.list().value(0), "3 Ebene %1 5");
}

// Random sessions, each step checked against a plain model of the list. Undoing
// everything gives back the original layers in their order (added layers stay,
// deleted); redoing everything gives back every layer's fields by id, though not
// always the order: moves target layers by id, so a redone move can land on the
// other side of a layer added later.
TEST(PaintSurface, RandomSessionsAgreeWithAModelAndTheRenderer)
{
    const auto text = [](const std::vector<orb::PaintLayer>& layers) {
        QStringList out;
        for (const orb::PaintLayer& layer : layers)
            out << test::layerText(layer);
        return out;
    };
    const auto sorted = [](QStringList layers) { return layers.sort(), layers; };
    for (unsigned seed = 1; seed <= 8; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        PaintScene scene(surfaceOf({"1 A", "2 B", "3 C", "4 D"}));
        std::vector<orb::PaintLayer> model = layersFrom({"4 D", "3 C", "2 B", "1 A"});  // topmost first
        const QStringList original = text(model);
        std::uint32_t nextId = 5;
        const auto nextName = [&model] {
            int highest = 0;
            for (const orb::PaintLayer& l : model)
                if (l.name && l.name->starts_with("Layer "))
                    highest = std::max(highest, std::stoi(l.name->substr(6)));
            return "Layer " + std::to_string(highest + 1);
        };
        for (int step = 0; step < 60; ++step) {
            const auto n = std::uint32_t(model.size());
            const std::uint32_t i = random() % n, j = random() % n, at = random() % (n + 1);
            orb::PaintLayer& l = model[i];
            switch (random() % 7) {
            case 0: scene.surface.addLayer(int(at)), model.insert(model.begin() + at, {nextId++, nextName()}); break;
            // Clearing the deleted flag this way is left to undo.
            case 1: scene.surface.setLayerDeleted(i, !l.deleted), l.deleted = true; break;
            case 2: scene.surface.setLayerBlend(i, l.blendMode = Blend(random() % 3)); break;
            case 3: scene.surface.setLayerVisibility(i, l.visible = !l.visible); break;
            case 4:
                l.name = step % 3 ? std::optional("N" + std::to_string(step)) : std::nullopt;
                scene.settleBeforeRename("3D Paint change layer name");
                scene.surface.setLayerName(i, QString::fromStdString(l.name.value_or("")));
                break;
            case 5: {
                scene.surface.moveLayer(i, j);
                const orb::PaintLayer moved = l;
                model.erase(model.begin() + i), model.insert(model.begin() + j, moved);
                break;
            }
            case 6: scene.surface.setLayerBackgroundColor(i, l.background = {float(step + 1) / 64, 0, 0, 1}, true); break;
            }
            ASSERT_EQ(scene.list(), text(model)) << "step " << step;
        }
        const QStringList session = scene.list();
        ASSERT_EQ(scene.renderer(), session);

        scene.undoAll();
        EXPECT_EQ(scene.renderer(), scene.list());
        QStringList originals;
        for (const QString& layer : scene.list()) {
            if (layer.section(' ', 0, 0).toUInt() < 5)
                originals << layer;
            else
                EXPECT_TRUE(layer.contains(" deleted")) << layer.toStdString();
        }
        EXPECT_EQ(originals, original);

        scene.redoAll();
        EXPECT_EQ(sorted(scene.list()), sorted(session));
        EXPECT_EQ(scene.renderer(), scene.list());
    }
}
