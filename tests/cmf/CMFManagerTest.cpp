#include "support/EventRecorder.h"

#include <zsg/cmf/ZCMFManager.h>
#include <zsg/cmf/ZCMFSchema.h>
#include <zsg/platform/ZTaskQueue.h>
#include <zsg/platform/ZUndoStack.h>
#include <zsg/scenegraph/ISceneGraph.h>

#include <orbmem/MemoryRuntime.h>

#include <gtest/gtest.h>

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

    ZCMFManager withoutGraph(nullptr);  // nothing to announce to
    withoutGraph.setSchema(empty);
    EXPECT_EQ(withoutGraph.schema(), empty);
}
