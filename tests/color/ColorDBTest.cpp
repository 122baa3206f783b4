#include "ColorTestSupport.h"
#include "support/EventRecorder.h"

#include <zsg/color/ColorController.h>
#include <zsg/color/ColorDB.h>
#include <zsg/color/ZColorExtEdit.h>
#include <zsg/scenegraph/ZEventQueue.h>

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <zsg/platform/ZUndoStack.h>

#include <functional>
#include <memory>

using namespace zsg;
using namespace zsg::test;

namespace {

// Counts record fetches, and can hide its scene as a runtime without a loaded scene would.
struct CountingRuntime : orb::MemoryRuntime {
    int colorFetches = 0;
    int colorwayFetches = 0;
    bool hideScene = false;
    int copiesBeforeFailure = -1;  // copies that succeed before one fails; -1: none fails

    orbScene* scene() override { return hideScene ? nullptr : MemoryRuntime::scene(); }
    orb::Record* colorRecord(orb::ColorId id) override
    {
        ++colorFetches;
        return MemoryRuntime::colorRecord(id);
    }
    orb::Record* copyRecord(const orb::Record* record, int flags) override
    {
        return copiesBeforeFailure-- == 0 ? nullptr : MemoryRuntime::copyRecord(record, flags);
    }
    orb::Record* colorwayRecord(orb::ColorwayId id) override
    {
        ++colorwayFetches;
        return MemoryRuntime::colorwayRecord(id);
    }
};

class ColorDBTest : public ::testing::Test {
protected:
    QStringList events() { return recorder->take(); }

    ZColorExt pushMulti(const std::string& name, const QList<ZColor>& subs)
    {
        ZColorExt color = test::newMulti(name, subs);
        db->pushColor(color);
        return color;
    }

