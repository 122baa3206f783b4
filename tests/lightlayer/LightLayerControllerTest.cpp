// The light layer controller and its commands: merging, the direction rule and
// what each undo and redo asks of the API. Step texts, events and the scene
// graph's controller are pinned by the shell transcript.

#include "LightLayerTestSupport.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace zsg;
using namespace zsg::test;

namespace {

// Logs the API operations the commands call, then runs them.
class LoggingApi : public ZLightLayerApi {
public:
    using ZLightLayerApi::ZLightLayerApi;
    void addLights(orb::LightLayerId layer, orb::Span<const orb::ObjectId> lights) override
    {
        log << QStringLiteral("add %1").arg(layer), ZLightLayerApi::addLights(layer, lights);
    }
    void removeLights(orb::LightLayerId layer, orb::Span<const orb::ObjectId> lights) override
    {
        log << QStringLiteral("remove %1").arg(layer), ZLightLayerApi::removeLights(layer, lights);
    }
    std::vector<orb::GroupItemId> getLayerItems(orb::LightLayerId layer) override
    {
        return log << QStringLiteral("items %1").arg(layer), ZLightLayerApi::getLayerItems(layer);
    }
    QStringList log;
};

class LightLayerControllerTest : public ::testing::Test, public LightLayerScene {
protected:
    void SetUp() override
    {
        group = runtime.addGroup(root);
        for (int i = 0; i < 3; ++i)
            objects.push_back(runtime.addObject(group));
        lamp = runtime.addLight(root);
        api.sync();
        logged.sync();
    }

    LoggingApi logged{&queue, &runtime};
    ZLightLayerController loggedController{&logged, &stack};
    orb::GroupItemId group;
    Ids objects;
    orb::ObjectId lamp;
};

TEST_F(LightLayerControllerTest, DeleteRestoresTheLayerWithItsObjects)
{
    const orb::LightLayerId id = loggedController.createLayer("Fill");
    loggedController.setItemsLayer(id, span({objects[0], objects[2]}));
    loggedController.deleteLayer(id);
    EXPECT_EQ(layerOf(objects[0]), 1u);
    stack.undo();
    EXPECT_EQ(api.flags(id), LightLayerFlags());
    EXPECT_EQ((Ids{layerOf(objects[0]), layerOf(objects[1]), layerOf(objects[2])}), (Ids{id, 1, id}));
    stack.redo();
    EXPECT_EQ(logged.log, QStringList{QStringLiteral("items %1").arg(id)}) << "items are taken once";

    // A layer without objects asks again at every redo.
    const orb::LightLayerId empty = loggedController.createLayer("Empty");
    logged.log.clear();
    loggedController.deleteLayer(empty);
    stack.undo();
    stack.redo();
    EXPECT_EQ(logged.log, (QStringList{QStringLiteral("items %1").arg(empty), QStringLiteral("items %1").arg(empty)}));
}

TEST_F(LightLayerControllerTest, LightChangesMergeOnlyInOneDirectionOnOneLayer)
{
    const orb::LightLayerId a = controller.createLayer("A");
    const orb::LightLayerId b = controller.createLayer("B");
    const int base = stack.count();
    // (layer, add, steps on the stack afterwards)
    const std::tuple<orb::LightLayerId, bool, int> sequence[] = {
        {a, true, 1}, {a, true, 1}, {a, false, 2}, {a, false, 2}, {b, false, 3}, {a, false, 4}, {a, true, 5},
    };
    for (const auto& [layer, add, steps] : sequence) {
        add ? controller.addLights(layer, span({lamp, lamp})) : controller.removeLights(layer, span({lamp}));
        EXPECT_EQ(stack.count() - base, steps);
        EXPECT_EQ(stack.text(stack.count() - 1), "Update light layer");
    }
}

TEST_F(LightLayerControllerTest, ReversedLayersSwapAddAndRemove)
{
    const orb::LightLayerId id = loggedController.createLayer("Rev");
    loggedController.setFlags(id, orb::LayerReversed);
    const int steps = stack.count();
    EXPECT_EQ(live.get_flags(id), orb::LayerReversed);
    loggedController.addLights(id, span({lamp}));
    stack.undo();
    loggedController.removeLights(id, span({lamp}));
    stack.undo();
    EXPECT_EQ(stack.count(), steps + 1) << "setFlags pushes nothing";
    const QString add = QStringLiteral("add %1").arg(id), remove = QStringLiteral("remove %1").arg(id);
    EXPECT_EQ(logged.log, (QStringList{remove, add, add, remove}));
}

TEST_F(LightLayerControllerTest, WithoutAStackEditsRunOnce)
{
    ZLightLayerController direct(&api, nullptr);
    const orb::LightLayerId id = direct.createLayer("Direct");
    EXPECT_EQ(api.layerName(id), "Direct");
    direct.setItemsLayer(id, span({group}));
    direct.addLights(id, span({lamp}));
    EXPECT_EQ(layerOf(objects[0]), id);
    EXPECT_TRUE(api.contains(id, lamp));
    direct.deleteLayer(id);
    EXPECT_TRUE(api.flags(id).testFlag(orb::LayerDeleted));
    EXPECT_EQ(stack.count(), 0);
}

} // namespace
