#include <zsg/values/Parameter.h>

#include <zsg/values/Variant.h>

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <optional>

using namespace zsg;
using Builder = Parameter::Builder;

namespace {

using Limits = std::optional<std::pair<float, float>>;

Limits floatLimits(const Parameter& p) { float lo = -99, hi = -99; return p.limits(lo, hi) ? Limits({lo, hi}) : std::nullopt; }
Limits slider(const Parameter& p) { float lo = -99, hi = -99; return p.sliderRange(lo, hi) ? Limits({lo, hi}) : std::nullopt; }

} // namespace

TEST(ParameterTest, ConstructorNormalisesTheFlags)
{
    const struct {
        const char* what;
        std::function<Builder()> builder;
        unsigned flags;
    } cases[] = {
        {"empty builder", [] { return Builder(); }, 0x4010},
        {"shader surface", [] { return Builder().shaderType(Type::ShaderSurface); }, 0xE10},
        {"shader base as shader", [] { return Builder().shaderType(Type::ShaderBase); }, 0xE10},
        {"shader base as value", [] { return Builder().type(Type::ShaderBase); }, 0x4010},
        {"shader bump as value", [] { return Builder().type(Type::ShaderBump); }, 0xE10},
        {"pure float", [] { return Builder().type(Type::Float).flag(Parameter::Pure); }, 0xE10},
        {"null value drops flags", [] { return Builder().bump().value(nullptr); }, 0x4010},
        {"null value, then a type", [] { return Builder().value(nullptr).type(Type::Float); }, 0x4010},
        {"varying only alone", [] { return Builder().type(Type::Float).flag(Parameter::VaryingOnly); }, 0x10},
        {"varying only with varying",
         [] { return Builder().type(Type::Float).varying().flag(Parameter::VaryingOnly); }, 0x1A10},
        {"disabled", [] { return Builder().type(Type::Integer).enabled(false); }, 0x0},
        {"disabled keeps a given Enabled",
         [] { return Builder().type(Type::Integer).flag(Parameter::Enabled).enabled(false); }, 0x10},
        {"unknown bits pass", [] { return Builder().type(Type::Float).flag(Parameter::Flag(0x80000008)); },
         0x80000018},
        {"removed flag",
         [] { return Builder().type(Type::Float).bump().animatable().removeFlag(Parameter::Bump); }, 0x810},
        {"shader parameter", [] { return Builder().type(Type::Float).shaderParameter("p"); }, 0x2010},
        {"automatic bump", [] { return Builder().type(Type::Float).automatic().bump(); }, 0x2011},
    };
    for (const auto& c : cases) {
        Parameter p(c.builder());
        EXPECT_EQ(p.flags().toInt(), c.flags) << c.what;
        EXPECT_EQ(p.isValid(), !(c.flags & 0x4000)) << c.what;
        EXPECT_EQ(p.isPure(), bool(c.flags & 0x400)) << c.what;
    }
    EXPECT_FALSE(Parameter().isValid());
    float value = -1;
    Parameter(Builder().value(nullptr).type(Type::Float)).getp(&value);  // a type brings a holder again
    EXPECT_EQ(value, 0.0f);
    int field = 0;
    EXPECT_EQ(Parameter(Builder().value(new PointerVariant<int>(&field))).type(), Type::Integer);
}

TEST(ParameterTest, FlagQueries)
{
    Parameter p(Builder().type(Type::Float).bump().enabled(false));
    EXPECT_TRUE(p.hasFlag(Parameter::Bump));
    EXPECT_FALSE(p.hasFlag(Parameter::Flag(0)));
    EXPECT_TRUE(p.hasFlags({}));
    EXPECT_FALSE(p.hasFlags(Parameter::Bump | Parameter::Enabled));
    EXPECT_TRUE(p.containsFlags(Parameter::Bump | Parameter::Enabled));
    EXPECT_FALSE(p.containsFlags({}));
    EXPECT_FALSE(p.isEnabled());
    EXPECT_TRUE(Parameter(Builder().type(Type::Float).enabled(false)).hasFlag(Parameter::Flag(0)));
}

