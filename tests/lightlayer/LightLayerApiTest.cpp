// The light layer API: assignment, naming, the mirror, the dump and the events
// of every change (the walks are checked by the transcript and the model test).

#include "LightLayerTestSupport.h"

#include <gtest/gtest.h>

#include <zsg/scenegraph/IEventListener.h>

#include <functional>
#include <iostream>
#include <sstream>

using namespace zsg;
using namespace zsg::test;

namespace {

using LayerIdMap = ZLightLayerApi::LayerIdMap;

std::string dumpOf(ILightLayerApi& api)
{
    std::ostringstream out;
    auto* saved = std::cout.rdbuf(out.rdbuf());
    api.dump();
    std::cout.rdbuf(saved);
    return out.str();
}

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

// Object ids of one byte are sorted by counting, larger ones by comparison,
// ids sharing their high bytes by counting again.
TEST_F(LightLayerApiTest, SetItemsLayerSortsIdsOfAnySize)
{
    while (runtime.addObject(root) < 612) {
    }
    const std::pair<Ids, Ids> cases[] = {
        {{255, 13, 200, 13}, {13, 200, 255}},
        {{511, 256, 300, 256}, {256, 300, 511}},
        {{600, 20, 256, 255, 600}, {20, 255, 256, 600}},
        {{517, 261}, {261, 517}},
    };
    for (const auto& [items, objects] : cases) {
        api.setItemsLayer(x, span(items));
        EXPECT_EQ(runtime.assigned.back().second, objects);
    }
    api.setItemsLayer(x, span({613}));  // one past the last item
    EXPECT_EQ(runtime.assigned.back().second, Ids{});
    // Results are reserved for 1024 ids: small scenes never reallocate them.
    EXPECT_GE(api.getLayerItems(30).capacity(), 1024u);
    EXPECT_GE(api.layersOfItems(span({o1})).capacity(), 1024u);
}

// Layer 33, the 32nd with a bit, owns bit 31; there is no 34th.
TEST_F(LightLayerApiTest, TheLastLayerOwnsBit31)
{
    orb::LightLayerId last = x;
    for (orb::LightLayerId id; (id = api.createLayer("L")) != orb::InvalidId;)
        last = id;
    ASSERT_EQ(last, 33u);
    api.setItemsLayer(last, span({o1, o4}));
    api.addLights(last, span({light}));
    EXPECT_EQ(runtime.objectMask(o1), 0x80000000u);
    EXPECT_EQ(runtime.objectMask(light), 0x80000000u);
    EXPECT_EQ(api.getLayerItems(last), (Ids{o1, o4, o1})) << "a shared group is listed once per path";
    EXPECT_EQ(api.layersOfItems(span({o1, o6, o4})), (Ids{x, last}));
    EXPECT_EQ(api.getLayerIdMap(span({o1, o6})), (LayerIdMap{{x, {o6}}, {last, {o1}}}));
    api.deleteLayer(last);
    EXPECT_EQ(runtime.objectMask(o1), 0u);
}

// Every change, one after another: inside its event a listener already sees
// the new state, and the mirror equals the renderer's database without a sync.
TEST_F(LightLayerApiTest, ListenersSeeTheNewStateOnBothSides)
{
    struct Listener : IEventListener {
        void handleEvent(Event*) override { seen = state(); }
        std::function<QStringList()> state;
        QStringList seen;
    } listener;
    listener.state = [&] {
        QStringList state = layersOf(api) + layersOf(live);
        for (orb::GroupItemId o : {o1, o2, o3, o4, o6, light})
            state << QString::number(runtime.objectMask(o).value_or(0));
        return state;
    };
    queue.addListener(&listener, EventType::LightLayerUpdated);
    queue.addListener(&listener, EventType::LightLayerSynced);
    orb::LightLayerId y = 0;
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"create", [&] { y = api.createLayer("Y"); }},
        {"rename", [&] { api.setLayerName(y, "Z"); }},
        {"add", [&] { api.addLights(y, span({light})); }},
        {"from lights", [&] { api.createLayerFromLights(span({light})); }},
        {"remove", [&] { api.removeLights(orbLight_layer_db::DefaultLayer, span({light})); }},
        {"flags", [&] { api.setFlags(y, 0x80000021u); }},  // bits nobody defined pass through
        {"assign", [&] { api.setItemsLayer(y, span({a})); }},
        {"clone", [&] { api.cloneLayer(y); }},
        {"delete", [&] { api.deleteLayer(y); }},
        {"sync", [&] { live.set_layer_name(x, "Behind"); api.sync(); }},
    };
    for (const auto& [name, step] : steps) {
        const QStringList before = listener.state();
        listener.seen.clear();
        step();
        const QStringList after = listener.state();
        EXPECT_NE(after, before) << name;
        EXPECT_EQ(listener.seen, after) << name;
        EXPECT_EQ(layersOf(api), layersOf(live)) << name;
    }
    queue.removeListener(&listener);
    EXPECT_EQ(api.flags(y).bits, 0x80000021u | orb::LayerDeleted);
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

