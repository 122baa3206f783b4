#include "ColorTestSupport.h"

#include <zsg/color/ZColorExtEdit.h>
#include <zsg/color/ZColorSettingsEdit.h>
#include <zsg/color/ZColorwayEdit.h>

#include <orbmem/MemoryRuntime.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace zsg;
using namespace zsg::test;

namespace {

class ColorViews : public ::testing::Test {
protected:
    std::unique_ptr<ZColorExtEdit> colorView(orb::ColorId id)
    {
        return std::make_unique<ZColorExtEdit>(&runtime, runtime.colorRecord(id));
    }
    // A multi colour view with sub colours 1, 2, 3 (ids need not exist), 1 active, clean.
    std::unique_ptr<ZColorExtEdit> multiView()
    {
        auto view = colorView(runtime.createColor("Multi", {0, 0, 0, 1}));
        view->setFlag(IColorExtEdit::MultiColorFlag);
        const Ids subs{1, 2, 3};
        view->setSubColors({subs.data(), subs.size()});
        view->clearDirty();
        return view;
    }

    test::LeakCheck leakCheck;
    orb::MemoryRuntime runtime;
};

TEST_F(ColorViews, MissingFieldsReadDefaultsAndIgnoreWrites)
{
    orb::FieldEntry color{"color", {}};
    orb::Record noFields;
    noFields.kind = orb::ColorRecord;
    orb::Record wrongKind;  // a colorway record with a "color" field: not taken
    wrongKind.kind = orb::ColorwayRecord;
    wrongKind.fields = &color;
    wrongKind.fieldCount = 1;

    // Without a runtime the view cannot commit or copy; the record of another
    // kind is not taken even with one.
    const std::pair<orb::Record*, orbRT_api*> cases[] = {{&noFields, nullptr}, {&wrongKind, &runtime}};
    for (auto [record, rtApi] : cases) {
        ZColorExtEdit view(rtApi, record);
        const Ids ids{1, 2};
        view.setColor({1, 1, 1, 1});
        view.setDisplayName("Red");
        view.setFlag(IColorExtEdit::MultiColorFlag);
        view.setSubColors({ids.data(), ids.size()});
        view.insertSubColors({ids.data(), ids.size()}, 0);
        view.setActiveSub(1);
        EXPECT_FALSE(view.removeSubColors({ids.data(), 1}));

        EXPECT_EQ(view.id(), None);
        EXPECT_EQ(view.displayName(), "");
        const orbColor_rgba c = view.color();
        EXPECT_TRUE(c.r == 0 && c.g == 0 && c.b == 0 && c.a == 1);
        EXPECT_FALSE(view.hasFlag(~0u));
        EXPECT_TRUE(view.subColors().empty());
        EXPECT_EQ(view.activeSub(), None);
        EXPECT_EQ(view.indexOfSubColor(1), None);
        EXPECT_EQ(view.changeCount(), 0u);
        EXPECT_FALSE(view.isDirty());
        EXPECT_FALSE(view.commit(true));
        EXPECT_EQ(view.copy(7), nullptr);
    }
    ZColorwayEdit colorway(&runtime, &noFields);  // a colour record: not taken
    EXPECT_EQ(colorway.id(), None);
    EXPECT_TRUE(colorway.multiColors().empty());
    EXPECT_FALSE(colorway.commit(true));
}

TEST_F(ColorViews, ChangeCounterCountsEffectiveChangesOnly)
{
    struct Case {
        const char* what;
        std::function<void(ZColorExtEdit&)> edit;
        std::uint32_t changes;
        orb::ColorId activeAfter;
    };
    const Case cases[] = {
        {"same name twice", [](auto& v) { v.setDisplayName("Red"); v.setDisplayName("Red"); }, 1, 1},
        {"name it already has", [](auto& v) { v.setDisplayName("Multi"); }, 0, 1},
        {"colour", [](auto& v) { v.setColor({0.5f, 0, 0, 1}); }, 1, 1},
        {"colour it already has", [](auto& v) { v.setColor({0, 0, 0, 1}); }, 0, 1},
        {"flag already set", [](auto& v) { v.setFlag(IColorExtEdit::MultiColorFlag | 4); }, 0, 1},
        {"flag not set", [](auto& v) { v.setFlag(4); }, 1, 1},
        {"clear flag not set", [](auto& v) { v.clearFlag(4); }, 0, 1},
        {"replace the active sub colour", [](auto& v) { v.replaceSubColor(1, 9); }, 2, 9},
        {"replace another sub colour", [](auto& v) { v.replaceSubColor(2, 9); }, 1, 1},
        {"replace by a listed sub colour", [](auto& v) { v.replaceSubColor(1, 2); }, 0, 1},
        {"replace an unlisted one", [](auto& v) { v.replaceSubColor(8, 9); }, 0, 1},
        {"replace by none", [](auto& v) { v.replaceSubColor(1, None); }, 0, 1},
        {"same sub colours", [](auto& v) { const Ids s{1, 2, 3}; v.setSubColors({s.data(), s.size()}); }, 0, 1},
        {"active sub colour", [](auto& v) { v.setActiveSub(3); v.setActiveSub(3); }, 1, 3},
        {"mark dirty", [](auto& v) { v.markDirty(); }, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto view = multiView();
        const std::uint32_t before = view->changeCount();
        c.edit(*view);
        EXPECT_EQ(view->changeCount() - before, c.changes);
        EXPECT_EQ(view->isDirty(), c.changes > 0);
        EXPECT_EQ(view->activeSub(), c.activeAfter);
    }
    auto plain = colorView(runtime.createColor("Plain", {}));
    const Ids subs{1, 2};
    plain->setSubColors({subs.data(), subs.size()});
    const std::uint32_t before = plain->changeCount();
    plain->replaceSubColor(1, 9);  // sub colours of a plain colour are not its own
    EXPECT_EQ(plain->changeCount(), before);
    EXPECT_FALSE(plain->hasSubColor(1));
    EXPECT_EQ(plain->indexOfSubColor(1), None);
}

TEST_F(ColorViews, ColorwayRecordsAreMadeConsistent)
{
    const struct {
        const char* what;
        Ids multis, subs, expectedMultis, expectedSubs;
        bool dirty;
    } cases[] = {
        {"consistent", {1, 2}, {10, 20}, {1, 2}, {10, 20}, false},
        {"more multi colours", {1, 2, 3}, {10, 20}, {1, 2}, {10, 20}, true},
        {"more sub colours", {1}, {10, 20}, {1}, {10}, true},
        {"repeated multi colour", {5, 3, 5}, {50, 30, 51}, {3, 5}, {30, 50}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ZColorwayEdit view(&runtime, runtime.colorwayRecord(runtime.createColorway("", c.multis, c.subs)));
        EXPECT_EQ(toVector(view.multiColors()), c.expectedMultis);
        EXPECT_EQ(toVector(view.activeSubs()), c.expectedSubs);
        EXPECT_EQ(view.isDirty(), c.dirty);
    }
}

// A pair already listed moves; one listed before the position shifts it down.
// A pair at the position itself is not before it, so re-inserting it there keeps the order.
TEST_F(ColorViews, SettingsAreDirtyOnlyAfterAChange)
{
    ZColorSettingsEdit settings(&runtime, runtime.colorSettingsRecord());
    const orb::ColorwayId active = settings.activeColorwayId();
    settings.setActiveColorwayId(active);
    EXPECT_FALSE(settings.isDirty());
    settings.setActiveColorwayId(active + 1);
    EXPECT_TRUE(settings.isDirty());
    EXPECT_EQ(settings.activeColorwayId(), active + 1);
    EXPECT_TRUE(settings.commit(false));
    EXPECT_FALSE(settings.isDirty());
    EXPECT_FALSE(settings.commit(false));
    EXPECT_EQ(ZColorSettingsEdit(&runtime, runtime.colorSettingsRecord()).activeColorwayId(), active + 1);

    // Without a runtime the view neither commits nor releases: the record stays the caller's.
    orb::Record* record = runtime.colorSettingsRecord();
    {
        ZColorSettingsEdit unowned(nullptr, record);
        EXPECT_FALSE(unowned.commit(true));
    }
    runtime.releaseColorSettings(record);
}

TEST_F(ColorViews, ColorwayInsertsPairsAtTheirPosition)
{
    using P = MultiColorPair;
    const struct {
        const char* what;
        std::vector<P> pairs;
        int position;
        Ids multis, subs;
    } cases[] = {
        {"own slot", {{2, 21}}, 1, {1, 2, 3}, {10, 21, 30}},
        {"to the front", {{2, 21}}, 0, {2, 1, 3}, {21, 10, 30}},
        {"first to one before the last", {{1, 11}}, 2, {2, 1, 3}, {20, 11, 30}},
        {"first to the end", {{1, 11}}, 3, {2, 3, 1}, {20, 30, 11}},
        {"new pair, negative position", {{4, 40}}, -1, {1, 2, 3, 4}, {10, 20, 30, 40}},
        {"new pair past the end", {{4, 40}}, 99, {1, 2, 3, 4}, {10, 20, 30, 40}},
        {"new pair before the last", {{4, 40}}, 2, {1, 2, 4, 3}, {10, 20, 40, 30}},
        {"two pairs, one from before", {{3, 31}, {1, 11}}, 1, {3, 1, 2}, {31, 11, 20}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ZColorwayEdit view(&runtime, runtime.colorwayRecord(runtime.createColorway("", {1, 2, 3}, {10, 20, 30})));
        view.insertMultiColors({c.pairs.data(), c.pairs.size()}, c.position);
        EXPECT_EQ(toVector(view.multiColors()), c.multis);
        EXPECT_EQ(toVector(view.activeSubs()), c.subs);
        EXPECT_TRUE(view.isDirty());
    }
}

} // namespace