TEST(ParameterTest, LimitsAndSliderRangesComeFromBuilderOrHelpText)
{
    const struct {
        const char* help;
        Type type;
        Limits builderLimits;
        Limits limits;
        Limits slider;
    } cases[] = {
        {"-limits,5,6-", Type::Float, {{1, 2}}, {{1, 2}}, {}},
        {"-limits,5,6-", Type::Float, {}, {{5, 6}}, {}},
        {"x -limits, 5,\t6e1-", Type::Float, {}, {{5, 60}}, {}},
        {"-limits,5-", Type::Float, {}, {}, {}},
        {"-limits ,5,6-", Type::Float, {}, {}, {}},
        {"-limits,5,6-", Type::Integer, {}, {}, {}},
        {"-range,+2,-8.5-", Type::Float, {}, {}, {{2, -8.5f}}},
        {"-spin,0,1,0.1-", Type::Float, {}, {}, {{0, 1}}},
        {"-spin,0,1- -range,2,8-", Type::Float, {}, {}, {}},
        {"-range,2,8-", Type::Integer, {}, {}, {}},
        {"-range,1e99,8-", Type::Float, {}, {}, {{std::numeric_limits<float>::infinity(), 8}}},
        {"-range,0x1p3,-1e-99-", Type::Float, {}, {}, {{8, -0.0f}}},
        {nullptr, Type::Float, {}, {}, {}},
    };
    for (const auto& c : cases) {
        Builder b = Builder().type(c.type).help(c.help);
        if (c.builderLimits)
            b.limits(c.builderLimits->first, c.builderLimits->second);
        Parameter p(b);
        EXPECT_EQ(floatLimits(p), c.limits) << (c.help ? c.help : "null");
        EXPECT_EQ(slider(p), c.slider) << (c.help ? c.help : "null");
    }

    // Numbers read before a malformed one stay written.
    Parameter partial(Builder().type(Type::Float).help("-spin,3,4-"));
    float lo = 0, hi = 0;
    EXPECT_FALSE(partial.sliderRange(lo, hi));
    EXPECT_EQ(lo, 3.0f);
    EXPECT_EQ(hi, 4.0f);

    // Integer limits truncate toward zero.
    Parameter ints(Builder().type(Type::Integer).limits(0.9f, 10.7f));
    int ilo = 0, ihi = 0;
    EXPECT_TRUE(ints.limits(ilo, ihi));
    EXPECT_EQ(std::pair(ilo, ihi), std::pair(0, 10));
    EXPECT_EQ(floatLimits(ints), std::nullopt);
    Parameter negative(Builder().type(Type::Integer).limits(-0.9f, -10.7f));
    EXPECT_TRUE(negative.limits(ilo, ihi));
    EXPECT_EQ(std::pair(ilo, ihi), std::pair(0, -10));

    // An invalid parameter has no slider range, whatever its help says.
    Parameter invalid(Builder().value(nullptr).type(Type::Float).help("-range,2,8- -kelvin-"));
    EXPECT_EQ(slider(invalid), std::nullopt);
    EXPECT_FALSE(invalid.useKelvin());
    EXPECT_TRUE(Parameter(Builder().type(Type::Color).help("-kelvin-")).useKelvin());
    EXPECT_FALSE(Parameter(Builder().type(Type::Color).help("-kelvin")).useKelvin());
}

TEST(ParameterTest, SetpMarksTheSharedBodyChanged)
{
    Parameter p(Builder("size", "Size").type(Type::Float));
    const Parameter copy = p;
    float value = 0.0f;
    EXPECT_FALSE(p.setp(&value));
    EXPECT_FALSE(copy.isChanged());
    value = 2.5f;
    EXPECT_TRUE(p.setp(&value));
    EXPECT_TRUE(copy.isChanged());
    EXPECT_FALSE(p.setp(&value));
    EXPECT_TRUE(copy.isChanged());
}

TEST(ParameterTest, ColoursReadBackThroughGetColor)
{
    Parameter alpha(Builder().type(Type::ColorAlpha));
    const ZColorExtAlpha blue(0, 0, 1, 0.5f);
    alpha.setp(&blue);
    EXPECT_EQ(alpha.getColor().rgba().a, 0.5f);  // not sliced to a plain colour
}