// When the renderer gives no id the event is posted all the same, with
// InvalidId. A synced mirror has no id left either; an unsynced one takes one
// the renderer also has, which the next sync replaces.
TEST_F(LightLayerApiTest, NoLayerLeftPostsInvalidIdAndLeavesTheRendererAlone)
{
    while (live.create_layer("filler", orb::InvalidId) != orb::InvalidId) {
    }
    const auto liveBefore = layersOf(live);
    EXPECT_EQ(api.createLayer("One too many"), orb::InvalidId);
    EXPECT_EQ(api.cloneLayer(x), orb::InvalidId);
    EXPECT_EQ(api.layerCount(), 4u) << "the unsynced mirror took ids 3 and 4";
    EXPECT_EQ(api.layerName(3), "One too many");
    EXPECT_EQ(layersOf(live), liveBefore);
    api.sync();
    EXPECT_EQ(layersOf(api), layersOf(live));
    EXPECT_EQ(api.createLayer("Again"), orb::InvalidId);
    EXPECT_EQ(api.cloneLayer(x), orb::InvalidId);
    EXPECT_EQ(api.layerCount(), 33u);
    EXPECT_EQ(api.layerName(3), "filler");
    EXPECT_EQ(events.take(), (QStringList{layerUpdated(orb::InvalidId), layerUpdated(orb::InvalidId), "LightLayerSynced",
                                          layerUpdated(orb::InvalidId), layerUpdated(orb::InvalidId)}));
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
    runtime.setEnvironmentLightMask(0x80000006);
    const Ids lights{light, 9};
    live.add_lights(x, span(lights));
    live.set_flags(x, 0x80000000);
    const std::string stale = dumpOf(api), synced = (api.sync(), dumpOf(api));
    for (const std::string& line : {std::string("Mask: 2147483654\n"), std::string("Flags: 2147483648\n"),
                                    "Lights: " + std::to_string(light) + " 9 \n"}) {
        EXPECT_EQ(stale.find(line), std::string::npos) << line;
        EXPECT_NE(synced.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(events.take(), QStringList{"LightLayerSynced"});
}

// Hierarchies a renderer could hand over: a group listed below itself (which
// the walks must not follow round), and groups shared over many levels. A
// layer's item list repeats shared objects once per path; one too long to
// build comes back empty. The other walks take each group once.
TEST(LightLayerHostileHierarchy, EveryWalkReturns)
{
    struct Case {
        const char* name;
        int diamondLevels;  // groups each listed twice in the one above; 0: a cycle
        Ids items;          // getLayerItems, with o (the deepest object) and n (near the root) as 1 and 2
    };
    const Case cases[] = {
        {"cycle", 0, {1, 2, 1, 2, 3}},
        {"3 shared levels", 3, {1, 1, 1, 1, 1, 1, 1, 1, 3}},
        {"40 shared levels", 40, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LightLayerScene s;
        const orb::GroupItemId top = s.runtime.addGroup(s.root);
        orb::GroupItemId level = top, other = orb::InvalidId;
        if (c.diamondLevels == 0) {
            // root: top [o, inner [other, top, root]], c [top], n
            const orb::GroupItemId inner = (s.runtime.addObject(top), s.runtime.addGroup(top));
            other = s.runtime.addObject(inner);
            ASSERT_FALSE(s.runtime.addChild(inner, top));
            ASSERT_TRUE(s.runtime.addChildHostile(inner, top));
            ASSERT_TRUE(s.runtime.addChild(s.runtime.addGroup(s.root), top));
            ASSERT_TRUE(s.runtime.addChildHostile(inner, s.root));  // back to where the walks start
        }
        for (int i = 0; i < c.diamondLevels; ++i) {
            const orb::GroupItemId next = s.runtime.addGroup(level);
            s.runtime.addChild(level, next);
            level = next;
        }
        const orb::GroupItemId o = c.diamondLevels ? s.runtime.addObject(level) : top + 1;
        const orb::GroupItemId n = s.runtime.addObject(s.root);
        const orb::LightLayerId x = s.api.createLayer("X");
        s.api.setItemsLayer(x, span({top, n}));
        Ids expected{o, n};
        if (other != orb::InvalidId)
            expected = {o, other, n};
        EXPECT_EQ(s.runtime.assigned.back().second, expected);
        Ids items;
        for (std::uint32_t which : c.items)
            items.push_back(which == 1 ? o : which == 2 ? other : n);
        EXPECT_EQ(s.api.getLayerItems(x), items);
        EXPECT_EQ(s.api.layersOfItems(span({s.root})), Ids{x});
        EXPECT_EQ(s.api.getLayerIdMap(span({s.root})), (ZLightLayerApi::LayerIdMap{{x, expected}}));
    }
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
    EXPECT_NE(dumpOf(detached).find("Environment Light Mask: 0\n"), std::string::npos);
}

} // namespace
