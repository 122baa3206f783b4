// The brush over the in-memory renderer's default graph: keys (its texts are
// checked by the pseudo-translation test),
// the copies between members and graph, scale, and the diagnostics of graphs
// that lack a key or hold an unexpected record.

#include "color/ColorTestSupport.h"

#include <zsg/color/ColorModels.h>
#include <zsg/paint/ZPainterBrush.h>
#include <zsg/platform/OrbBrush.h>

#include <gtest/gtest.h>

using namespace zsg;
using namespace orb::painter;

namespace {

QStringList g_debug;

// Collects the Qt debug stream while it lives.
struct DebugCapture {
    QtMessageHandler previous = (g_debug.clear(), qInstallMessageHandler([](QtMsgType, const QMessageLogContext&,
                                                                           const QString& text) { g_debug << text; }));
    ~DebugCapture() { qInstallMessageHandler(previous); }
};

template <typename T>
T valueOf(const IPainterBrush& brush, const char* key)
{
    T value{};
    const Parameter parameter = brush.parameter(QString::fromLatin1(key));
    EXPECT_TRUE(parameter.isValid()) << key;
    return parameter.isValid() ? (parameter.getp(&value), value) : value;
}

template <typename T>
void set(IPainterBrush& brush, const char* key, const T& value)
{
    Parameter parameter = brush.parameter(QString::fromLatin1(key));
    ASSERT_TRUE(parameter.isValid()) << key;
    parameter.setp(&value);
}

struct BrushTest : testing::Test {
    test::LeakCheck leaks;
    orb::MemoryRuntime runtime;
    DebugCapture debug;

