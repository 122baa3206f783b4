#include <zsg/color/ColorModels.h>

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>

using namespace zsg;

namespace {

std::uint32_t bits(float f)
{
    return std::bit_cast<std::uint32_t>(f);
}

float fromBits(std::uint32_t word)
{
    return std::bit_cast<float>(word);
}

struct ExactCase {
    const char* what;
    ZColor color;
    bool viaXyz;  // check toXyz instead of toRgb
    float expected[3];
};

// Expected values are 32-bit results worked out independently, operation by
// operation; the hex words pin the last bit, where a double constant or a
// double pow would show.
const ExactCase exactCases[] = {
    {"HSV with saturation under the threshold is grey", ZColor(ZColor::HSV, 0, 0.00005f, 0.7f), false, {0.7f, 0.7f, 0.7f}},
    {"HSV negative hue wraps into sector 5", ZColor(ZColor::HSV, -60, 1, 1), false, {1, 0, 1}},
    {"HSV 360 degrees is sector 0", ZColor(ZColor::HSV, 360, 1, 1), false, {1, 0, 0}},
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

} // namespace

TEST(ColorModels, ConvertsBitExactly)
{
    for (const ExactCase& c : exactCases) {
        SCOPED_TRACE(c.what);
        const orbColor out = c.viaXyz ? toXyz(c.color) : toRgb(c.color);
        EXPECT_EQ(bits(out.r), bits(c.expected[0])) << out.r << " vs " << c.expected[0];
        EXPECT_EQ(bits(out.g), bits(c.expected[1])) << out.g << " vs " << c.expected[1];
        EXPECT_EQ(bits(out.b), bits(c.expected[2])) << out.b << " vs " << c.expected[2];
    }
}

TEST(ColorModels, OnlyTheXyzPathClamps)
{
    const orbColor xyz = toXyz(ZColor(ZColor::RGB, 1.2f, -0.1f, 0.5f));
    const orbColor back = toRgb(ZColor(ZColor::XYZ, xyz.r, xyz.g, xyz.b));
    EXPECT_EQ(back.r, 1.0f);
    EXPECT_EQ(back.g, 0.0f);
    EXPECT_NEAR(back.b, 0.5f, 1e-3f);
}

TEST(ColorModels, NearlyEqual)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        const char* what;
        ZColor a, b;
        float tolerance;
        bool expected;
    } cases[] = {
        {"red differs by 0.0005", ZColor(ZColor::RGB, 0.5f, 0.2f, 0.1f), ZColor(ZColor::RGB, 0.5005f, 0.2f, 0.1f), 0.001f, true},
        {"red differs by 0.002", ZColor(ZColor::RGB, 0.5f, 0.2f, 0.1f), ZColor(ZColor::RGB, 0.502f, 0.2f, 0.1f), 0.001f, false},
        {"blue differs by 0.002", ZColor(ZColor::RGB, 0.5f, 0.2f, 0.1f), ZColor(ZColor::RGB, 0.5f, 0.2f, 0.102f), 0.001f, false},
        {"alphas 1 and 0.5", ZColor(ZColor::RGB, 0.5f, 0.2f, 0.1f, 0, 1), ZColor(ZColor::RGB, 0.5f, 0.2f, 0.1f, 0, 0.5f), 0.001f, false},
        {"a difference equal to the tolerance is too much", ZColor(ZColor::RGB, 0.5f, 0, 0), ZColor(ZColor::RGB, 0.75f, 0, 0), 0.25f, false},
        {"compared as RGB across models", ZColor(ZColor::HSV, 0, 0, 0.5f), ZColor(ZColor::RGB, 0.5f, 0.5f, 0.5f), 0.001f, true},
        {"names do not matter", ZColor(ZColor::RGB, 0, 0, 0, 0, 1, "a"), ZColor(ZColor::RGB, 0, 0, 0, 0, 1, "b"), 0.001f, true},
        {"NaN is never near", ZColor(ZColor::RGB, nan, 0, 0), ZColor(ZColor::RGB, nan, 0, 0), 0.001f, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(nearlyEqual(c.a, c.b, c.tolerance), c.expected);
        EXPECT_EQ(nearlyEqual(c.b, c.a, c.tolerance), c.expected);
    }
}
