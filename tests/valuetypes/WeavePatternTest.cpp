#include <zsg/valuetypes/WeavePattern.h>

#include "color/ColorTestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <cmath>
#include <functional>

using namespace zsg;
using YT = WeavePattern::YarnType;
using YK = WeavePattern::YarnKind;

namespace {

// Every test gives back the aligned cell arrays it allocated.
struct WeavePatternTest : ::testing::Test {
    test::LeakCheck leaks;
};

// Rows top to bottom, 'x' for Weft.
std::string rows(const WeavePattern& p)
{
    std::string out;
    for (int y = 0; y < p.numWeft(); ++y) {
        for (int x = 0; x < p.numWarp(); ++x)
            out += p.get(x, y) == YT::Weft ? 'x' : '.';
        out += '/';
    }
    return out;
}

} // namespace

TEST_F(WeavePatternTest, CellsAndTheRendererRecord)
{
    WeavePattern p(4, 3, nullptr);
    p.set(3, 2, YT::Weft);
    EXPECT_EQ(p.get(-1, -1), YT::Weft); // coordinates wrap around
    EXPECT_EQ(p.get(7, 5), YT::Weft);
    p.set(4, 0, YT::Weft);
    p.flip(-8, 3); // (0, 0) again
    p.flip(1, -2); // (1, 1)
    EXPECT_EQ(rows(p), "..../.x../...x/");

    const int cells[] = {0, 1, 7, 1, 0, 0};
    WeavePattern q(3, 2, cells);
    EXPECT_EQ(q.orbWeavePattern().cells[2], 1); // the constructor reads non-zero as Weft
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(q.orbWeavePattern().cells) % 32, 0u);
    q.setWidth(YT::Warp, 0.25f);
    q.setFromOrbPattern(orb::WeavePattern{2, 3, const_cast<int*>(cells)});
    EXPECT_EQ(q.numWarp(), 2);
    EXPECT_EQ(q.numWeft(), 3);
    EXPECT_EQ(int(q.get(0, 1)), 7); // stored unchanged
    EXPECT_EQ(q.width(YT::Warp), 0.25f);
}

TEST_F(WeavePatternTest, PresetsAndResizing)
{
    WeavePattern basket = WeavePattern::makeBasket(2);
    WeavePattern grown = WeavePattern::makePlain();
    grown.setSize(4, 4);
    WeavePattern unchanged = WeavePattern::makeTwill(3, 1);
    unchanged.setSize(0, 5);
    WeavePattern tiled(3, 2, std::array{0, 7, 0, 0, 0, 1}.data());
    tiled.setSize(4, 3);

    const std::pair<WeavePattern, std::string> cases[] = {
        {WeavePattern::makePlain(), ".x/x./"},
        {grown, ".x.x/x.x./.x.x/x.x./"},
        {WeavePattern::makeTwill(4, 2), "xx../.xx./..xx/x..x/"},
        {WeavePattern::makeTwill(4, 4), "xxxx/xxxx/xxxx/xxxx/"},
        {WeavePattern::makeTwill(3, 0), ".../.../.../"},
        {unchanged, "x../.x./..x/"},
        {WeavePattern::makeSatin(5, 2), ".xxxx/xx.xx/xxxx./x.xxx/xxx.x/"},
        {WeavePattern::makeSatin(3, -1), ".xx/xx./x.x/"},
        {basket, "..xx/..xx/xx../xx../"},
        {tiled, ".x../..x./.x../"},
    };
    for (const auto& [pattern, expected] : cases)
        EXPECT_EQ(rows(pattern), expected);

    const WeavePattern h = WeavePattern::makeHerringbone();
    EXPECT_EQ(rows(h).substr(0, 52), "xx..xx..xx../.xx..x.xx..x/..xx..xx..xx/x..xx.x..xx./");
    EXPECT_EQ(rows(h).substr(52), rows(h).substr(0, 52));
}

