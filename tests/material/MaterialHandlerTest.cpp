#include "support/EventRecorder.h"

#include <zsg/material/IMaterialDelegate.h>
#include <zsg/material/ZMaterialApi.h>
#include <zsg/material/ZMaterialDescriptor.h>
#include <zsg/material/ZMaterialHandler.h>
#include <zsg/platform/ZTaskQueue.h>
#include <zsg/platform/ZUndoStack.h>
#include <zsg/scenegraph/IEventQueue.h>
#include <zsg/scenegraph/ISceneGraph.h>

#include <orbmem/MemoryRuntime.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zsg;
using Json = orb::MetaData;
using Entries = std::vector<std::pair<std::string, std::string>>;

namespace {

class MaterialApiTest : public ::testing::Test {
protected:
    orb::MaterialId create(Entries keyValues, Json metaData = {}, std::string name = "Body",
                           std::vector<orb::MaterialId> ids = {})
    {
        orb::MaterialContent content;
        content.name = std::move(name);
        content.materialIds = std::move(ids);
        content.keyValues = std::move(keyValues);
        content.metaData = std::move(metaData);
        return runtime.createMaterial(std::move(content));
    }
    Entries recordList(orb::MaterialId id) { return runtime.materialContent(id).value().keyValues; }

    orb::MemoryRuntime runtime;
    ZMaterialApi api{&runtime};
};

// Reads the material's record while its change is being announced.
class RecordReader : public IEventListener {
public:
    explicit RecordReader(orb::MemoryRuntime& runtime) : m_runtime(runtime) {}
    void handleEvent(Event* event) override
    {
        const auto id = static_cast<MaterialDescriptionChangedEvent*>(event)->materialId();
        const auto content = m_runtime.materialContent(id);
        lists.push_back(content ? content->keyValues : Entries{{"none", ""}});
    }
    std::vector<Entries> lists;

private:
    orb::MemoryRuntime& m_runtime;
};

class MockMaterialApi : public IMaterialApi {
public:
    MOCK_METHOD(std::unique_ptr<IMaterialDescriptor>, descriptor, (MaterialId), (const, override));
    MOCK_METHOD(QString, materialName, (MaterialId), (const, override));
    MOCK_METHOD(bool, applyDescriptor, (const IMaterialDescriptor&), (override));
};

class MockDelegate : public IMaterialDelegate {
public:
    MOCK_METHOD(MaterialId, requestMaterial, (const QString&), (override));
};

} // namespace

TEST_F(MaterialApiTest, DescriptorIsASnapshotOfTheRecord)
{
    const orb::MaterialId id = create({{"b", "2"}, {"a", "1"}, {"a", "3"}}, {{"gloss", 0.5}}, "Küche", {11, 12});
    const std::unique_ptr<IMaterialDescriptor> d = api.descriptor(id);
    ASSERT_TRUE(d);
    EXPECT_EQ(orb::MaterialId(d->materialId()), id);
    ASSERT_EQ(d->materialIds().size(), 2u);
    EXPECT_EQ(orb::MaterialId(d->materialIds()[1]), 12u);
    // A later duplicate overwrites an earlier one.
    EXPECT_EQ(d->metaData().toStdMap(), (std::map<std::string, std::string>{{"a", "3"}, {"b", "2"}}));
    EXPECT_EQ(d->properties(), (Json{{"gloss", 0.5}}));
    EXPECT_EQ(api.materialName(id), QStringLiteral("Küche"));
    EXPECT_EQ(api.materialName(create({}, {}, "")), "");

    runtime.setMaterialMetaData(id, Json{{"gloss", 1}});
    EXPECT_EQ(d->properties(), (Json{{"gloss", 0.5}}));
}

TEST_F(MaterialApiTest, UnknownMaterials)
{
    const orb::MaterialId id = create({{"a", "1"}}, {{"k", 1}});
    ZMaterialDescriptor stranger(id + 100, {});
    stranger.setMetaData("x", "y");
    EXPECT_EQ(api.descriptor(id + 100), nullptr);
    EXPECT_EQ(api.materialName(id + 100), "");
    EXPECT_FALSE(api.applyDescriptor(stranger));
    EXPECT_EQ(recordList(id), (Entries{{"a", "1"}}));

    ZMaterialApi detached(nullptr);
    EXPECT_EQ(detached.descriptor(id), nullptr);
    EXPECT_FALSE(detached.applyDescriptor(*api.descriptor(id)));
}

