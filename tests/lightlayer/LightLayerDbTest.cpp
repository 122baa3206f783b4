// The in-memory renderer's light layer database, hierarchy and runtime
// operations, as far as the library relies on them.

#include "LightLayerTestSupport.h"

#include <gtest/gtest.h>

#include <bit>

using namespace zsg::test;

namespace {

class LightLayerDbTest : public ::testing::Test, public LightLayerScene {};

TEST_F(LightLayerDbTest, DefaultStateHasOnlyTheDefaultLayer)
{
    orbLight_layer_db fresh;
    EXPECT_EQ(take(fresh.get_layers()), Ids{1});
    EXPECT_STREQ(fresh.get_layer_name(1), "Default");
    EXPECT_EQ(fresh.layer_bitmask(1), 0u);
    EXPECT_EQ(fresh.environment_light_mask, 0u);
    EXPECT_FALSE(fresh.delete_layer(1));
    EXPECT_FALSE(fresh.set_flags(1, orb::LayerDeleted));
    EXPECT_EQ(fresh.layer_bitmask(2), orb::InvalidId);
}

TEST_F(LightLayerDbTest, EveryIdOwnsOneBitUntilNoneIsLeft)
{
    std::uint32_t all = 0;
    for (orb::LightLayerId expected = 2; expected <= 33; ++expected) {
        ASSERT_EQ(live.create_layer("L", orb::InvalidId), expected);
        EXPECT_EQ(std::popcount(live.layer_bitmask(expected)), 1);
        all |= live.layer_bitmask(expected);
    }
    EXPECT_EQ(all, 0xFFFFFFFFu);
    EXPECT_EQ(live.create_layer("L", orb::InvalidId), orb::InvalidId);
    orbLight_layer_db other;
    EXPECT_EQ(other.create_layer("taken", 1), orb::InvalidId);
    EXPECT_EQ(other.create_layer("outside", 34), orb::InvalidId);
    EXPECT_EQ(other.create_layer("chosen", 7), 7u);
    EXPECT_EQ(other.create_layer("again", 7), orb::InvalidId);
    EXPECT_EQ(other.create_layer(nullptr, orb::InvalidId), 2u);
    EXPECT_EQ(other.get_layer_name(2), nullptr);
}

TEST_F(LightLayerDbTest, MasksMapToLayers)
{
    const orb::LightLayerId a = live.create_layer("A", orb::InvalidId);  // bit 0
    const orb::LightLayerId b = live.create_layer("B", orb::InvalidId);  // bit 1
    live.delete_layer(b);
    const struct {
        std::uint32_t mask;
        orb::LightLayerId layer;
    } cases[] = {
        {0, 1}, {1u << 0, a}, {1u << 1, 1} /* deleted */, {1u << 5, 1} /* no layer */, {0b11, a}, {0b110, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(live.layer_id_from_mask(c.mask), c.layer) << c.mask;
}

TEST_F(LightLayerDbTest, UniqueNamesCountFromOne)
{
    for (const char* name : {"Key", "Key 1", "Rim 3"})
        live.create_layer(name, orb::InvalidId);
    const std::pair<const char*, const char*> cases[] = {
        {"Fill", "Fill"}, {"Key", "Key 2"}, {"Key 1", "Key 2"}, {"Rim 3", "Rim 1"}, {"Default", "Default 1"},
    };
    for (const auto& [wanted, unique] : cases)
        EXPECT_EQ(live.find_unique_name(wanted), unique) << wanted;
}

TEST_F(LightLayerDbTest, DeletingKeepsTheLayerAndMovesItsObjectsToTheDefault)
{
    const orb::LightLayerId a = live.create_layer("A", orb::InvalidId);
    const orb::GroupItemId object = runtime.addObject(root);
    const orb::ObjectId light = runtime.addLight(root);
    live.add_lights(a, {&light, 1});
    runtime.assignItemsToLightLayer(a, {&object, 1});
    ASSERT_EQ(layerOf(object), a);
    ASSERT_EQ(runtime.objectMask(light), bit(a));

    EXPECT_TRUE(live.delete_n_remap_layer(runtime.scene(), a));
    EXPECT_EQ(layerOf(object), 1u);
    EXPECT_EQ(live.get_flags(a), orb::LayerDeleted);
    EXPECT_TRUE(live.contains(a, light));
    EXPECT_EQ(runtime.objectMask(light), 0u);  // a deleted layer does not count
    runtime.assignItemsToLightLayer(a, {&object, 1});
    EXPECT_EQ(layerOf(object), 1u) << "no assignment into a deleted layer";
}

TEST_F(LightLayerDbTest, CloneCopiesLightsAndFlagsButNotTheName)
{
    const orb::LightLayerId a = live.create_layer("A", orb::InvalidId);
    const orb::LightLayerId b = live.create_layer("B", orb::InvalidId);
    const Ids lights{7, 5, 7};
    live.add_lights(a, span(lights));
    live.set_flags(a, 1);
    EXPECT_TRUE(live.clone_layer(b, a));
    EXPECT_EQ(take(live.get_lights(b)), (Ids{7, 5}));
    EXPECT_EQ(live.get_flags(b), 1u);
    EXPECT_STREQ(live.get_layer_name(b), "B");
    EXPECT_FALSE(live.clone_layer(b, 99));
}

TEST_F(LightLayerDbTest, HierarchyRefusesCyclesAndBadParents)
{
    const orb::GroupItemId outer = runtime.addGroup(root);
    const orb::GroupItemId inner = runtime.addGroup(outer);
    const orb::GroupItemId object = runtime.addObject(inner);
    EXPECT_TRUE(runtime.addChild(root, inner));
    EXPECT_FALSE(runtime.addChild(inner, outer));
    EXPECT_FALSE(runtime.addChild(inner, inner));
    EXPECT_EQ(runtime.addObject(object), orb::InvalidId);
    EXPECT_EQ(runtime.addGroup(12345), orb::InvalidId);
    EXPECT_FALSE(runtime.setObjectMask(outer, 1));
    runtime.setMaskReadable(object, false);
    EXPECT_EQ(runtime.objectMask(object), std::nullopt);
    EXPECT_EQ(layerOf(object), orb::InvalidId);
}

} // namespace
