#include <zsg/color/ColorModels.h>
#include <zsg/platform/ZColor.h>
#include <zsg/platform/ZColorExt.h>

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>

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

std::uint32_t bits(float f) { return std::bit_cast<std::uint32_t>(f); }
float fromBits(std::uint32_t word) { return std::bit_cast<float>(word); }

} // namespace

TEST(ZColorExt, DefaultsAlphaAndMultiColorAccess)
{
    const ZColorExt plain;
    EXPECT_EQ(plain, ZColorExtAlpha(0, 0, 0, 1));
    EXPECT_EQ(plain.getId(), orb::InvalidId);
    EXPECT_EQ(plain.nColors(), 1);
    // Alpha flows into rgba() and survives slicing to the base class.
    const ZColorExt part = ZColorExtAlpha(0.1f, 0.2f, 0.3f, 0.4f);
    EXPECT_TRUE(sameRgba(part.rgba(), {0.1f, 0.2f, 0.3f, 0.4f}));
    EXPECT_FALSE(part == ZColorExt(0.1f, 0.2f, 0.3f));

    const ZColorExt c = threeColors();
    EXPECT_EQ(c.getIndexOfSubColor(12), 2);
    EXPECT_EQ(c.getIndexOfSubColor(99), -1);
    // The colour-model functions decide what reaches the renderer.
    EXPECT_TRUE(sameRgba(c.subRgba(2), toRgba(c.color(2))));
    EXPECT_TRUE(sameRgba(c.rgba(), {0, 1, 0, 0.5f}));
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

    // Components past either end read as 0, never as the alpha beside them.
    const ZColor cmyk(ZColor::CMYK, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f);
    EXPECT_EQ(cmyk.component(3), 0.4f);
    for (int index : {-1, 4, 5})
        EXPECT_EQ(cmyk.component(index), 0.0f) << index;

    ZColorExt shorter = threeColors();
    shorter.setActiveIndex(2);
    shorter.setColors({{ZColor(), 1}});
    EXPECT_EQ(shorter.activeIndex(), 0);

    ZColorExt empty;
    empty.setColors({});
    EXPECT_EQ(empty.getActive(), ZColor());
    EXPECT_TRUE(sameRgba(empty.rgba(), {0, 0, 0, 1}));
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

TEST(ColorModels, ConvertsBitExactly)
{
    // Expected values are 32-bit results worked out independently, operation by
    // operation; the hex words pin the last bit, where a double constant or a
    // double pow would show.
    const struct {
        const char* what; ZColor color; bool viaXyz; /* toXyz instead of toRgb */ float expected[3];
    } cases[] = {
        {"HSV with saturation under the threshold is grey", ZColor(ZColor::HSV, 0, 0.00005f, 0.7f), false, {0.7f, 0.7f, 0.7f}},
        {"HSV negative hue wraps into sector 5", ZColor(ZColor::HSV, -60, 1, 1), false, {1, 0, 1}},
        {"HSV 360 degrees is sector 0", ZColor(ZColor::HSV, 360, 1, 1), false, {1, 0, 0}},
        {"HSV sector 1: falling red", ZColor(ZColor::HSV, 75, 1, 1), false, {0.75f, 1, 0}},
        {"HSV hue beyond the int range, sector 4", ZColor(ZColor::HSV, 3.0e12f, 1, 1), false, {0, 0, 1}},
        {"HSV infinite hue reads as 0", ZColor(ZColor::HSV, std::numeric_limits<float>::infinity(), 1, 1), false, {1, 0, 0}},
        {"HSV sector 3", ZColor(ZColor::HSV, 200, 0.5f, 0.8f), false,
         {fromBits(0x3ecccccd), fromBits(0x3f2aaaab), fromBits(0x3f4ccccd)}},
        {"CMYK full black", ZColor(ZColor::CMYK, 0, 0, 0, 1), false, {0, 0, 0}},
        {"CMYK full cyan", ZColor(ZColor::CMYK, 1, 0, 0, 0), false, {0, 1, 1}},
        {"CMYK mixed", ZColor(ZColor::CMYK, 0.2f, 0.4f, 0.6f, 0.1f), false,
         {fromBits(0x3f3851ec), fromBits(0x3f0a3d71), fromBits(0x3eb851ea)}},
        {"RGB passes through unclamped", ZColor(ZColor::RGB, 1.2f, -0.1f, 0.5f), false, {1.2f, -0.1f, 0.5f}},
        {"RGB to XYZ", ZColor(ZColor::RGB, 0.5f, 0.25f, 0.75f), true,
         {fromBits(0x41a0996a), fromBits(0x413f6234), fromBits(0x424aafc5)}},
        {"RGB white to XYZ", ZColor(ZColor::RGB, 1, 1, 1), true,
         {fromBits(0x42be1758), fromBits(0x42c80000), fromBits(0x42d9c035)}},
        {"HSV to XYZ goes through RGB", ZColor(ZColor::HSV, 200, 0.5f, 0.8f), true,
         {fromBits(0x41f5fd0b), fromBits(0x420fb9b0), fromBits(0x4279b3b5)}},
        {"CMYK to XYZ goes through RGB", ZColor(ZColor::CMYK, 0.2f, 0.4f, 0.6f, 0.1f), true,
         {fromBits(0x41f52131), fromBits(0x41e806b2), fromBits(0x4160f94c)}},
        {"XYZ to RGB, negative red clamped", ZColor(ZColor::XYZ, 20, 30, 40), false,
         {0, fromBits(0x3f277c74), fromBits(0x3f24f6e1)}},
        {"XYZ to RGB, all clamped to 1", ZColor(ZColor::XYZ, 200, 200, 200), false, {1, 1, 1}},
        {"XYZ to RGB, linear segment", ZColor(ZColor::XYZ, 0.1f, 0.1f, 0.1f), false,
         {fromBits(0x3c7f0848), fromBits(0x3c48bc55), fromBits(0x3c406688)}},
        {"Lab white is the white point", ZColor(ZColor::Lab, 100, 0, 0), true, {95.047f, 100, 108.883f}},
        {"Lab white to RGB", ZColor(ZColor::Lab, 100, 0, 0), false, {1, fromBits(0x3f7fffbb), 1}},
        {"Lab to XYZ", ZColor(ZColor::Lab, 50, 20, -30), true,
         {fromBits(0x41abb6dd), fromBits(0x41935965), fromBits(0x4221dc9d)}},
        {"Lab to RGB", ZColor(ZColor::Lab, 50, 20, -30), false,
         {fromBits(0x3efe231e), fromBits(0x3edbc7ad), fromBits(0x3f2ab5f4)}},
        {"Lab dark, below the cube threshold", ZColor(ZColor::Lab, 5, 0, 0), true,
         {fromBits(0x3f06af6f), fromBits(0x3f0db431), fromBits(0x3f1a4a9c)}},
        {"model 7 is no colour: XYZ", ZColor(static_cast<ZColor::Model>(7), 1, 1, 1), true, {0, 0, 0}},
        {"model 7 is no colour: RGB", ZColor(static_cast<ZColor::Model>(7), 1, 1, 1), false, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const orbColor out = c.viaXyz ? toXyz(c.color) : toRgb(c.color);
        EXPECT_EQ(bits(out.r), bits(c.expected[0])) << out.r << " vs " << c.expected[0];
        EXPECT_EQ(bits(out.g), bits(c.expected[1])) << out.g << " vs " << c.expected[1];
        EXPECT_EQ(bits(out.b), bits(c.expected[2])) << out.b << " vs " << c.expected[2];
    }
}

// Dark channels take the linear segment of sRGB: Y is 100 times the value over 12.92.
TEST(ColorModels, DarkGreyIsLinear)
{
    EXPECT_NEAR(toXyz(ZColor(ZColor::RGB, 0.04f, 0.04f, 0.04f)).g, 100 * 0.04 / 12.92, 1e-4);
}

TEST(ColorModels, NearlyEqual)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct { const char* what; ZColor a, b; float tolerance; bool expected; } cases[] = {
        {"red differs by 0.0005", ZColor(ZColor::RGB, 0.5f, 0.2f, 0.1f), ZColor(ZColor::RGB, 0.5005f, 0.2f, 0.1f), 0.001f, true},
        {"red differs by 0.002", ZColor(ZColor::RGB, 0.5f, 0.2f, 0.1f), ZColor(ZColor::RGB, 0.502f, 0.2f, 0.1f), 0.001f, false},
        {"blue differs by 0.002", ZColor(ZColor::RGB, 0.5f, 0.2f, 0.1f), ZColor(ZColor::RGB, 0.5f, 0.2f, 0.102f), 0.001f, false},
        {"alphas 1 and 0.5", ZColor(ZColor::RGB, 0.5f, 0.2f, 0.1f, 0, 1), ZColor(ZColor::RGB, 0.5f, 0.2f, 0.1f, 0, 0.5f), 0.001f, false},
        {"a difference equal to the tolerance is too much", ZColor(ZColor::RGB, 0.5f, 0, 0), ZColor(ZColor::RGB, 0.75f, 0, 0), 0.25f, false},
        {"compared as RGB across models", ZColor(ZColor::HSV, 0, 0, 0.5f), ZColor(ZColor::RGB, 0.5f, 0.5f, 0.5f), 0.001f, true},
        {"names do not matter", ZColor(ZColor::RGB, 0, 0, 0, 0, 1, "a"), ZColor(ZColor::RGB, 0, 0, 0, 0, 1, "b"), 0.001f, true},
        {"NaN is never near", ZColor(ZColor::RGB, nan, 0, 0), ZColor(ZColor::RGB, nan, 0, 0), 0.001f, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(nearlyEqual(c.a, c.b, c.tolerance), c.expected);
        EXPECT_EQ(nearlyEqual(c.b, c.a, c.tolerance), c.expected);
    }
}
