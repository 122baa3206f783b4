// The light layer controller's commands: what each undo and redo asks of the
// API, and editing without a stack. Merging and the direction rule are checked
// by the model test; step texts, events and the scene graph's controller by the
// shell transcript.

#include "LightLayerTestSupport.h"

#include <zsg/lightlayer/ZChangeLightsInLightLayerCommand.h>
#include <zsg/lightlayer/ZCreateLightLayerCommand.h>
#include <zsg/lightlayer/ZDeleteLightLayerCommand.h>
#include <zsg/lightlayer/ZSetItemLightLayerCommand.h>

#include <gtest/gtest.h>

#include <memory>

using namespace zsg;
using namespace zsg::test;

namespace {

// Logs the item look-ups the commands make, then runs them.
class LoggingApi : public ZLightLayerApi {
public:
    using ZLightLayerApi::ZLightLayerApi;
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

// A host's slot may clear the stack while a push is still running, deleting
// the command: the controller must not read it after pushing (ASan sees that).
TEST_F(LightLayerControllerTest, ASlotMayClearTheStackDuringAPush)
{
    QObject::connect(&stack, &ZUndoStack::indexChanged, &stack, [this] { stack.clear(); });
    const orb::LightLayerId id = controller.createLayer("Cleared");
    EXPECT_EQ(api.layerName(id), "Cleared");
    controller.addLights(id, span({lamp}));
    controller.setItemsLayer(id, span({group}));
    controller.deleteLayer(id);
    EXPECT_TRUE(api.contains(id, lamp));
    EXPECT_TRUE(api.flags(id).testFlag(orb::LayerDeleted));
    EXPECT_EQ(stack.count(), 0);
}

// The previous assignment is taken at the first redo only: a later undo puts
// objects back where they were then, whatever moved them since.
TEST_F(LightLayerControllerTest, SetItemsLayerRecordsThePreviousLayersOnce)
{
    const orb::LightLayerId y = api.createLayer("Y"), z = api.createLayer("Z");
    controller.setItemsLayer(y, span({objects[0]}));
    stack.undo();
    api.setItemsLayer(z, span({objects[0]}));
    stack.redo();
    EXPECT_EQ(layerOf(objects[0]), y);
    stack.undo();
    EXPECT_EQ(layerOf(objects[0]), 1u);
}

// Every command reports success at every step, whatever the API did.
TEST_F(LightLayerControllerTest, CommandsReportSuccess)
{
    const orb::LightLayerId id = api.createLayer("Target");
    const std::unique_ptr<ZUndoCommand> commands[] = {
        std::make_unique<ZCreateLightLayerCommand>(&api, "New"),
        std::make_unique<ZCreateLightLayerCommand>(&api, ""),
        std::make_unique<ZDeleteLightLayerCommand>(&api, id),
        std::make_unique<ZChangeLightsInLightLayerCommand>(&api, Ids{lamp}, id, ZChangeLightsInLightLayerCommand::Remove),
        std::make_unique<ZSetItemLightLayerCommand>(&api, id, Ids{group}),
    };
    for (const auto& command : commands)
        EXPECT_TRUE(command->redo() && command->undo() && command->redo()) << command->text().toStdString();
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
