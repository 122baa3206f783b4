// The light layer API: assignment, naming, the mirror, the dump and the events
// of every change (the walks are checked by the transcript and the model test).

#include "LightLayerTestSupport.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

using namespace zsg;
using namespace zsg::test;

namespace {

using LayerIdMap = ZLightLayerApi::LayerIdMap;

// root: A [o1, o2 (excluded), B (0x800) [o3]], C (0x4000) [o4, A], o5 (shader
// answers 1), o6 (shader answers 0), light, o7 (mask unreadable). Every
// object is in layer X.
class LightLayerApiTest : public ::testing::Test, public LightLayerScene {
protected:
    void SetUp() override
    {
        a = runtime.addGroup(root);
        o1 = runtime.addObject(a);
        o2 = runtime.addObject(a);
        b = runtime.addGroup(a, 0x800);
        o3 = runtime.addObject(b);
        c = runtime.addGroup(root, 0x4000);
        o4 = runtime.addObject(c);
        runtime.addChild(c, a);
        o5 = runtime.addObject(root);
        o6 = runtime.addObject(root);
        light = runtime.addLight(root);
        o7 = runtime.addObject(root);
        runtime.setExcluded(o2, true);
        runtime.setShaderAnswer(o5, 1);
        runtime.setShaderAnswer(o6, 0);
        x = live.create_layer("X", orb::InvalidId);
        for (orb::GroupItemId o : {o1, o2, o3, o4, o5, o6, o7})
            runtime.setObjectMask(o, bit(x));
        runtime.setMaskReadable(o7, false);
        api.sync();
        events.take();
    }

    orb::GroupItemId a, b, c, o1, o2, o3, o4, o5, o6, o7;
    orb::ObjectId light;
    orb::LightLayerId x;
};

TEST_F(LightLayerApiTest, SetItemsLayerSendsEveryObjectOnceAscending)
{
    const orb::LightLayerId y = api.createLayer("Y");
    events.take();
    api.setItemsLayer(y, span({c, root, 9999, o4}));
    api.setItemsLayer(y, span({9999}));
    using Call = std::pair<orb::LightLayerId, Ids>;
    EXPECT_EQ(runtime.assigned, (std::vector<Call>{{y, {o1, o2, o3, o4, o5, o6, light, o7}}, {y, {}}}));
    EXPECT_EQ(events.take(), (QStringList{layerUpdated(y), layerUpdated(y)}));
}

// Numbering, and renaming to an unchanged or taken name, are pinned by the transcript.
TEST_F(LightLayerApiTest, CreateAndRenameReachBothDatabasesAndRefuseEmptyNames)
{
    EXPECT_EQ(api.createLayer(""), orb::InvalidId);
    const orb::LightLayerId first = api.createLayer("X");
    api.setLayerName(first, "");
    api.setLayerName(first, "Y");
    EXPECT_EQ(api.layerName(first), "Y");
    EXPECT_STREQ(live.get_layer_name(first), "Y");
    EXPECT_EQ(take(api.layers()), take(live.get_layers()));
    EXPECT_EQ(events.take(), (QStringList{layerUpdated(first), layerUpdated(first)}));
}

TEST_F(LightLayerApiTest, NoLayerLeftCreatesNothingAnywhere)
{
    while (live.create_layer("filler", orb::InvalidId) != orb::InvalidId) {
    }
    const std::uint32_t before = api.layerCount();  // the mirror still has room
    EXPECT_EQ(api.createLayer("One too many"), orb::InvalidId);
    EXPECT_EQ(api.cloneLayer(x), orb::InvalidId);
    EXPECT_EQ(api.layerCount(), before);
    EXPECT_EQ(events.take(), QStringList{});
}

// Lights and flags of a layer reach both databases as the model test checks.
TEST_F(LightLayerApiTest, CloneReachesBothDatabases)
{
    const Ids lights{light, 77};
    api.addLights(x, span(lights));
    api.setFlags(x, orb::LayerReversed);
    EXPECT_EQ(events.take(), (QStringList{layerUpdated(x), layerUpdated(x)}));
    const orb::LightLayerId clone = api.cloneLayer(x);
    EXPECT_EQ(take(live.get_lights(clone)), lights);
    EXPECT_EQ(take(api.lights(clone)), lights);
    EXPECT_EQ(runtime.objectMask(light), bit(x) | bit(clone));
    EXPECT_EQ(events.take(), QStringList{layerUpdated(clone)});
}

TEST_F(LightLayerApiTest, CreateFromLightsInNoDefaultLayerCreatesNothing)
{
    api.createLayerFromLights(span({77, 78}));
    EXPECT_EQ(api.layerCount(), 2u);
    EXPECT_EQ(events.take(), QStringList{});
}

// The dump's format is pinned by the transcript; here: it shows the mirror.
TEST_F(LightLayerApiTest, DumpPrintsTheMirror)
{
    runtime.setEnvironmentLightMask(6);
    const Ids lights{light, 9};
    live.add_lights(x, span(lights));
    const auto dump = [&] {
        std::ostringstream out;
        auto* saved = std::cout.rdbuf(out.rdbuf());
        api.dump();
        std::cout.rdbuf(saved);
        return out.str();
    };
    const std::string stale = dump(), synced = (api.sync(), dump());
    for (const std::string& line : {std::string("Mask: 6\n"), "Lights: " + std::to_string(light) + " 9 \n"}) {
        EXPECT_EQ(stale.find(line), std::string::npos) << line;
        EXPECT_NE(synced.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(events.take(), QStringList{"LightLayerSynced"});
}

TEST(LightLayerApiWithoutQueue, WorksAndPostsNothing)
{
    LeakCheck leaks;
    orb::MemoryRuntime runtime;
    ZLightLayerApi api(nullptr, &runtime);
    api.sync();
    const orb::LightLayerId id = api.createLayer("Solo");
    api.deleteLayer(id);
    EXPECT_EQ(api.layerCount(), 2u);
    ZLightLayerApi detached(nullptr, nullptr);
    EXPECT_EQ(detached.createLayer("Nowhere"), orb::InvalidId);
    EXPECT_EQ(detached.getLayerItems(1), Ids{});
}

} // namespace