TEST_F(MaterialApiTest, ApplyRewritesTheListInKeyOrderAndGivesEverythingBack)
{
    const orb::MemoryStats start = orb::memoryStats();
    {
        orb::MemoryRuntime scene;
        ZMaterialApi sceneApi(&scene);
        orb::MaterialContent content;
        content.name = "Body";
        content.materialIds = {5};
        content.keyValues = {{"z", "26"}, {"b", "2"}, {"a", "1"}};
        const orb::MaterialId id = scene.createMaterial(content);

        auto d = sceneApi.descriptor(id);
        d->removeMetaData("a");
        d->setMetaData(CMFKey::Finish, "matte");
        d->setMetaData("c", "");
        d->setProperty("x", 1);
        ASSERT_TRUE(sceneApi.applyDescriptor(*d));

        const orb::MaterialContent after = scene.materialContent(id).value();
        EXPECT_EQ(after.keyValues, (Entries{{"CMF::TEXT::FINISH", "matte"}, {"b", "2"}, {"c", ""}, {"z", "26"}}));
        EXPECT_EQ(after.metaData, (Json{{"x", 1}}));
        EXPECT_EQ(after.name, "Body");
        EXPECT_EQ(after.materialIds, std::vector<orb::MaterialId>{5});

        // Emptied metadata empties the list; applying again changes nothing more.
        d->metaData().clear();
        ASSERT_TRUE(sceneApi.applyDescriptor(*d));
        ASSERT_TRUE(sceneApi.applyDescriptor(*d));
        EXPECT_EQ(scene.materialContent(id)->keyValues, Entries{});
        d->setMetaData("k", "v");
        ASSERT_TRUE(sceneApi.applyDescriptor(*d));
        EXPECT_GT(orb::memoryStats().allocations, start.allocations);  // the list lives in the renderer heap
    }
    EXPECT_EQ(orb::memoryStats(), start);
}

TEST_F(MaterialApiTest, HandlerAnnouncesEveryWriteAfterIt)
{
    ZTaskQueue taskQueue;
    ZUndoStack undoStack;
    auto graph = ISceneGraph::create({&runtime, nullptr, nullptr, &taskQueue, &undoStack});
    test::EventRecorder events(graph->eventQueue());
    RecordReader reader(runtime);
    graph->eventQueue()->addListener(&reader, EventType::MaterialDescriptionChanged);

    const orb::MaterialId id = create({{"b", "2"}, {"a", "1"}});
    ZMaterialHandler handler(&api, nullptr, graph.get());
    auto d = handler.descriptor(id);
    d->removeMetaData("a");
    handler.applyDescriptor(*d);
    handler.applyDescriptor(ZMaterialDescriptor(id + 100, {}));  // unknown: still announced
    const QString changed = QStringLiteral("MaterialDescriptionChanged material=%1");
    EXPECT_EQ(events.take(), QStringList({changed.arg(id), changed.arg(id + 100)}));
    EXPECT_EQ(reader.lists, (std::vector<Entries>{{{"b", "2"}}, {{"none", ""}}}));

    ZMaterialHandler withoutGraph(&api, nullptr, nullptr);
    d->setMetaData("c", "3");
    withoutGraph.applyDescriptor(*d);
    EXPECT_EQ(recordList(id), (Entries{{"b", "2"}, {"c", "3"}}));
    EXPECT_TRUE(events.take().isEmpty());
    graph->eventQueue()->removeListener(&reader);
}

TEST(MaterialHandler, ForwardsToTheApiAndTheDelegate)
{
    using ::testing::Return;
    MockMaterialApi api;
    MockDelegate delegate;
    ZMaterialHandler handler(&api, &delegate, nullptr);

    auto owned = std::make_unique<ZMaterialDescriptor>(3, std::vector<MaterialId>{});
    IMaterialDescriptor* given = owned.get();
    EXPECT_CALL(api, descriptor(::testing::Truly([](MaterialId id) { return orb::MaterialId(id) == 3; })))
        .WillOnce(Return(::testing::ByMove(std::move(owned))));
    EXPECT_CALL(api, materialName(::testing::_)).WillOnce(Return(QStringLiteral("Trim")));
    EXPECT_CALL(delegate, requestMaterial(QStringLiteral("lib://steel"))).WillOnce(Return(MaterialId(42)));

    EXPECT_EQ(handler.descriptor(3).get(), given);
    EXPECT_EQ(handler.materialName(3), "Trim");
    EXPECT_EQ(orb::MaterialId(handler.delegatedOperation("lib://steel")), 42u);
    EXPECT_EQ(orb::MaterialId(ZMaterialHandler(&api, nullptr, nullptr).delegatedOperation("x")), orb::InvalidId);
}
