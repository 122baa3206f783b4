// The in-memory renderer's brush nodes as the scene API builds them.

#include "color/ColorTestSupport.h"

#include <zsg/platform/OrbBrush.h>

#include <gtest/gtest.h>

#include <cstring>

using namespace orb::painter;

namespace {

struct BrushNodesTest : testing::Test {
    zsg::test::LeakCheck leaks;
    orb::MemoryRuntime runtime;
    orbScene_api* api = orb_get_scene_api(runtime.scene());

    orbBrush_node* build(const char* type, std::uint32_t id = orb::InvalidId)
    {
        return api->begin_node(type, id), static_cast<orbBrush_node*>(api->end_node());
    }
    const orbBrush_parameter* find(orbBrush_node* node, const char* name)
    {
        const orbBrush_node_record* record = runtime.brushNodeRecord(node);
        for (std::uint32_t i = 0; record && i < record->parameterCount; ++i)
            if (std::strcmp(record->parameters[i].name, name) == 0)
                return &record->parameters[i];
        return nullptr;
    }
};

TEST_F(BrushNodesTest, AttributesMustMatchTheNodeType)
{
    orbBrush_node* target = build("orb.painter.stamp.float.solid01");
    ASSERT_NE(target, nullptr);
    EXPECT_EQ(find(target, "value")->value.number, 1.0f);  // the types' defaults
    orbBrush_node* jitter = build("orb.painter.stamp.float.solid01jitter");
    EXPECT_EQ(find(jitter, "value")->value.number, 1.0f);
    EXPECT_EQ(find(jitter, "jitter")->value.number, 0.0f);
    const float half = 0.5f;
    const std::int32_t three = 3;
    const orbColor red{1, 0, 0};
    const unsigned char two = 2;
    int stranger = 0;
    struct Row {
        const char* name;
        int kind;
        const void* value;
        bool accepted;
    };
    const Row rows[] = {
        {"rotation", BrushFloat, &half, true},
        {"space", BrushInteger, &three, true},
        {"directional", BrushBoolean, &two, true},      // any non-zero byte is true
        {"no_such", BrushFloat, &half, false},
        {"rotation", BrushFloat, nullptr, false},      // value kinds need a value
        {"flow", BrushLink, target, true},
        {"alpha", BrushLink, nullptr, true},           // unlinking
        {"stencil", BrushLink, &stranger, false},      // not a node of this scene
        {"stencil", BrushColor, &red, false},
    };
    api->begin_node("orb.painter.stamp.basic.default", orb::InvalidId);
    for (const Row& row : rows)
        EXPECT_EQ(api->set_attribute(row.name, row.kind, row.value), row.accepted) << row.name;
    orbBrush_node* basic = static_cast<orbBrush_node*>(api->end_node());
    ASSERT_NE(basic, nullptr);
    EXPECT_EQ(find(basic, "rotation")->value.number, 0.5f);
    EXPECT_EQ(find(basic, "space")->value.integer, 3);
    EXPECT_TRUE(find(basic, "directional")->value.boolean);
    EXPECT_EQ(find(basic, "flow")->value.link, target);
    // Ended: further attributes have no node to go to.
    EXPECT_FALSE(api->set_attribute("rotation", BrushFloat, &half));
}

// Unknown types and a bogus node are pinned by the transcript.
TEST_F(BrushNodesTest, NodesNeedAFreeIdAndStringsAndTheUnitScaleBelongToTheScene)
{
    EXPECT_EQ(build(nullptr), nullptr);
    EXPECT_NE(build("orb.painter.stamp.brush", 7), nullptr);
    EXPECT_EQ(build("orb.painter.stamp.brush", 7), nullptr);
    const std::int64_t before = orb::memoryStats().strings;
    api->begin_node("orb.painter.stamp.color.image", orb::InvalidId);
    EXPECT_TRUE(api->set_attribute("filepath", BrushString, "wood.png"));
    EXPECT_STREQ(find(static_cast<orbBrush_node*>(api->end_node()), "filepath")->value.string, "wood.png");
    EXPECT_EQ(orb::memoryStats().strings, before + 1);
    runtime.setLengthUnitScale(0);
    EXPECT_EQ(orb_scene_length_unit_scale(runtime.scene()), 0.0f);
    EXPECT_EQ(orb_scene_length_unit_scale(nullptr), 0.0f);
}

} // namespace