TEST_F(WeavePatternTest, ChangingACopyLeavesTheOriginal)
{
    const std::function<void(WeavePattern&)> edits[] = {
        [](WeavePattern& p) { p.set(0, 0, YT::Weft); },
        [](WeavePattern& p) { p.flip(1, 1); },
        [](WeavePattern& p) { p.invert(); },
        [](WeavePattern& p) { p.clear(YT::Weft); },
        [](WeavePattern& p) { p.setSize(3, 5); },
        [](WeavePattern& p) { p.setWidth(YT::Warp, 0.1f); },
        [](WeavePattern& p) { p.setTension(YT::Weft, 3.0f); },
        [](WeavePattern& p) { p.setKind(YT::Warp, YK::Ribbon); },
        [](WeavePattern& p) { p.setFromOrbPattern(WeavePattern::makeSatin(3, 1).orbWeavePattern()); },
        [](WeavePattern& p) { p.setFromJson(R"({"pattern_warps":1,"pattern_wefts":1,"pattern_mask":[1]})"); },
    };
    const QString json = R"({"pattern_warps":2,"pattern_wefts":2,"pattern_mask":[0,1,1,0],
        "tension":[0.5,0.5],"width":[0.7,0.7],"kind":[1,1],"modulus":[2,2]})";
    for (const auto& edit : edits) {
        WeavePattern original;
        ASSERT_TRUE(original.setFromJson(json));
        const QString before = original.toJson();
        const std::int32_t* cells = original.orbWeavePattern().cells;
        WeavePattern copy = original;
        edit(copy);
        EXPECT_EQ(original.toJson(), before);
        EXPECT_EQ(original.orbWeavePattern().cells, cells);
        EXPECT_FALSE(copy.equals(original));
        EXPECT_NE(copy.orbWeavePattern().cells, cells);
        EXPECT_TRUE(copy.toJson().contains(R"("modulus":[2.0,2.0])"));
    }
}

TEST_F(WeavePatternTest, JsonText)
{
    EXPECT_EQ(WeavePattern().toJson(),
              R"({"kind":[1,1],"modulus":[1.0,1.0],"pattern_mask":[0,0,0,0],"pattern_warps":2,"pattern_wefts":2,)"
              R"("tension":[1.0,1.0],"width":[0.4000000059604645,0.8999999761581421]})");
    for (const WeavePattern& preset : {WeavePattern::makePlain(), WeavePattern::makeSatin(5, 2),
                                       WeavePattern::makeHerringbone()}) {
        WeavePattern read(3, 3, nullptr);
        ASSERT_TRUE(read.setFromJson(preset.toJson()));
        EXPECT_TRUE(read.equals(preset));
        EXPECT_EQ(read.hash(), preset.hash());
    }

    WeavePattern p;
    ASSERT_TRUE(p.setFromJson(R"({"pattern_warps":-3,"pattern_wefts":2.9,"pattern_mask":[5,0],"width":[0.1,0.2]})"));
    EXPECT_EQ(rows(p), "x/./");
    EXPECT_EQ(p.width(YT::Warp), 0.4f); // the yarn arrays are taken only all four together
    // Out-of-range numbers saturate rather than overflow; fractions truncate.
    ASSERT_TRUE(p.setFromJson(R"({"pattern_warps":2,"pattern_wefts":2,"pattern_mask":[1e300,-1e300,0.5,0]})"));
    EXPECT_EQ(rows(p), "xx/../");
}

