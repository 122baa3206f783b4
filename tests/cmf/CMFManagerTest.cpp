#include "support/EventRecorder.h"

#include <zsg/cmf/CMFKey.h>
#include <zsg/cmf/ZCMFManager.h>
#include <zsg/cmf/ZCMFSchema.h>
#include <zsg/platform/ZTaskQueue.h>
#include <zsg/platform/ZUndoStack.h>
#include <zsg/scenegraph/ISceneGraph.h>

#include <orbmem/MemoryRuntime.h>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace zsg;

namespace {

class CMFManagerTest : public ::testing::Test {
protected:
    orb::MemoryRuntime runtime;
    ZTaskQueue taskQueue;
    ZUndoStack undoStack;
    std::unique_ptr<ISceneGraph> graph = ISceneGraph::create({&runtime, nullptr, nullptr, &taskQueue, &undoStack});
    ZCMFManager manager{graph.get()};
    test::EventRecorder events{graph->eventQueue()};
};

// Reads the manager's schema while the change is being announced.
class SchemaReader : public IEventListener {
public:
    explicit SchemaReader(const ICMFManager& manager) : m_manager(manager) {}
    void handleEvent(Event*) override { names << m_manager.schema().name; }
    QStringList names;

private:
    const ICMFManager& m_manager;
};

} // namespace

TEST_F(CMFManagerTest, StartsWithTheDefaultSchema)
{
    const ZCMFSchema& schema = manager.schema();
    EXPECT_EQ(schema.name, "default");
    const std::vector<CMFAttribute> expected = {
        {"Name", true, CMFAttributeKind::Text, {}},     {"Color", true, CMFAttributeKind::Text, {}},
        {"Finish", true, CMFAttributeKind::Text, {}},   {"Material", true, CMFAttributeKind::Text, {}},
        {"Vendor", true, CMFAttributeKind::Text, {}},   {"Reference Image", true, CMFAttributeKind::Image, {}},
        {"Notes", true, CMFAttributeKind::Text, {}},
    };
    EXPECT_EQ(schema.attributes, expected);
    EXPECT_EQ(manager.defaultSchema(), schema);
    EXPECT_TRUE(events.take().isEmpty());
}

TEST_F(CMFManagerTest, SetSchemaAnnouncesEveryCall)
{
    const ZCMFSchema& current = manager.schema();
    SchemaReader reader(manager);
    graph->eventQueue()->addListener(&reader, EventType::CMFSchemaChanged);

    ZCMFSchema empty;
    empty.name = "empty";
    manager.setSchema(empty);
    manager.setSchema(empty);
    manager.setSchema(current); // onto itself
    EXPECT_EQ(events.take(), QStringList({"CMFSchemaChanged", "CMFSchemaChanged", "CMFSchemaChanged"}));
    EXPECT_EQ(reader.names, QStringList({"empty", "empty", "empty"}));
    EXPECT_EQ(current, empty);

    ZCMFSchema custom = manager.defaultSchema();
    custom.attributes[0].hostData = "kept";
    manager.setSchema(custom);
    EXPECT_EQ(current, custom);
    EXPECT_EQ(manager.defaultSchema().attributes[0].hostData, "");
    graph->eventQueue()->removeListener(&reader);
}

TEST(CMFManagerNoQueueTest, SetSchemaWithoutSceneGraph)
{
    ZCMFManager manager(nullptr);
    ZCMFSchema schema;
    schema.name = "x";
    manager.setSchema(schema);
    EXPECT_EQ(manager.schema(), schema);
}

TEST(CMFKeyTest, KeyStrings)
{
    const std::pair<int, const char*> table[] = {
        {0, "CMF::TEXT::NAME"},   {1, "CMF::TEXT::COLOR"}, {2, "CMF::TEXT::MATERIAL"},     {3, "CMF::TEXT::FINISH"},
        {4, "CMF::TEXT::VENDOR"}, {5, "CMF::TEXT::NOTES"}, {6, "CMF::IMAGE::THUMBNAIL"},
    };
    EXPECT_EQ(cmfKeyString.size(), std::size(table));
    for (const auto& [key, text] : table)
        EXPECT_EQ(cmfKeyString.at(CMFKey(key)), text);
    for (int key : {7, -1}) {
        try {
            cmfKeyString.at(CMFKey(key));
            ADD_FAILURE() << key << " has a key string";
        } catch (const std::out_of_range& e) {
            EXPECT_STREQ(e.what(), "map::at");
        }
    }
}
