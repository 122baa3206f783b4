// The in-memory renderer's light layer database, as far as the library relies
// on it. The hierarchy's refusals (cycles, objects as parents, unreadable
// masks) are pinned by the shell transcript.

#include "LightLayerTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <tuple>

using namespace zsg::test;

namespace {

class LightLayerDbTest : public ::testing::Test, public LightLayerScene {};

TEST_F(LightLayerDbTest, DefaultStateAndIdsWithOneBitEachUntilNoneIsLeft)
{
    orbLight_layer_db fresh;
    EXPECT_EQ(fresh.layer_bitmask(1), 0u);
    EXPECT_FALSE(fresh.delete_layer(1));
    EXPECT_FALSE(fresh.set_flags(1, orb::LayerDeleted));
    const std::pair<orb::LightLayerId, orb::LightLayerId> explicitIds[] = {{1, orb::InvalidId}, {34, orb::InvalidId},
                                                                           {7, 7}, {7, orb::InvalidId}};
    for (const auto& [wanted, given] : explicitIds)
        EXPECT_EQ(fresh.create_layer("L", wanted), given) << wanted;

    std::uint32_t all = 0;
    for (orb::LightLayerId expected = 2; expected <= 33; ++expected) {
        ASSERT_EQ(live.create_layer(nullptr, orb::InvalidId), expected);
        all += live.layer_bitmask(expected);
    }
    EXPECT_EQ(all, 0xFFFFFFFFu) << "32 distinct bits";
    EXPECT_EQ(live.create_layer("L", orb::InvalidId), orb::InvalidId);
    EXPECT_EQ(live.get_layer_name(2), nullptr);
}

TEST_F(LightLayerDbTest, MasksMapToLiveLayers)
{
    const orb::LightLayerId a = live.create_layer("A", orb::InvalidId);  // bit 0
    live.delete_layer(live.create_layer("B", orb::InvalidId));           // bit 1
    const std::pair<std::uint32_t, orb::LightLayerId> cases[] = {
        {0, 1}, {0b1, a}, {0b10, 1} /* deleted */, {1u << 5, 1} /* no layer */, {0b11, a}, {0b110, 1},
    };
    for (const auto& [mask, layer] : cases)
        EXPECT_EQ(live.layer_id_from_mask(mask), layer) << mask;
    EXPECT_EQ(live.layer_bitmask(12), orb::InvalidId);
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

// The hierarchy's setters say whether the item is an object; listing an item
// again is refused when a group would end up below itself; deletions say
// whether there was a layer to delete.
TEST_F(LightLayerDbTest, EditsReportWhatTheyDid)
{
    const orb::GroupItemId a = runtime.addGroup(root), b = runtime.addGroup(a), object = runtime.addObject(a);
    const std::function<bool(orb::GroupItemId)> setters[] = {
        [&](orb::GroupItemId id) { return runtime.setExcluded(id, true); },
        [&](orb::GroupItemId id) { return runtime.setShaderAnswer(id, 1); },
        [&](orb::GroupItemId id) { return runtime.setShaderAnswer(id, std::nullopt); },
        [&](orb::GroupItemId id) { return runtime.setObjectMask(id, 1); },
        [&](orb::GroupItemId id) { return runtime.setMaskReadable(id, true); },
    };
    for (const auto& set : setters)
        EXPECT_TRUE(set(object) && !set(a) && !set(9999));
    EXPECT_EQ(orb_group_item_from_id(runtime.scene(), object)->object->shader, nullptr);
    const std::tuple<orb::GroupItemId, orb::GroupItemId, bool> shares[] = {
        {b, a, false}, {b, b, false}, {object, b, false}, {a, 9999, false}, {b, object, true}};
    for (const auto& [parent, child, ok] : shares)
        EXPECT_EQ(runtime.addChild(parent, child), ok) << parent << " " << child;
    const orb::LightLayerId x = live.create_layer("X", orb::InvalidId);
    EXPECT_TRUE(live.set_layer_name(x, "Y"));
    EXPECT_FALSE(live.set_layer_name(12, "Y"));
    const std::pair<orb::LightLayerId, orb::LightLayerId> badClones[] = {{x, x}, {12, x}, {x, 12}};
    for (const auto& [target, source] : badClones)
        EXPECT_FALSE(live.clone_layer(target, source)) << target << " " << source;
    EXPECT_TRUE(live.clone_layer(x, 1));
    const std::pair<orb::LightLayerId, bool> deletions[] = {{x, true}, {1, false}, {12, false}};
    for (const auto& [layer, ok] : deletions)
        EXPECT_EQ(live.delete_n_remap_layer(runtime.scene(), layer), ok) << layer;
}

// What the walks rely on: an object answers datum 0 with 4 bytes only, the
// shader request 4100 only, and item look-ups stop at the last item.
TEST_F(LightLayerDbTest, ObjectsAndShadersAnswerOnlyTheLightLayerRequest)
{
    const orb::GroupItemId id = runtime.addObject(root);
    runtime.setObjectMask(id, 5);
    runtime.setShaderAnswer(id, 7);
    const orbObject& object = *orb_group_item_from_id(runtime.scene(), id)->object;
    std::uint64_t out = 0;
    const std::tuple<std::uint32_t, void*, std::size_t, bool> reads[] = {
        {0, &out, 4, true}, {1, &out, 4, false}, {0, &out, 8, false}, {0, nullptr, 4, false}};
    for (const auto& [datum, to, size, ok] : reads)
        EXPECT_EQ(object.read_data(datum, to, size), ok) << datum << ' ' << size;
    EXPECT_EQ(out, 5u);
    EXPECT_EQ(orb_call_info_shader(object.shader, 4100), reinterpret_cast<void*>(7));
    EXPECT_EQ(orb_call_info_shader(object.shader, 4101), nullptr);
    EXPECT_EQ(orb_call_info_shader(nullptr, 4100), nullptr);
    EXPECT_EQ(orb_group_item_from_id(runtime.scene(), id + 1), nullptr);
    EXPECT_EQ(orb_group_item_from_id(nullptr, id), nullptr);
}

} // namespace
