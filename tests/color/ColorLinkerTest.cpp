#include "ColorTestSupport.h"
#include "support/EventRecorder.h"

#include <zsg/color/ColorController.h>
#include <zsg/color/ColorDB.h>
#include <zsg/color/IColorLinkHandler.h>
#include <zsg/color/ZColorLinker.h>
#include <zsg/platform/ZUndoStack.h>
#include <zsg/scenegraph/ZEventQueue.h>

#include <orbmem/MemorySceneMaterialManager.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>

using namespace zsg;
using namespace zsg::test;
using ::testing::Return;
using ::testing::StrictMock;
using Names = std::vector<std::string>;

namespace {

class MockLinkHandler : public IColorLinkHandler {
public:
    MOCK_METHOD(bool, shouldLinkToExisting, (), (override));
};

class ColorLinkerTest : public ::testing::Test {
protected:
    test::LeakCheck leakCheck;
    orb::MemoryRuntime memory;
    orb::MemorySceneMaterialManager sceneMaterials{memory};
    ZEventQueue queue;
    ColorDB db{&queue, &memory};
    ZUndoStack undo;
    ColorController controller{&db, &sceneMaterials, &undo};
    test::EventRecorder recorder{&queue};
    StrictMock<MockLinkHandler> handler;
    std::unique_ptr<IColorLinker> linker = db.getColorLinker(&controller, &handler);
};

TEST_F(ColorLinkerTest, ConflictsAreLinkedOrRenamedOnOneAnswer)
{
    struct Row { bool active, link, applyValue; Names names; bool linked; float red; int steps; };
    const Row rows[] = {
        {true, true, true, {"Red", "Blue", "Green"}, true, 1.0f, 2},  // the scene takes the incoming value
        {true, true, false, {"Red", "Blue", "Green"}, true, 0.5f, 0},
        {true, false, true, {"Red 1", "Blue 1", "Green"}, false, 1.0f, 0},
        {false, true, true, {"Red", "Blue", "Green"}, false, 1.0f, 0},  // unused by active materials: no conflict
    };
    const orb::ColorId red = memory.createColor("Red", {0.5f, 0, 0, 1});
    const orb::ColorId blue = memory.createColor("Blue", {0, 0, 0.5f, 1});
    const orb::MaterialId materials[] = {memory.createMaterial("Red", {red}), memory.createMaterial("Blue", {blue})};
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "link " << row.link << " apply " << row.applyValue
                                          << " active " << row.active);
        for (orb::MaterialId material : materials)
            sceneMaterials.setMaterialActive(material, row.active);
        ON_CALL(handler, shouldLinkToExisting()).WillByDefault(Return(row.link));
        EXPECT_CALL(handler, shouldLinkToExisting()).Times(row.active ? 1 : 0);

        const ZColorExt result = linker->resolveConflicts(
            test::newMulti("Flag", {rgb(1, 0, 0, "Red"), rgb(0, 0, 1, "Blue"), rgb(0, 1, 0, "Green")}),
            row.applyValue, false);
        ::testing::Mock::VerifyAndClearExpectations(&handler);

        EXPECT_EQ((Names{result.getName(0), result.getName(1), result.getName(2)}), row.names);
        EXPECT_EQ((Ids{result.getSubColorId(0), result.getSubColorId(1), result.getSubColorId(2)}),
                  row.linked ? Ids({red, blue, None}) : Ids({None, None, None}));
        EXPECT_FLOAT_EQ(result.color(0).component(0), row.red);
        EXPECT_EQ(undo.count(), row.steps);
        const QStringList announced = row.steps ? QStringList{updated(red), updated(blue)}
                                                : QStringList();
        EXPECT_EQ(recorder.take(), announced);
        while (undo.undo()) {}
        undo.clear();
        recorder.take();
        EXPECT_FLOAT_EQ(db.colorFromId(red).color(0).component(0), 0.5f);
    }
}

// Sub colours come from the source's renderer colours; with skipExisting, those the
// target lists already (or the target itself) are left out.
TEST_F(ColorLinkerTest, AddsTheSourcesColorsAsSubColors)
{
    const orb::ColorId red = memory.createColor("Red", {1, 0, 0, 1});
    const orb::ColorId green = memory.createColor("Green", {0, 1, 0, 1});
    const orb::ColorId blue = memory.createColor("Blue", {0, 0, 1, 1});
    const orb::ColorId both = memory.createMultiColor("Both", {blue, red});
    const struct { const char* what; orb::ColorId source; bool skip; Ids expected; } rows[] = {
        {"a new plain colour", blue, true, {red, green, blue}},
        {"a listed plain colour", red, true, {red, green}},
        {"the target itself", None, true, {red, green}},
        {"a colour value without id", 4242, true, {red, green}},
        {"a multi colour, listed ones skipped", both, true, {red, green, blue}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const orb::ColorId flag = memory.createMultiColor("Flag", {red, green});
        ZColorExt target = db.colorFromId(flag);
        const ZColorExt source = row.source == None ? target : row.source == 4242 ? ZColorExt() : db.colorFromId(row.source);
        linker->addSubColorsFrom(target, source, row.skip);
        const ZColorExt result = db.colorFromId(flag);
        Ids subs;
        for (int i = 0; i < result.nColors(); ++i)
            subs.push_back(result.getSubColorId(i));
        EXPECT_EQ(subs, row.expected);
        undo.clear();
    }
}

} // namespace
