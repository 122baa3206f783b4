#include <zsg/valuetypes/CoatingColor.h>
#include <zsg/valuetypes/ColorGradient.h>
#include <zsg/valuetypes/FloatArray.h>

#include <gtest/gtest.h>

#include <cmath>

using namespace zsg;

namespace {

const orbColor_rgba Red{1, 0, 0, 1};
const orbColor_rgba Blue{0, 0, 1, 1};

QList<float> positions(const ColorGradient& g)
{
    QList<float> out;
    for (const ColorGradientStop& s : g.stops())
        out << s.position;
    return out;
}

} // namespace

TEST(ColorGradientTest, SortingIsStableByPosition)
{
    ColorGradient g;
    for (float p : {0.5f, 0.2f, 0.8f})
        g.addColorStop(Red, p, 0, 0);
    g.addColorStop(Blue, 0.5f, 7, 0);
    EXPECT_EQ(positions(g), (QList<float>{0.2f, 0.5f, 0.5f, 0.8f}));
    EXPECT_EQ(g.stops()[1].color.r, 1.0f); // the earlier stop at 0.5 stays first
    EXPECT_EQ(g.stops()[2].auxiliary1, 7.0f);

    EXPECT_FALSE(g.addColorStopAt(4, Blue, 0.1f, 0, 0, true));
    EXPECT_EQ(positions(g), (QList<float>{0.2f, 0.5f, 0.5f, 0.8f}));
    EXPECT_TRUE(g.addColorStopAt(0, Blue, 0.9f, 0, 0, false));
    EXPECT_EQ(positions(g), (QList<float>{0.9f, 0.5f, 0.5f, 0.8f}));
    EXPECT_TRUE(g.addColorStopAt(1, Blue, 0.95f, 0, 0, true));
    EXPECT_EQ(positions(g), (QList<float>{0.5f, 0.8f, 0.9f, 0.95f}));

    g.resizeStops(6);
    EXPECT_TRUE(g.stops()[5] == ColorGradientStop({0, 0, 0, 1}, 0, 0, 0));
    g.resizeStops(1);
    EXPECT_EQ(positions(g), QList<float>{0.5f});

    // Enough stops that an unstable sort would show; NaN positions go last,
    // in the order they were added.
    ColorGradient many;
    many.resizeStops(40);
    for (int i = 0; i < 40; ++i)
        many.addColorStopAt(i, Red, i % 5 == 4 ? NAN : float(i % 2), float(i), 0, false);
    many.sortStops();
    for (int i = 1; i < 40; ++i) {
        const ColorGradientStop& a = many.stops()[i - 1];
        const ColorGradientStop& b = many.stops()[i];
        const bool nanA = std::isnan(a.position), nanB = std::isnan(b.position);
        EXPECT_TRUE(nanB ? !nanA || a.auxiliary1 < b.auxiliary1
                         : !nanA && (a.position < b.position || (a.position == b.position && a.auxiliary1 < b.auxiliary1)))
            << i;
    }
}

TEST(ColorGradientTest, EqualityAndSharedStops)
{
    ColorGradient a;
    a.addColorStop(Red, 0.5f, 1, 2);
    a.setFlag(true);
    ColorGradient b;
    b.reset(a);  // shared stops stay with their other holders
    EXPECT_TRUE(a == b);
    b.setFlag(false);
    EXPECT_FALSE(a == b);
    b.addColorStopAt(0, Blue, 0.3f, 0, 0, true);
    EXPECT_EQ(positions(a), QList<float>{0.5f});
    b = a;
    b.addColorStopAt(0, Red, 0.5f, 1, 2.5f, false);
    EXPECT_FALSE(a == b);
    a.addColorStopAt(0, Red, NAN, 1, 2, false);
    b = a;
    EXPECT_FALSE(a == b); // even when sharing one list
}

TEST(SmallValueTypesTest, CoatingColor)
{
    const CoatingColor standard;
    const double first[] = {86.38, 63.44, 42.45}, second[] = {19.63, 19.63, 19.63}, third[] = {1.46, 0.77, -0.92};
    CoatingColor fromDoubles(first, second, third);
    EXPECT_TRUE(fromDoubles == standard);
    fromDoubles.flag = 5;
    EXPECT_TRUE(fromDoubles == standard);
    fromDoubles.colors[1].g = 19.64f;
    EXPECT_FALSE(fromDoubles == standard);

    const CoatingColor withNan({NAN, 0, 0}, {}, {});
    EXPECT_FALSE(withNan == withNan);
}

TEST(SmallValueTypesTest, FloatArrayEquality)
{
    const FloatArray withNan({1.0f, NAN});
    const FloatArray shared = withNan;
    const struct { FloatArray a, b; bool equal; } cases[] = {
        {withNan, shared, true}, // one storage
        {withNan, FloatArray({1.0f, NAN}), false},
        {FloatArray({0.0f}), FloatArray({-0.0f}), true},
        {FloatArray({1.0f}), FloatArray({1.0f, 2.0f}), false},
        {FloatArray(), FloatArray(QList<float>()), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.a == c.b, c.equal);

    FloatArray changed = withNan;
    changed.values()[0] = 2.0f;
    EXPECT_EQ(withNan.values()[0], 1.0f);
}
