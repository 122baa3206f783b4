#include "support/EventRecorder.h"

#include <zsg/material/ZMaterialApi.h>
#include <zsg/material/ZMaterialDescriptor.h>
#include <zsg/material/ZMaterialHandler.h>
#include <zsg/platform/ZTaskQueue.h>
#include <zsg/platform/ZUndoStack.h>
#include <zsg/scenegraph/IEventQueue.h>
#include <zsg/scenegraph/ISceneGraph.h>

#include <orbmem/MemoryRuntime.h>

#include <gtest/gtest.h>

#include <functional>

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

    // Declared first: checks that everything the renderer handed out came back.
    struct LeakCheck {
        const orb::MemoryStats start = orb::memoryStats();
        ~LeakCheck() { EXPECT_EQ(orb::memoryStats(), start); }
    } leakCheck;
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

} // namespace

TEST_F(MaterialApiTest, DescriptorIsASnapshotOfTheRecord)
{
    const orb::MaterialId id = create({{"b", "2"}, {"a", "1"}, {"a", "3"}}, {{"gloss", 0.5}}, "Küche", {11, 12});
    const std::unique_ptr<IMaterialDescriptor> d = api.descriptor(id);
    ASSERT_TRUE(d);
    EXPECT_EQ(orb::MaterialId(d->materialId()), id);
    ASSERT_EQ(d->materialIds().size(), 2u);
    EXPECT_TRUE(d->hasMaterialIds());
    EXPECT_EQ(orb::MaterialId(d->materialIds()[1]), 12u);
    EXPECT_EQ(d->properties(), (Json{{"gloss", 0.5}}));
    EXPECT_EQ(api.materialName(create({}, {}, "")), "");

    EXPECT_TRUE(runtime.setMaterialMetaData(id, Json{{"gloss", 1}}));
    EXPECT_EQ(d->properties(), (Json{{"gloss", 0.5}}));
    EXPECT_FALSE(runtime.setMaterialMetaData(id + 100, Json{{"gloss", 1}}));
}

TEST_F(MaterialApiTest, UnknownMaterials)
{
    const orb::MaterialId id = create({{"a", "1"}}, {{"k", 1}});
    ZMaterialDescriptor stranger(id + 100, {});
    stranger.setMetaData("x", "y");
    EXPECT_FALSE(stranger.hasMaterialIds());
    EXPECT_FALSE(api.applyDescriptor(stranger));
    EXPECT_EQ(recordList(id), (Entries{{"a", "1"}}));

    ZMaterialApi detached(nullptr);
    EXPECT_EQ(detached.descriptor(id), nullptr);
    EXPECT_FALSE(detached.applyDescriptor(*api.descriptor(id)));
}

TEST_F(MaterialApiTest, ApplyRewritesTheListInKeyOrder)
{
    const orb::MaterialId id = create({{"z", "26"}, {"b", "2"}, {"a", "1"}}, {}, "Body", {5});
    auto d = api.descriptor(id);
    d->removeMetaData("a");
    d->setMetaData(CMFKey::Finish, "matte");
    d->setMetaData("c", "");
    d->setProperty("x", 1);
    ASSERT_TRUE(api.applyDescriptor(*d));

    // The key order and the rewritten texts are pinned by the materials transcript.
    EXPECT_EQ(runtime.materialContent(id).value().materialIds, std::vector<orb::MaterialId>{5});

    // Emptied metadata empties the list; applying again changes nothing more.
    d->metaData().clear();
    ASSERT_TRUE(api.applyDescriptor(*d));
    ASSERT_TRUE(api.applyDescriptor(*d));
    EXPECT_EQ(recordList(id), Entries{});
    d->setMetaData("k", "v");
    ASSERT_TRUE(api.applyDescriptor(*d));
    EXPECT_GT(orb::memoryStats().allocations, leakCheck.start.allocations);  // the list lives in the renderer heap
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

TEST(MaterialDescriptor, MetaDataIsCreatedLazilyAndCopiedOnWrite)
{
    ZMaterialDescriptor d(7, {});
    EXPECT_TRUE(d.properties().is_null());

    // Reads, empty keys and removals do not create a body.
    EXPECT_FALSE(d.hasMetaData("missing"));
    d.setMetaData("", "x");
    d.removeMetaData("missing");
    EXPECT_FALSE(d.metaData().isDetached());  // no body

    d.setMetaData("b", "2");
    d.setMetaData("a", "1");
    const MaterialMetaData snapshot = d.metaData();
    ASSERT_TRUE(snapshot.isSharedWith(d.metaData()));

    // Edits that change nothing keep sharing the body.
    d.removeMetaData("missing");
    d.setMetaData("", "x");
    EXPECT_TRUE(snapshot.isSharedWith(d.metaData()));

    d.setMetaData("a", "changed");
    d.removeMetaData("b");
    EXPECT_EQ(d.metaData().toStdMap(), (std::map<std::string, std::string>{{"a", "changed"}}));
    EXPECT_EQ(snapshot.toStdMap(), (std::map<std::string, std::string>{{"a", "1"}, {"b", "2"}}));

    d.metaData()["c"] = "3";  // the writable holder
    EXPECT_EQ(d.metaData("c"), "3");
    EXPECT_FALSE(snapshot.contains("c"));
}

TEST(MaterialDescriptor, KeyedPropertyAccess)
{
    using Action = std::function<Json(IMaterialDescriptor&)>;
    const Action remove = [](auto& d) { d.removeProperty("k"); return Json(); };
    const Action get = [](auto& d) { return d.property("k"); };
    auto set = [](Json value) -> Action { return [value](auto& d) { d.setProperty("k", value); return Json(); }; };
    const struct Case {
        const char* name;
        Json start;
        Action action;
        Json result;  // what the action returns, if anything
        Json properties;
    } cases[] = {
        {"remove on null", Json(), remove, Json(), Json::object()},
        {"remove on discarded", Json(Json::value_t::discarded), remove, Json(), Json::object()},
        {"remove present", Json{{"k", 1}, {"m", 2}}, remove, Json(), Json{{"m", 2}}},
        {"set on null", Json(), set(Json{1, 2}), Json(), Json{{"k", {1, 2}}}},
        {"get absent creates null", Json{{"m", 2}}, get, Json(), Json{{"k", nullptr}, {"m", 2}}},
        {"get on null", Json(), get, Json(), Json{{"k", nullptr}}},
        // A top level that is no object is left alone by keyed access.
        {"set on array", Json{1, 2}, set(1), Json(), Json{1, 2}},
        {"get on number", Json(5), get, Json(), Json(5)},
        {"remove on string", Json("s"), remove, Json(), Json("s")},
    };
    for (const Case& c : cases) {
        ZMaterialDescriptor d(1, {});
        d.setProperties(c.start);
        EXPECT_EQ(c.action(d), c.result) << c.name;
        EXPECT_EQ(d.properties(), c.properties) << c.name;
    }
}