    std::unique_ptr<ZPainterBrush> create(float size) { return load(ZPainterBrush::createDefaultGraph(&runtime, size)); }
    std::unique_ptr<ZPainterBrush> load(orbBrush_node* node) { return std::make_unique<ZPainterBrush>(node, &runtime, 42); }
};

TEST_F(BrushTest, DefaultGraphSizesFollowTheSceneUnit)
{
    struct Row {
        float size, unitScale, world, spacing;
    };
    // world = size / 20 in units of the scene (an unset unit counts as 1); spacing = size / 100.
    for (const Row& row : {Row{20, 1, 1.0f, 0.2f}, Row{20, 0, 1.0f, 0.2f}, Row{20, 4, 0.25f, 0.2f},
                           Row{10, 0.5f, 1.0f, 0.1f}}) {
        runtime.setLengthUnitScale(row.unitScale);
        const auto brush = create(row.size);
        EXPECT_FLOAT_EQ(valueOf<float>(*brush, "basic_size_world_value"), row.world) << row.unitScale;
        EXPECT_FLOAT_EQ(valueOf<float>(*brush, "basic_spacing_world"), row.spacing) << row.size;
        EXPECT_FALSE(brush->parameter("basic_size_px").isValid());  // a link has no entry
    }
}

TEST_F(BrushTest, PenPressureBitsGoBothWays)
{
    struct Row { bool flow, opacity, size; std::int32_t mode; };
    for (const Row& row : {Row{false, false, false, 0}, Row{true, false, true, 5}, Row{false, true, true, 6},
                           Row{true, true, true, 7}, Row{false, true, false, 2}}) {
        SCOPED_TRACE(row.mode);
        const auto writer = create(20);
        const std::pair<const char*, bool> bits[] = {
            {"basic_flow_pen_pressure", row.flow}, {"basic_opacity_pen_pressure", row.opacity}, {"basic_size_pen_pressure", row.size}};
        for (const auto& [key, on] : bits)
            set(*writer, key, on);
        writer->writeToNode();
        EXPECT_EQ(valueOf<std::int32_t>(*writer, "basic_pen_pressure_mode"), row.mode);
        const auto reader = load(writer->brushNode());
        reader->readFromNode();
        for (const auto& [key, on] : bits)
            EXPECT_EQ(valueOf<bool>(*reader, key), on) << key;
    }
}

TEST_F(BrushTest, WriteThenReadCarriesTheBrushSettings)
{
    // Writing member-bound settings, and the nodes reported, are pinned by the transcript.
    const auto writer = create(20);
    set(*writer, "basic_opacity_percent", 25.0f);
    set(*writer, "color_color", ZColorExt(ZColor(ZColor::HSV, 120, 1, 1)));  // pure green
    Enumerable mode = valueOf<Enumerable>(*writer, "basic_mode");
    mode.current = 1;
    set(*writer, "basic_mode", mode);
    writer->writeToNode();

    const auto reader = load(writer->brushNode());
    reader->readFromNode();
    EXPECT_FLOAT_EQ(valueOf<float>(*reader, "basic_opacity_percent"), 25.0f);
    EXPECT_EQ(valueOf<Enumerable>(*reader, "basic_mode").current, 1);
    const orbColor_rgba green = valueOf<ZColorExt>(*reader, "color_color").rgba();
    EXPECT_EQ((std::array{green.r, green.g, green.b, green.a}), (std::array{0.0f, 1.0f, 0.0f, 1.0f}));
}

// Each member goes to its own record and back, with a value no other key holds.
TEST_F(BrushTest, EachSettingTravelsUnderItsOwnKey)
{
    const auto writer = create(20);
    const std::pair<const char*, float> percents[] = {
        {"basic_hardness_percent", 10.0f}, {"basic_opacity_percent", 20.0f}, {"basic_flow_value_percent", 30.0f}};
    for (const auto& [key, value] : percents)
        set(*writer, key, value);
    const std::pair<const char*, std::int32_t> choices[] = {{"basic_space", 1}, {"basic_mode", 1}};
    for (const auto& [key, current] : choices) {
        Enumerable e = valueOf<Enumerable>(*writer, key);
        e.current = current;
        set(*writer, key, e);
    }
    set(*writer, "color_texture_filepath", QStringLiteral("wood.png"));
    set(*writer, "basic_stencil_filepath", QStringLiteral("dots.png"));
    writer->writeToNode();
    const std::pair<const char*, float> graph[] = {
        {"basic_hardness", 0.1f}, {"basic_opacity", 0.2f}, {"basic_flow_value", 0.3f}};
    for (const auto& [key, value] : graph)
        EXPECT_FLOAT_EQ(valueOf<float>(*writer, key), value) << key;

    const auto reader = load(writer->brushNode());
    reader->readFromNode();
    for (const auto& [key, value] : percents)
        EXPECT_FLOAT_EQ(valueOf<float>(*reader, key), value) << key;
    const std::pair<const char*, std::int32_t> read[] = {{"basic_space", 1}, {"basic_mode", 1}, {"color_selection", 1}};
    for (const auto& [key, current] : read)
        EXPECT_EQ(valueOf<Enumerable>(*reader, key).current, current) << key;
    EXPECT_EQ(valueOf<QString>(*reader, "color_texture_filepath"), "wood.png");
    EXPECT_EQ(reader->stencilFilePath(), "dots.png");
}

// One node linked twice ("alpha" and "flow"): collected under both keys,
// reported changed once per path.
TEST_F(BrushTest, ANodeReachedByTwoPathsIsCollectedTwice)
{
    orbScene_api* api = orb_get_scene_api(runtime.scene());
    api->begin_node("orb.painter.stamp.float.solid01jitter", orb::InvalidId);
    orbBrush_node* shared = static_cast<orbBrush_node*>(api->end_node());
    api->begin_node("orb.painter.stamp.basic.default", orb::InvalidId);
    api->set_attribute("alpha", BrushLink, shared);
    api->set_attribute("flow", BrushLink, shared);
    orbBrush_node* basic = static_cast<orbBrush_node*>(api->end_node());
    api->begin_node("orb.painter.stamp.brush", orb::InvalidId);
    api->set_attribute("basic", BrushLink, basic);
    const auto brush = load(static_cast<orbBrush_node*>(api->end_node()));
    set(*brush, "basic_flow_value_percent", 30.0f);
    brush->writeToNode();
    EXPECT_FLOAT_EQ(runtime.brushNodeRecord(shared)->parameters[0].value.number, 0.3f);  // "value"
    EXPECT_EQ(runtime.brushNodeChangedCount(shared), 2);
    EXPECT_EQ(runtime.brushNodeChangedCount(basic), 1);
}

TEST_F(BrushTest, ColorSelectionFollowsShaderThenTexture)
{
    int shaderNode = 0;  // any address: the brush only tests for presence
    struct Row { bool shader; const char* texture; std::int32_t selection; };
    for (const Row& row : {Row{false, "", 0}, Row{false, "wood.png", 1}, Row{true, "", 2}, Row{true, "wood.png", 2}}) {
        const auto writer = create(20);
        set(*writer, "color_shader", row.shader ? reinterpret_cast<orbShader*>(&shaderNode) : nullptr);
        set(*writer, "color_texture_filepath", QString::fromLatin1(row.texture));
        writer->writeToNode();
        EXPECT_EQ(valueOf<Enumerable>(*writer, "color_selection").current, row.selection);
        const auto reader = load(writer->brushNode());
        reader->readFromNode();
        EXPECT_EQ(valueOf<Enumerable>(*reader, "color_selection").current, row.selection) << row.texture;
    }
}

TEST_F(BrushTest, FilePathsAreCopiedOnlyWhenTheyChange)
{
    const auto writer = create(20);
    const auto strings = [] { return orb::memoryStats().strings; };
    struct Row { const char* stencil; std::int64_t newStrings; };
    for (const Row& row : {Row{"dots.png", 1}, Row{"dots.png", 0}, Row{"", 0}, Row{"dots.png", 1}}) {
        const std::int64_t before = strings();
        set(*writer, "basic_stencil_filepath", QString::fromLatin1(row.stencil));
        writer->writeToNode();
        EXPECT_EQ(strings() - before, row.newStrings) << row.stencil;
        const auto reader = load(writer->brushNode());
        set(*reader, "basic_stencil_filepath", QStringLiteral("stale"));
        reader->readFromNode();
        EXPECT_EQ(reader->stencilFilePath(), QString::fromLatin1(row.stencil));
    }
}

TEST_F(BrushTest, ScaleChangesSceneLengthsOnly)
{
    const auto brush = create(20);
    set(*brush, "basic_rotation", 30.0f);
    EXPECT_TRUE(brush->scale(2));  // the world size, and scale 1, are pinned by the transcript
    EXPECT_FLOAT_EQ(valueOf<float>(*brush, "basic_spacing_world"), 0.4f);
    EXPECT_EQ(valueOf<float>(*brush, "basic_size_px_value"), 5.0f);
    EXPECT_EQ(valueOf<float>(*brush, "basic_spacing_percent"), 25.0f);
    EXPECT_EQ(brush->rotation(), 30.0f);
    // Graph-bound: the renderer's node changed, as a second brush sees.
    EXPECT_FLOAT_EQ(valueOf<float>(*load(brush->brushNode()), "basic_size_world_value"), 2.0f);
}

TEST_F(BrushTest, AGraphWithoutStencilReportsItsMissingKeys)
{
    orbScene_api* api = orb_get_scene_api(runtime.scene());
    api->begin_node("orb.painter.stamp.basic.default", orb::InvalidId);
    orbBrush_node* basic = static_cast<orbBrush_node*>(api->end_node());
    api->begin_node("orb.painter.stamp.brush", orb::InvalidId);
    api->set_attribute("basic", BrushLink, basic);
    const auto brush = load(static_cast<orbBrush_node*>(api->end_node()));

    // The report of each missing key is pinned by the transcript.
    EXPECT_EQ(g_debug.size(), 8);
    EXPECT_FALSE(brush->parameter("basic_size_px_value").isValid());
    EXPECT_TRUE(brush->parameter("basic_rotation").isValid());
    EXPECT_TRUE(brush->parameter("color_color").isValid());  // member-bound: no look-up

    // Reading leaves what the graph lacks alone; writing skips it.
    set(*brush, "basic_flow_value_percent", 40.0f);
    brush->readFromNode();
    EXPECT_EQ(valueOf<float>(*brush, "basic_flow_value_percent"), 40.0f);
    brush->writeToNode();
    EXPECT_EQ(runtime.brushNodeChangedCount(basic), 1);
}

// A renderer whose graph is made by hand: the "basic" node holds a record of
// another type than the brush expects, a nameless record, and a link back to
// the top node.
struct HandMadeRuntime : orb::MemoryRuntime {
    orbBrush_parameter topParameters[1] = {{"basic", BrushLink, {}, nullptr}};
    orbBrush_parameter basicParameters[4] = {
        {"rotation", BrushInteger, {}, nullptr},  // the brush wants a float here
        {"back", BrushLink, {}, nullptr},
        {nullptr, BrushFloat, {}, nullptr},
        {"opacity", BrushFloat, {}, nullptr},
    };
    int markers[2] = {};
    orbBrush_node_record top{node(0), "top", topParameters, 1};
    orbBrush_node_record basic{node(1), "basic", basicParameters, 4};

