#include "ColorTestSupport.h"
#include <zsg/color/ColorController.h>
#include <zsg/color/ColorDB.h>
#include <zsg/color/ZCreateColorwayCommand.h>
#include <zsg/color/ZLinkColorCommand.h>
#include <zsg/color/ISceneMaterial.h>
#include <zsg/color/ISceneMaterialManager.h>
#include <zsg/platform/ZUndoStack.h>
#include <zsg/scenegraph/ZEventQueue.h>

#include <orbmem/MemoryRuntime.h>
#include <orbmem/MemorySceneMaterialManager.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

using namespace zsg;
using namespace zsg::test;
using ::testing::InSequence;
using ::testing::Return;

namespace {

// A scene of colours Red (1), Green (2), Blue (3), the multi colour Flag over
// them, the colorway Summer choosing Green and Winter choosing Blue (Summer
// active), and a material Paint using Flag and Red twice.
class ColorControllerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        red = runtime->createColor("Red", {1, 0, 0, 1});
        green = runtime->createColor("Green", {0, 1, 0, 1});
        blue = runtime->createColor("Blue", {0, 0, 1, 1});
        flag = runtime->createMultiColor("Flag", {red, green, blue});
        paint = runtime->createMaterial("Paint", {flag, red, red});
        summer = runtime->createColorway("Summer", {flag}, {green});
        winter = runtime->createColorway("Winter", {flag}, {blue});
        runtime->activateColorway(summer);
        db.getColorwayParameters(summer);
        db.getColorwayParameters(winter);
    }

    void TearDown() override { stack.clear(); }  // the members then go in reverse, the leak check last

    test::LeakCheck leakCheck;
    std::unique_ptr<orb::MemoryRuntime> runtime = std::make_unique<orb::MemoryRuntime>();
    ZUndoStack stack;
    ZEventQueue queue;
    std::unique_ptr<ColorDB> colorDB = std::make_unique<ColorDB>(&queue, runtime.get());
    ColorDB& db = *colorDB;
    std::unique_ptr<orb::MemorySceneMaterialManager> materials =
        std::make_unique<orb::MemorySceneMaterialManager>(*runtime, &stack);
    std::unique_ptr<ColorController> controller = std::make_unique<ColorController>(&db, materials.get(), &stack);
    orb::ColorId red = None, green = None, blue = None, flag = None;
    orb::ColorwayId summer = None, winter = None;
    orb::MaterialId paint = None;
};

// A drag: every move merges into the first step; the release closes it.
TEST_F(ColorControllerTest, DragMergesIntoOneStepUntilReleased)
{
    db.getColorParameters(red);
    const std::int64_t recordsBefore = orb::memoryStats().records;
    controller->setColor(red, rgb(0.1f, 0, 0), ContinueMerge);
    const std::int64_t recordsAfterFirst = orb::memoryStats().records;
    for (int i = 2; i <= 50; ++i)
        controller->setColor(red, rgb(i / 100.0f, 0, 0), ContinueMerge);
    controller->setColor(red, rgb(0.9f, 0, 0, "Crimson"), FinishMerge);
    EXPECT_EQ(orb::memoryStats().records, recordsAfterFirst);  // no snapshot is kept per move

    controller->setColor(red, rgb(0, 0, 0), ContinueMerge);  // the closed step takes no more
    EXPECT_EQ(stack.count(), 2);
    stack.clear();
    EXPECT_EQ(orb::memoryStats().records, recordsBefore);

    // Edits of every other kind stay apart, also after an open drag.
    const Ids two = {red, blue};
    const std::vector<std::pair<const char*, std::function<void()>>> apart = {
        {"name", [&] { controller->setDisplayName(red, "Rose"); }},
        {"switch", [&] { controller->setActiveSubColor(flag, blue); }},
        {"flags", [&] { controller->setFlags(red, 8, true); }},
        {"set subs", [&] { controller->setSubColors(flag, {two.data(), 2}); }},
        {"move", [&] { controller->moveSubColors(flag, {two.data(), 1}, 2, None); }},
        {"unlink", [&] { controller->unlinkSubColor(flag, 0); }},
    };
    for (const auto& [what, run] : apart) {
        SCOPED_TRACE(what);
        controller->setColor(blue, rgb(0, 0, 0.5f), ContinueMerge);
        run();
        run();
        EXPECT_EQ(stack.count(), 3);
        while (stack.undo()) {}
        stack.clear();
    }
}

