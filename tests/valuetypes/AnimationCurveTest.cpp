#include <zsg/valuetypes/AnimationCurve.h>

#include "color/ColorTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

using namespace zsg;
using orb::KeyType;

namespace {

// Every test gives back the key storage it took from orb_malloc.
struct AnimationCurveTest : ::testing::Test {
    test::LeakCheck leaks;
};

orb::AnimationKey key(float x, float y, KeyType type = KeyType::Unlocked) { return {{x, y}, {x, y}, {x, y}, type}; }

} // namespace

TEST_F(AnimationCurveTest, DefaultIsTheStraightLine)
{
    const AnimationCurve curve;
    const orb::AnimationKey expected[] = {
        {{0, 0}, {0, 0}, {0.33333334f, 0.33333334f}, KeyType::Unlocked},
        {{1, 1}, {0.6666667f, 0.6666667f}, {1, 1}, KeyType::Unlocked},
    };
    EXPECT_TRUE(curve == AnimationCurve({expected[0], expected[1]}));
    EXPECT_EQ(orb::memoryStats().allocations, leaks.start.allocations + 1);
}

TEST_F(AnimationCurveTest, BuiltFromPointsAndTypes)
{
    // In-handle, point, out-handle per key.
    const orbVector2f points[] = {{0, 0}, {0, 0.1f}, {0.3f, 0.3f}, {0.7f, 0.7f}, {1, 1}, {1, 1.1f}};
    const KeyType types[] = {KeyType::Linear, KeyType::StepHigh};
    const AnimationCurve expected{{{0, 0.1f}, {0, 0}, {0.3f, 0.3f}, KeyType::Linear},
                                  {{1, 1}, {0.7f, 0.7f}, {1, 1.1f}, KeyType::StepHigh}};
    EXPECT_TRUE(AnimationCurve(points, types, 2) == expected);

    EXPECT_TRUE(AnimationCurve(points, types, 0).keys().empty());
    EXPECT_THROW(AnimationCurve(points, types, -1), std::length_error);
}

TEST_F(AnimationCurveTest, Equality)
{
    const AnimationCurve a{key(0, 0), key(1, 1)};
    const std::pair<AnimationCurve, bool> cases[] = {
        {AnimationCurve{key(0, 0), key(1, 1)}, true},
        {AnimationCurve{key(0, 0)}, false},
        {AnimationCurve{key(0, 0), key(1, 1, KeyType::Linear)}, false},
        {AnimationCurve{key(0, 0), key(1, 1.0001f)}, false},
        {AnimationCurve{key(0, -0.0f), key(1, 1)}, true},
    };
    for (const auto& [other, equal] : cases)
        EXPECT_EQ(a == other, equal);

    const AnimationCurve withNan{key(0, NAN)};
    EXPECT_FALSE(withNan == withNan); // storing it again counts as a change
}

TEST_F(AnimationCurveTest, KeyTypeLetters)
{
    for (int value = -1; value <= 5; ++value) {
        const KeyType type = KeyType(value);
        const bool known = value >= 0 && value <= 4;
        EXPECT_EQ(orb::keyTypeLetter(type), known ? "UTsSL"[value] : '0');
        EXPECT_EQ(orb::keyTypeFromLetter(orb::keyTypeLetter(type)), known ? type : KeyType::Unlocked);
    }
    EXPECT_EQ(orb::keyTypeFromLetter('l'), KeyType::Unlocked);
}