    HandMadeRuntime()
    {
        topParameters[0].value.link = basic.node;
        basicParameters[1].value.link = top.node;
    }
    orbBrush_node* node(int i) { return reinterpret_cast<orbBrush_node*>(&markers[i]); }
    orbBrush_node_record* brushNodeRecord(orbBrush_node* n) override
    {
        return n == top.node ? &top : n == basic.node ? &basic : nullptr;
    }
    void brushNodeChanged(orbBrush_node* n) override { changed.push_back(n); }
    std::vector<orbBrush_node*> changed;
};

TEST_F(BrushTest, UnexpectedRecordsAndCyclesAreSurvived)
{
    HandMadeRuntime handMade;
    g_debug.clear();
    ZPainterBrush brush(handMade.top.node, &handMade, 1);
    EXPECT_TRUE(g_debug.contains(QStringLiteral("** Trying to add invalid parameter basic_rotation")));
    EXPECT_FALSE(g_debug.contains(QStringLiteral("Could not find bep for basic_rotation")));
    EXPECT_FALSE(brush.parameter("basic_rotation").isValid());
    EXPECT_EQ(brush.rotation(), 0.0f);
    EXPECT_TRUE(brush.parameter("basic_opacity").isValid());
    // Following the link back would have visited "basic" again: each node once.
    brush.writeToNode();
    EXPECT_EQ(handMade.changed, (std::vector{handMade.top.node, handMade.basic.node}));
}

} // namespace