TEST_F(ColorControllerTest, OperationsThatMustNotPush)
{
    const Ids unknown = {99};
    const Ids self = {flag};
    const std::vector<std::pair<const char*, std::function<void()>>> cases = {
        {"sub colours of a plain colour", [&] { controller->setActiveSubColor(red, green); }},
        {"remove nothing", [&] { EXPECT_FALSE(controller->removeSubColors(flag, {unknown.data(), 1})); }},
        {"move unknown ids", [&] { controller->moveSubColors(flag, {unknown.data(), 1}, 0, None); }},
        {"change to a listed sub colour", [&] { controller->changeSubColor(flag, red, green); }},
        {"add the multi colour to itself", [&] { controller->addSubColors(flag, {self.data(), 1}, 0, None); }},
        {"change to the multi colour itself", [&] { controller->changeSubColor(flag, red, flag); }},
        {"switch to itself, linked", [&] { EXPECT_EQ(controller->addOrSwitchSubColor(flag, flag, true), None); }},
        {"unlink past the end", [&] { controller->unlinkSubColor(flag, 3); }},
        {"unknown colorway", [&] { controller->setDeleted(99, true); }},
        {"apply unknown colorway", [&] { controller->applyColorway(None); }},
        {"switch in a plain colour", [&] { EXPECT_EQ(controller->addOrSwitchSubColor(red, green, true), None); }},
        {"toggle nothing", [&] { EXPECT_EQ(controller->toggleMultiColor(None), None); }},
        {"add to a plain colour", [&] { EXPECT_EQ(controller->addSubColor(red, rgb(1, 1, 1), 0), None); }},
        {"link unused colour", [&] { controller->linkColor(green, blue); }},
    };
    const std::size_t colorsBefore = db.colors().size();
    for (const auto& [what, run] : cases) {
        SCOPED_TRACE(what);
        run();
        EXPECT_EQ(stack.count(), 0);
    }
    EXPECT_EQ(db.colors().size(), colorsBefore);

    // A link step writes one colour parameter of its material, both ways; a
    // material the host does not know fails both ways.
    ZLinkColorCommand link(controller.get(), red, blue, paint, 1);
    EXPECT_TRUE(link.redo());
    EXPECT_EQ(runtime->materialColors(paint), (Ids{flag, blue, red}));
    EXPECT_TRUE(link.undo());
    EXPECT_EQ(runtime->materialColors(paint), (Ids{flag, red, red}));
    EXPECT_EQ(stack.count(), 0);  // the step itself: nothing recorded again
    ZLinkColorCommand lost(controller.get(), red, blue, paint + 100, 1);
    EXPECT_FALSE(lost.redo());
    EXPECT_FALSE(lost.undo());

    EXPECT_FALSE(materials->setMaterialActive(paint + 100, true));

    // A colorway step whose colorway has no view reports failure both ways.
    ZCreateColorwayCommand stranger(&db, 99);
    EXPECT_FALSE(stranger.redo());
    EXPECT_FALSE(stranger.undo());
}

class MockSceneMaterial : public ISceneMaterial {
public:
    MOCK_METHOD(void, setColorParameter, (std::uint32_t, orb::ColorId), (override));
    MOCK_METHOD(void, beginColorChange, (), (override));
    MOCK_METHOD(void, updateMaterial, (bool, bool), (override));
    MOCK_METHOD(std::vector<std::uint32_t>, colorParameters, (orb::ColorId), (const, override));
};

class MockSceneMaterialManager : public ISceneMaterialManager {
public:
    MOCK_METHOD(ISceneMaterial*, sceneMaterial, (orb::MaterialId, std::uint32_t), (override));
    MOCK_METHOD(ISceneMaterial*, findSceneMaterial, (orb::MaterialId), (override));
    MOCK_METHOD(bool, isMaterialActive, (orb::MaterialId), (const, override));
};

TEST_F(ColorControllerTest, RelinkingCallsTheSceneMaterialsInOrder)
{
    MockSceneMaterialManager manager;
    MockSceneMaterial material;
    ColorController mocked(&db, &manager, &stack);
    {
        InSequence order;
        EXPECT_CALL(manager, findSceneMaterial(paint)).WillOnce(Return(nullptr));
        EXPECT_CALL(manager, sceneMaterial(paint, None)).WillOnce(Return(&material));
        EXPECT_CALL(material, colorParameters(red)).WillOnce(Return(std::vector<std::uint32_t>{1, 2}));
        EXPECT_CALL(material, beginColorChange());
        EXPECT_CALL(material, setColorParameter(1, blue));
        EXPECT_CALL(material, setColorParameter(2, blue));
        EXPECT_CALL(material, updateMaterial(true, true));
    }
    mocked.linkMaterialColors(red, blue);
    ::testing::Mock::VerifyAndClearExpectations(&manager);

    // Conflict checks ask about materials with the runtime locked throughout.
    EXPECT_CALL(manager, isMaterialActive(paint)).WillRepeatedly([&](orb::MaterialId) {
        EXPECT_GT(runtime->lockDepth(), 0);
        return true;
    });
    EXPECT_EQ(mocked.checkForConflict(ZColorExt(rgb(1, 0, 0, "Red"))).size(), 1u);
    EXPECT_EQ(runtime->lockDepth(), 0);
}

} // namespace
