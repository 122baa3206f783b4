#include <zsg/color/ColorModels.h>
#include <zsg/platform/ZColor.h>
#include <zsg/platform/ZColorExt.h>

#include <gtest/gtest.h>

using namespace zsg;

namespace {

bool sameRgba(const orbColor_rgba& a, const orbColor_rgba& b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}

// A multi colour of three sub colours with ids 10, 11, 12, the second one active.
ZColorExt threeColors()
{
    ZColorExt c;
    c.setId(5);
    c.setMultiColor(true);
    c.setColorName("Multi");
    c.setColors({{ZColor(ZColor::RGB, 1, 0, 0, 0, 1, "Red"), 10},
                 {ZColor(ZColor::HSV, 120, 1, 1, 0, 0.5f, "Green"), 11},
                 {ZColor(ZColor::Lab, 50, 20, -30, 0, 1, "Blue"), 12}});
    c.setActiveIndex(1);
    return c;
}

} // namespace

TEST(ZColor, FromRgbaIsAnUnnamedRgbColour)
{
    const ZColor fromRgba(orbColor_rgba{0.1f, 0.2f, 0.3f, 0.4f});
    EXPECT_EQ(fromRgba, ZColor(ZColor::RGB, 0.1f, 0.2f, 0.3f, 0, 0.4f));
    EXPECT_EQ(fromRgba.component(4), 0.0f);
    EXPECT_EQ(fromRgba.component(-1), 0.0f);
}

TEST(ZColorExt, DefaultsArePlainOpaqueBlack)
{
    const ZColorExt c;
    EXPECT_EQ(c, ZColorExt(0, 0, 0));
    EXPECT_EQ(c, ZColorExtAlpha(0, 0, 0, 1));
    EXPECT_EQ(c.getId(), orb::InvalidId);
    EXPECT_FALSE(c.isMultiColor());
    EXPECT_EQ(c.nColors(), 1);
    EXPECT_EQ(c.activeIndex(), 0);
    EXPECT_TRUE(sameRgba(c.rgba(), {0, 0, 0, 1}));
}

TEST(ZColorExt, AlphaFlowsIntoRgbaAndSurvivesSlicing)
{
    const ZColorExtAlpha alpha(0.1f, 0.2f, 0.3f, 0.4f);
    EXPECT_TRUE(sameRgba(alpha.rgba(), {0.1f, 0.2f, 0.3f, 0.4f}));
    const ZColorExt part = alpha;
    EXPECT_TRUE(sameRgba(part.rgba(), {0.1f, 0.2f, 0.3f, 0.4f}));
    EXPECT_FALSE(part == ZColorExt(0.1f, 0.2f, 0.3f));
}

TEST(ZColorExt, MultiColorAccess)
{
    const ZColorExt c = threeColors();
    EXPECT_EQ(c.nColors(), 3);
    EXPECT_EQ(c.getSubColorId(2), 12u);
    EXPECT_EQ(c.getName(0), "Red");
    EXPECT_EQ(c.getIndexOfSubColor(12), 2);
    EXPECT_EQ(c.getIndexOfSubColor(99), -1);
    EXPECT_EQ(c.getActive(), c.color(1));
    // The colour-model functions decide what reaches the renderer.
    EXPECT_TRUE(sameRgba(c.rgba(), toRgba(c.color(1))));
    EXPECT_TRUE(sameRgba(c.subRgba(2), toRgba(c.color(2))));
    EXPECT_TRUE(sameRgba(c.rgba(), {0, 1, 0, 0.5f}));

    ZColorExt unnamed = c;
    unnamed.setSubColorId(0, orb::InvalidId);
    EXPECT_EQ(unnamed.getIndexOfSubColor(orb::InvalidId), -1);
    unnamed.setSubColorId(2, 11);
    EXPECT_EQ(unnamed.getIndexOfSubColor(11), 1);  // the first one
}