    test::LeakCheck leakCheck;
    CountingRuntime runtime;
    std::unique_ptr<ZEventQueue> queue = std::make_unique<ZEventQueue>();
    std::unique_ptr<ColorDB> db = std::make_unique<ColorDB>(queue.get(), &runtime);
    std::unique_ptr<test::EventRecorder> recorder = std::make_unique<test::EventRecorder>(queue.get());
};

TEST_F(ColorDBTest, PushingANewMultiColorCreatesAndAnnouncesInOrder)
{
    db->createColor("Flag", orbColor_extended::Multi);  // the new multi colour must take another name
    db->createColor("Red", orbColor_extended::Plain);   // sub colours keep theirs (the color transcript pins it)
    ZColorExt flag = pushMulti("Flag", {rgb(1, 0, 0, "Red"), rgb(0, 0, 1, "Blue")});
    const orb::ColorId red = flag.getSubColorId(0);
    const orb::ColorId blue = flag.getSubColorId(1);
    const orb::ColorId multi = flag.getId();
    ASSERT_TRUE(red != None && blue != None && multi != None);

    events();  // their order: the color transcript pins it
    EXPECT_EQ(flag.getColorName(), "Flag 1");
    EXPECT_EQ(flag.revision(), db->getColorParameters(multi)->changeCount());
    EXPECT_EQ(db->colorFromId(multi), flag);

    // Nothing changed: nothing committed, nothing announced.
    db->pushColor(flag);
    db->pushColor(multi);
    EXPECT_EQ(events(), QStringList());

    // Back to a plain colour: the sub colour list goes.
    ZColorExt plain = flag;
    plain.setMultiColor(false);
    db->pushColor(plain);
    EXPECT_TRUE(db->getColorParameters(multi)->subColors().empty());
    EXPECT_EQ(events(), QStringList({updated(multi)}));
}

TEST_F(ColorDBTest, IdListsAreFetchedOnlyWhenTheRevisionChanges)
{
    auto liveArrays = [this] { return orb::memoryStats().arrays - leakCheck.start.arrays; };
    EXPECT_TRUE(db->colors().empty());  // the renderer's revision 0 matches the initial stamp
    EXPECT_EQ(liveArrays(), 0);

    const orb::ColorId multi = db->createColor("M", orbColor_extended::Multi);
    orbScene_api* scene = orb_get_scene_api(runtime.scene());
    scene->begin_color(orb::InvalidId);
    scene->set_attribute("display_name", 10, "A");
    orb::Record* own = scene->end_color();  // the scene's own record
    const orb::ColorId a = own->id;
    EXPECT_EQ(toVector(db->colors()), Ids{a});
    EXPECT_EQ(toVector(db->multiColors()), Ids{multi});
    EXPECT_EQ(liveArrays(), 3);  // colours, named colours, multi colours

    // A change the revision does not announce stays unseen: the lists are cached.
    ZColorExtEdit(nullptr, own).setFlag(IColorExtEdit::MultiColorFlag);
    EXPECT_EQ(toVector(db->colors()), Ids{a});
    EXPECT_EQ(toVector(db->multiColors()), Ids{multi});
    EXPECT_EQ(db->namedColors(), (Ids{multi, a}));  // never cached

    const orb::ColorId b = db->createColor("B", orbColor_extended::Plain);
    EXPECT_EQ(toVector(db->colors()), Ids{b});
    EXPECT_EQ(toVector(db->multiColors()), (Ids{multi, a}));  // its own stamp, refetched on its own
    EXPECT_EQ(liveArrays(), 3);

    const orb::ColorwayId colorway = db->createColorway();
    EXPECT_EQ(toVector(db->colorways()), Ids{colorway});
    runtime.hideScene = true;
    EXPECT_TRUE(db->colorways().empty());
    EXPECT_EQ(liveArrays(), 4);  // the cached colorway array survives
    runtime.hideScene = false;
    EXPECT_EQ(toVector(db->colorways()), Ids{colorway});
}

TEST_F(ColorDBTest, ViewsAreCachedUntilASnapshotReplacesThem)
{
    const orb::ColorId id = db->createColor("Red", orbColor_extended::Plain);
    ZColorExtEdit* view = db->getColorParameters(id);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(db->getColorParameters(id), view);
    EXPECT_EQ(runtime.colorFetches, 1);
    EXPECT_EQ(db->getColorParameters(4242), nullptr);
    EXPECT_EQ(db->getColorParameters(4242), nullptr);
    EXPECT_EQ(runtime.colorFetches, 3);  // a missing record is asked for again

    view->setColor({0, 0, 1, 1});
    const std::uint32_t revision = view->changeCount();
    std::unique_ptr<ZColorExtEdit> snapshot = view->copy(id);
    snapshot->setColor({0, 1, 0, 1});
    db->setColorEdit(snapshot.get());
    ZColorExtEdit* restored = db->getColorParameters(id);
    EXPECT_NE(restored, view);
    EXPECT_GT(restored->changeCount(), revision);  // a revision never goes back
    EXPECT_EQ(restored->color().g, 1.0f);
    EXPECT_FALSE(restored->isDirty());
    EXPECT_EQ(events(), QStringList({updated(id)}));

    const orb::ColorwayId colorway = db->createColorway();
    EXPECT_EQ(db->getColorwayParameters(colorway), db->getColorwayParameters(colorway));
    EXPECT_EQ(runtime.colorwayFetches, 1);
}

// The color transcript pins the synced event; it must not outlive the database or the queue.
TEST_F(ColorDBTest, ColorwaySyncedIsDroppedWithTheDatabaseOrTheQueue)
{
    db->createColorway();
    events();
    db.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(events(), QStringList());

    // Pending when the queue goes: dropped with it, never run.
    db = std::make_unique<ColorDB>(queue.get(), &runtime);
    db->createColorway();
    recorder.reset();
    queue.reset();
    QCoreApplication::processEvents();
}

TEST_F(ColorDBTest, ApplyingAColorway)
{
    ZColorExt flag = pushMulti("Flag", {rgb(1, 0, 0), rgb(0, 0, 1)});
    const orb::ColorId multi = flag.getId();
    const orb::ColorId first = flag.getSubColorId(0);
    const orb::ColorId second = flag.getSubColorId(1);
    runtime.createMaterial("Paint", {multi});  // colorways drop multi colours nothing uses
    const orb::ColorwayId summer = runtime.createColorway("Summer", {multi}, {second});
    const orb::ColorwayId winter = runtime.createColorway("Winter", {multi}, {first});
    const orb::ColorwayId empty = runtime.createColorway("", {}, {});
    // A record whose lists disagree in length reads as an empty colorway.
    const orb::ColorwayId broken = runtime.createColorway("", {multi}, {});
    db->getColorwayParameters(winter)->setActive(true);
    db->pushColorway(winter);
    ASSERT_EQ(db->activeColorwayId(), winter);
    QCoreApplication::processEvents();
    events();

    for (orb::ColorwayId refused : {empty, broken}) {
        db->applyColorway(refused);
        EXPECT_EQ(db->activeColorwayId(), winter);
        EXPECT_EQ(events(), QStringList());
    }

    db->applyColorway(summer);
    ASSERT_EQ(db->activeColorwayId(), summer);
    // Deactivated while active: no colorway is active any more.
    db->getColorwayParameters(summer)->setActive(false);
    db->pushColorway(summer);
    EXPECT_EQ(db->activeColorwayId(), None);
}

TEST_F(ColorDBTest, InvalidIdsAndMissingRecordsDoNothing)
{
    db->createColor("Red", orbColor_extended::Plain);
    events();
    const int sceneChanges = runtime.sceneChangedCount();
    for (orb::ColorId id : {None, orb::ColorId(4242)}) {
        SCOPED_TRACE(id);
        db->pushColor(id);
        db->pushColorway(id);
        db->applyColorway(id);
        db->checkForUnusedMultiColors(id);
        db->handleColorwayActivated(id);
        db->setActiveSubColor({id, id});
        EXPECT_EQ(db->clone(id), None);
        EXPECT_EQ(db->cloneRecursively(id), None);
        EXPECT_EQ(db->multiColorFromColor(id), None);
        EXPECT_EQ(db->colorFromId(id), ZColorExt());
        EXPECT_EQ(db->getColorParameters(id), nullptr);
        EXPECT_EQ(db->getColorwayParameters(id), nullptr);
        EXPECT_EQ(db->colorwayName(id), "");
        EXPECT_EQ(db->totalSceneReferenceCount(id), 0u);
        EXPECT_TRUE(db->getMaterialsUsingColor(id, 1, false).empty());
    }
    db->setColorEdit(nullptr);
    db->setColorwayEdit(nullptr);

    QCoreApplication::processEvents();
    EXPECT_EQ(events(), QStringList());
    EXPECT_EQ(runtime.sceneChangedCount(), sceneChanges);
    EXPECT_EQ(runtime.lockDepth(), 0);
    EXPECT_EQ(orb::memoryStats().records, leakCheck.start.records);

    // A sub colour without a record has no entry; the active index counts entries.
    const orb::ColorId red = runtime.createColor("Red", {1, 0, 0, 1});
    const orb::ColorId green = runtime.createColor("Green", {0, 1, 0, 1});
    const orb::ColorId multi = runtime.createMultiColor("Flag", {green});
    const orb::ColorId subs[] = {4242, red, green};
    db->getColorParameters(multi)->setSubColors({subs, 3});
    const ZColorExt flag = db->colorFromId(multi);
    EXPECT_EQ(flag.nColors(), 2);
    EXPECT_EQ(flag.getSubColorId(flag.activeIndex()), green);
}

// When the after-snapshot cannot be taken, the live view is put back and nothing is pushed.
TEST_F(ColorDBTest, AFailedSnapshotLeavesTheColorAsItWas)
{
    ZUndoStack stack;
    ColorController controller(db.get(), nullptr, &stack);
    const orb::ColorId red = runtime.createColor("Red", {1, 0, 0, 1});
    const orb::ColorId green = runtime.createColor("Green", {0, 1, 0, 1});
    const orb::ColorId flag = runtime.createMultiColor("Flag", {red, green});
    const Ids two{red, green};
    const std::vector<std::pair<const char*, std::function<void()>>> edits = {
        {"remove sub colours", [&] { EXPECT_FALSE(controller.removeSubColors(flag, {two.data(), 1})); }},
        {"rename", [&] { controller.setDisplayName(flag, "Banner"); }},
    };
    for (const auto& [what, edit] : edits) {
        SCOPED_TRACE(what);
        runtime.copiesBeforeFailure = 1;
        edit();
        EXPECT_EQ(stack.count(), 0);
        ZColorExtEdit* view = db->getColorParameters(flag);
        EXPECT_EQ(toVector(view->subColors()), two);
        EXPECT_EQ(view->displayName(), "Flag");
        EXPECT_EQ(db->colorFromId(flag).getColorName(), "Flag");
    }
}

// A colour value without an id becomes a colour of the scene; one with an id is that colour.
TEST_F(ColorDBTest, IdFromColorPushesOnlyNewColors)
{
    const orb::ColorId red = runtime.createColor("Red", {1, 0, 0, 1});
    const std::size_t before = db->colors().size();
    EXPECT_EQ(db->idFromColor(db->colorFromId(red)), red);
    EXPECT_EQ(db->colors().size(), before);
    const orb::ColorId made = db->idFromColor(test::newMulti("Flag", {rgb(0, 1, 0)}));
    EXPECT_NE(made, None);
    EXPECT_NE(made, red);
    EXPECT_EQ(db->colorFromId(made).getColorName(), "Flag");
}

} // namespace