TEST_F(WeavePatternTest, RejectedJsonLeavesThePatternUnchanged)
{
    const struct { const char* text; int outcome; /* 0: returns false, 1: parse error, 2: type error */ } cases[] = {
        {"", 0},
        {R"({"pattern_warps":2,"pattern_wefts":2,"pattern_mask":[0,1,1]})", 0},
        {R"({"pattern_mask":[]})", 0},
        // Sizes that overflow 32 bits, or whose product does, fail the mask check.
        {R"({"pattern_warps":65536,"pattern_wefts":65536,"pattern_mask":[]})", 0},
        {R"({"pattern_warps":1e300,"pattern_wefts":18446744073709551615,"pattern_mask":[1]})", 0},
        {R"({"pattern_warps":2,)", 1},
        {"[1,2]", 2},
        {R"({"pattern_warps":"2"})", 2},
        {R"({"pattern_mask":["1"]})", 2},
        {R"({"pattern_mask":[1],"tension":[1,"x"]})", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        WeavePattern p = WeavePattern::makeTwill(3, 2);
        const WeavePattern copy = p;
        switch (c.outcome) {
        case 0: EXPECT_FALSE(p.setFromJson(c.text)); break;
        case 1: EXPECT_THROW(p.setFromJson(c.text), nlohmann::json::parse_error); break;
        case 2: EXPECT_THROW(p.setFromJson(c.text), nlohmann::json::type_error); break;
        }
        EXPECT_EQ(p.toJson(), WeavePattern::makeTwill(3, 2).toJson());
        EXPECT_EQ(p.orbWeavePattern().cells, copy.orbWeavePattern().cells);
    }
}

TEST_F(WeavePatternTest, EqualityAndHash)
{
    const auto withWidth = [](float w) {
        WeavePattern p;
        p.setWidth(YT::Weft, w);
        return p;
    };
    EXPECT_TRUE(withWidth(0.7f).equals(withWidth(0.7000001f)));
    EXPECT_TRUE(withWidth(0.0f).equals(withWidth(0.0f)));  // a copy would share the body
    EXPECT_FALSE(withWidth(0.0f).equals(withWidth(0.000001f)));
    EXPECT_FALSE(withWidth(NAN).equals(withWidth(NAN)));
    EXPECT_EQ(withWidth(1.0f).hash(), withWidth(std::nextafter(1.0f, 2.0f)).hash());
    EXPECT_NE(withWidth(1.0f).hash(), withWidth(1.001f).hash());

    WeavePattern stiff;
    ASSERT_TRUE(stiff.setFromJson(WeavePattern().toJson().replace("\"modulus\":[1.0,1.0]", "\"modulus\":[1.0,3.0]")));
    EXPECT_FALSE(stiff.equals(WeavePattern()));
    EXPECT_EQ(stiff.hash(), WeavePattern().hash());

    WeavePattern flipped;
    flipped.flip(1, 0);
    EXPECT_FALSE(flipped.equals(WeavePattern()));
    EXPECT_NE(flipped.hash(), WeavePattern().hash());

    // One cell, worked out by hand: the yarn floats, the kinds, the sizes, the cell.
    const int weft = 1;
    WeavePattern one(1, 1, &weft);
    one.setTension(YT::Weft, 0.25f);
    one.setWidth(YT::Warp, 0.5f);
    one.setWidth(YT::Weft, 2.0f);
    const auto combine = [](std::uint64_t h, std::uint64_t v) { return h ^ (v + 0x9e3779b9u + (h << 6) + (h >> 2)); };
    std::uint64_t h = 0x3F800000;
    for (std::uint64_t word : {0x3E800000u, 0x3F000000u, 0x40000000u, 1u, 1u, 1u, 1u, 1u})
        h = combine(h, word);
    EXPECT_EQ(one.hash(), h);

    // A cell may hold any integer; it names no yarn.
    one.set(0, 0, YT(7));
    one.setWidth(one.get(0, 0), 9.0f);
    EXPECT_EQ(one.width(one.get(0, 0)), 0.0f);
    EXPECT_EQ(one.tension(YT(-1)), 0.0f);
    EXPECT_EQ(one.kind(YT(2)), YK::Ribbon);
    EXPECT_EQ(one.width(YT::Weft), 2.0f);
}