TEST(ZColorExt, OutOfRangeIndicesGiveDefaultsAndChangeNothing)
{
    for (int index : {-1, 3, 1000}) {
        SCOPED_TRACE(index);
        ZColorExt c = threeColors();
        const ZColorExt before = c;
        EXPECT_EQ(c.color(index), ZColor());
        EXPECT_EQ(c.getSubColorId(index), orb::InvalidId);
        EXPECT_EQ(c.getName(index), "");
        EXPECT_TRUE(sameRgba(c.subRgba(index), {0, 0, 0, 1}));

        c.setColor(index, ZColor(ZColor::RGB, 1, 1, 1), ZColorExt::TakeName);
        c.setSubColorId(index, 77);
        c.setName(index, "x");
        c.setActiveIndex(index);
        EXPECT_EQ(c, before);
        EXPECT_EQ(c.activeIndex(), 1);
    }

    ZColorExt shorter = threeColors();
    shorter.setActiveIndex(2);
    shorter.setColors({{ZColor(), 1}});
    EXPECT_EQ(shorter.activeIndex(), 0);

    ZColorExt empty;
    empty.setColors({});
    EXPECT_EQ(empty.getActive(), ZColor());
    EXPECT_TRUE(sameRgba(empty.rgba(), {0, 0, 0, 1}));
}

TEST(ZColorExt, Names)
{
    const ZColor newValue(ZColor::RGB, 0.2f, 0.4f, 0.6f, 0, 0.8f, "New");

    ZColorExt multi = threeColors();
    multi.setColor(0, newValue, ZColorExt::KeepName);
    EXPECT_EQ(multi.color(0), ZColor(ZColor::RGB, 0.2f, 0.4f, 0.6f, 0, 0.8f, "Red"));
    multi.setColor(1, newValue, ZColorExt::TakeName);
    EXPECT_EQ(multi.color(1), newValue);

    ZColorExt plain(ZColor(ZColor::RGB, 0, 0, 0, 0, 1, "Old"));
    EXPECT_EQ(plain.getColorName(), "Old");
    plain.setColor(0, newValue, ZColorExt::KeepName);
    EXPECT_EQ(plain.getColorName(), "Old");
    plain.setColor(0, newValue, ZColorExt::TakeName);
    EXPECT_EQ(plain.getColorName(), "New");

    // A plain colour has one name; a multi colour keeps its own apart.
    plain.setColorName("Renamed");
    EXPECT_EQ(plain.getName(0), "Renamed");
    plain.setName(0, "Again");
    EXPECT_EQ(plain.getColorName(), "Again");

    multi.setName(1, "Lime");
    EXPECT_EQ(multi.getColorName(), "Multi");
    multi.setColorName("Other");
    EXPECT_EQ(multi.getName(1), "Lime");
}

TEST(ZColorExt, EqualityIgnoresOnlyTheRevision)
{
    const ZColorExt base = threeColors();
    ZColorExt revised = base;
    revised.setRevision(42);
    EXPECT_EQ(revised, base);
    EXPECT_EQ(base.revision(), 0u);

    struct Change {
        const char* what;
        void (*apply)(ZColorExt&);
    } changes[] = {
        {"id", [](ZColorExt& c) { c.setId(6); }},
        {"multi flag", [](ZColorExt& c) { c.setMultiColor(false); }},
        {"colour name", [](ZColorExt& c) { c.setColorName("Other"); }},
        {"entry name", [](ZColorExt& c) { c.setName(2, "Navy"); }},
        {"sub colour id", [](ZColorExt& c) { c.setSubColorId(0, 20); }},
        {"active index", [](ZColorExt& c) { c.setActiveIndex(0); }},
        {"entry value", [](ZColorExt& c) { c.setColor(2, ZColor(ZColor::Lab, 51, 20, -30)); }},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.what);
        ZColorExt changed = base;
        change.apply(changed);
        EXPECT_FALSE(changed == base);
        EXPECT_EQ(base, threeColors());  // the shared original is untouched
    }
}

TEST(ZColorExt, CloneAndCopyData)
{
    const ZColorExt original = threeColors();
    ZColorExt clone = original.detachedClone();
    EXPECT_EQ(clone, original);
    clone.setId(99);
    clone.setName(0, "Changed");
    EXPECT_EQ(original.getId(), 5u);
    EXPECT_EQ(original.getName(0), "Red");

    // What the push of a clone found reaches the caller's value, revision included.
    clone.setRevision(7);
    ZColorExtAlpha target(1, 1, 1, 0.5f);
    target.copyDataFrom(clone);
    EXPECT_EQ(target.getId(), 99u);
    EXPECT_EQ(target.revision(), 7u);
    EXPECT_EQ(target, clone);
}
