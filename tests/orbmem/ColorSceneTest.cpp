// The in-memory renderer's colours, colorways, colour settings and the
// materials that use colours, driven as the colour database and its views do.

#include <orbmem/MemoryRuntime.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Ids = std::vector<std::uint32_t>;

orb::FieldEntry* field(orb::Record* record, const char* name)
{
    for (int i = 0; i < record->fieldCount; ++i)
        if (std::strcmp(record->fields[i].name, name) == 0)
            return &record->fields[i];
    return nullptr;
}

template <typename T>
T value(orb::Record* record, const char* name)
{
    T v;
    std::memcpy(&v, field(record, name)->value, sizeof v);
    return v;
}

template <typename T>
void setValue(orb::Record* record, const char* name, const T& v)
{
    std::memcpy(field(record, name)->value, &v, sizeof v);
}

std::string text(orb::Record* record, const char* name)
{
    const char* s = value<const char*>(record, name);
    return s ? s : "";
}

Ids list(orb::Record* record, const char* name)
{
    const auto v = value<orb::ListValue>(record, name);
    return Ids(v.data, v.data + v.count);
}

// Resizes a list field the way the views do: grow into a new orb_malloc block
// and free the old one; shrink by lowering the count.
void setList(orb::Record* record, const char* name, const Ids& ids)
{
    auto v = value<orb::ListValue>(record, name);
    if (ids.size() > v.count) {
        auto* grown = static_cast<std::uint32_t*>(orb_malloc(ids.size() * sizeof(std::uint32_t)));
        orb_free(v.data);
        v.data = grown;
    }
    std::copy(ids.begin(), ids.end(), v.data);
    v.count = static_cast<std::uint32_t>(ids.size());
    setValue(record, name, v);
}

Ids take(orb::Array<std::uint32_t> array)
{
    Ids ids(array.data, array.data + array.count);
    orb::Unique_array_helper::free(array.data);
    return ids;
}

class ColorScene : public ::testing::Test {
protected:
    ~ColorScene() override
    {
        // Everything handed out came back while the scene lives; its strings go with it.
        orb::MemoryStats live = orb::memoryStats();
        live.strings = m_start.strings;
        EXPECT_EQ(live, m_start);
        runtime.reset();
        EXPECT_EQ(orb::memoryStats(), m_start);
    }

    orbScene* scene() { return runtime->scene(); }
    std::pair<std::uint32_t, std::uint32_t> revisions()
    {
        std::uint32_t colors = 0, colorways = 0;
        orb_get_colordb_revision(scene(), &colors, &colorways);
        return {colors, colorways};
    }
    orb::ColorId plain(const std::string& name) { return runtime->createColor(name, {0.5f, 0.25f, 0.125f, 1}); }
    // Sets one field of a fetched record, commits it by its kind and releases it, as a view does.
    template <typename T>
    void edit(orb::Record* r, const char* name, const T& v)
    {
        setValue(r, name, v);
        if (r->kind == orb::ColorRecord)
            runtime->commitColor(r);
        else if (r->kind == orb::ColorwayRecord)
            runtime->commitColorway(r);
        else
            runtime->commitColorSettings(r);
        runtime->releaseColor(r);
    }

    orb::MemoryStats m_start = orb::memoryStats();
    std::unique_ptr<orb::MemoryRuntime> runtime = std::make_unique<orb::MemoryRuntime>();
};

TEST_F(ColorScene, RecordsCarryTheNamedFieldsAndRoundTripThroughMatchingCommits)
{
    const orb::ColorId red = plain("Red");
    orb::Record* record = runtime->colorRecord(red);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->kind, orb::ColorRecord);
    EXPECT_EQ(record->id, red);
    for (const char* name : {"id", "display_name", "original_name", "color", "flags", "sub_colors", "active_sub"})
        EXPECT_TRUE(field(record, name)) << name;
    EXPECT_EQ(value<std::uint32_t>(record, "id"), red);
    EXPECT_EQ(text(record, "display_name"), "Red");
    EXPECT_EQ(value<orbColor_rgba>(record, "color").g, 0.25f);

    // Edits stay in the fetched record until it is committed.
    setValue(record, "display_name", orb_string_dup(scene(), "Crimson"));
    setList(record, "sub_colors", {7, 8, 9});
    setList(record, "sub_colors", {7, 8});
    orb::Record* before = runtime->colorRecord(red);
    EXPECT_EQ(text(before, "display_name"), "Red");
    EXPECT_TRUE(runtime->commitColor(record));
    orb::Record* after = runtime->colorRecord(red);
    EXPECT_EQ(text(after, "display_name"), "Crimson");
    EXPECT_EQ(list(after, "sub_colors"), (Ids{7, 8}));
    EXPECT_EQ(text(before, "display_name"), "Red");  // an earlier fetch keeps its own data

    // A copy keeps the id and owns its lists.
    orb::Record* copy = runtime->copyRecord(after, 1);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->id, red);
    setList(copy, "sub_colors", {1, 2, 3, 4});
    EXPECT_EQ(list(after, "sub_colors"), (Ids{7, 8}));
    EXPECT_EQ(runtime->copyRecord(after, 0), nullptr);
    EXPECT_EQ(orb::memoryStats().records - m_start.records, 4);

    // A commit of the wrong kind, or for no colour of the scene, changes nothing.
    orb::Record* colorway = runtime->colorwayRecord(runtime->createColorway("Spring", {}, {}));
    const auto start = revisions();
    EXPECT_FALSE(runtime->commitColorway(copy));
    EXPECT_FALSE(runtime->commitColor(colorway));
    copy->id = 999;
    EXPECT_FALSE(runtime->commitColor(copy));
    copy->id = colorway->id;  // and the "id" field disagrees
    EXPECT_FALSE(runtime->commitColor(copy));
    EXPECT_EQ(revisions(), start);
    copy->id = red;

    for (orb::Record* r : {record, before, after, copy, colorway})
        runtime->releaseColor(r);
}

TEST_F(ColorScene, RevisionsMoveOnlyWithContent)
{
    orbScene_api* api = orb_get_scene_api(scene());
    const orb::ColorId a = plain("A");
    const orb::ColorId b = plain("B");
    const orb::ColorId multi = runtime->createMultiColor("M", {a, b});
    const orb::ColorwayId way = runtime->createColorway("W", {multi}, {b});
    const orbColor_rgba start{0.5f, 0.25f, 0.125f, 1};
    const struct {
        const char* what;
        std::function<void()> action;
        std::uint32_t colors, colorways;
    } steps[] = {
        {"new colour", [&] { api->begin_color(orb::InvalidId); api->end_color(); }, 1, 0},
        {"new colorway", [&] { api->begin_colorway(orb::InvalidId); api->end_colorway(); }, 0, 1},
        {"unchanged colour", [&] { edit(runtime->colorRecord(a), "color", start); }, 0, 0},
        {"same name again", [&] { edit(runtime->colorRecord(a), "display_name", orb_string_dup(scene(), "A")); }, 0, 0},
        {"new value", [&] { edit(runtime->colorRecord(a), "color", orbColor_rgba{1, 0, 0, 1}); }, 1, 0},
        {"colorway flags", [&] { edit(runtime->colorwayRecord(way), "flags", 1u); }, 0, 1},
        {"settings", [&] { edit(runtime->colorSettingsRecord(), "active_colorway_id", way); }, 0, 0},
        {"host value unchanged", [&] { runtime->setColorValue(a, {1, 0, 0, 1}); }, 0, 0},
        {"host name", [&] { runtime->setColorName(a, "B"); }, 1, 0},
        {"unique name", [&] { orb_color_set_unique_name(scene(), a); }, 1, 0},
        {"unique name kept", [&] { orb_color_set_unique_name(scene(), a); }, 0, 0},
        {"material", [&] { runtime->createMaterial("Paint", {a}); }, 0, 0},
        {"deleted colorway", [&] { runtime->activateColorway(way); }, 0, 0},
        {"activation", [&] { edit(runtime->colorwayRecord(way), "flags", 0u); runtime->activateColorway(way); }, 1, 2},
    };
    for (const auto& step : steps) {
        const auto [colors, colorways] = revisions();
        step.action();
        EXPECT_EQ(revisions(), std::make_pair(colors + step.colors, colorways + step.colorways)) << step.what;
    }
}

TEST_F(ColorScene, ListsAndNameLookupsFollowTheRendererOrder)
{
    const orb::ColorId red1 = plain("Red");
    const orb::ColorId unnamed = plain("");
    const orb::ColorId multi = runtime->createMultiColor("Red", {red1});
    const orb::ColorId red2 = plain("Red");
    const orb::ColorId scratch = plain("Red");
    edit(runtime->colorRecord(scratch), "flags", 4u);
    const orb::ColorwayId gone = runtime->createColorway("Spring", {}, {});
    const orb::ColorwayId spring = runtime->createColorway("Spring", {}, {});
    edit(runtime->colorwayRecord(gone), "flags", 1u);

    EXPECT_EQ(take(orb_get_colors(scene(), 1)), (Ids{red1, unnamed, red2}));  // the scratch colour is hidden
    EXPECT_EQ(take(orb_get_colors(scene(), 2)), (Ids{multi}));
    EXPECT_EQ(take(orb_get_colors(scene(), 0)), Ids{});
    EXPECT_EQ(take(orb_get_colors_named(scene())), (Ids{red1, multi, red2}));
    EXPECT_EQ(take(orb_color_from_name(scene(), "Red")), (Ids{red1, multi, red2}));
    EXPECT_EQ(take(orb_color_from_name(scene(), "")), Ids{});
    EXPECT_EQ(take(orb_multi_color_from_name(scene(), "Red")), (Ids{multi}));
    EXPECT_EQ(take(orb_get_colorways(scene())), (Ids{gone, spring}));
    EXPECT_EQ(take(orb_colorway_from_name(scene(), "Spring")), (Ids{spring}));
}

TEST_F(ColorScene, UniqueNamesCountUpWithinTheirType)
{
    const orb::ColorId red1 = plain("Red 1");
    plain("Red");
    plain("Blue 2");
    runtime->createMultiColor("Multi", {red1});

    const struct {
        const char* name;
        Ids ignore;
        int type;
        const char* expected;  // null: no name found
    } cases[] = {
        {"Green", {}, 1, "Green"},    {"Red", {}, 1, "Red 2"},        {"Red 1", {}, 1, "Red 2"},
        {"Red 1", {red1}, 1, "Red 1"}, {"Blue 2", {}, 1, "Blue 1"},    {"Red", {}, 2, "Red"},
        {"Multi", {}, 2, "Multi 1"},  {"Multi", {}, 1, "Multi"},      {"2", {}, 1, "2"},
        {"", {}, 1, nullptr},         {"Red", {}, 3, nullptr},
    };
    for (const auto& c : cases) {
        char* result = nullptr;
        const bool found = orb_color_find_unique_name(scene(), c.name, {c.ignore.data(), c.ignore.size()},
                                                      orbColor_extended::ColorType(c.type), &result);
        EXPECT_EQ(found, c.expected != nullptr) << c.name;
        if (found) {
            EXPECT_STREQ(result, c.expected) << c.name;
        }
        orb_free(result);
    }

    // Made unique as the colour database does after creating a colour.
    const orb::ColorId again = plain("Red");
    orb_color_set_unique_name(scene(), again);
    const orb::ColorId multiRed = runtime->createMultiColor("Red", {again});
    orb_color_set_unique_name(scene(), multiRed);
    EXPECT_EQ(take(orb_color_from_name(scene(), "Red 2")), (Ids{again}));
    EXPECT_EQ(take(orb_multi_color_from_name(scene(), "Red")), (Ids{multiRed}));
}

TEST_F(ColorScene, ReferenceCountsComeFromMaterials)
{
    const orb::ColorId a = plain("A"), b = plain("B"), c = plain("C");
    const orb::ColorId multi = runtime->createMultiColor("M", {a, b}, a);
    const orb::MaterialId onMulti = runtime->createMaterial("Body", {multi});
    const orb::MaterialId onB = runtime->createMaterial("Trim", {b, b});
    EXPECT_EQ(runtime->createMaterial("Broken", {a, 12345}), orb::InvalidId);

    auto refs = [&](orb::ColorId id) { return orb_color_reference_count(scene(), id); };
    auto using_ = [&](orb::ColorId id, std::uint32_t flags, bool active) {
        return take(orb_get_materials_using_color(scene(), id, flags, active));
    };
    EXPECT_EQ(refs(a), 1u);
    EXPECT_EQ(refs(b), 2u);
    EXPECT_EQ(refs(c), 0u);
    EXPECT_EQ(refs(multi), 1u);
    EXPECT_EQ(using_(b, 1, false), (Ids{onB}));
    EXPECT_EQ(using_(b, 2, false), (Ids{onMulti}));
    EXPECT_EQ(using_(b, 2, true), Ids{});  // a, not b, is the active sub colour
    EXPECT_EQ(using_(a, 2, true), (Ids{onMulti}));
    EXPECT_EQ(using_(b, 3, false), (Ids{onMulti, onB}));

    EXPECT_TRUE(runtime->setMaterialColors(onB, {c}));
    EXPECT_EQ(runtime->materialColors(onB), (Ids{c}));
    EXPECT_FALSE(runtime->setMaterialColors(onB, {999}));
    EXPECT_EQ(refs(b), 1u);
    EXPECT_EQ(refs(c), 1u);
    EXPECT_TRUE(runtime->removeMaterial(onMulti));
    EXPECT_FALSE(runtime->removeMaterial(onMulti));
    EXPECT_EQ(refs(a), 0u);
    EXPECT_EQ(refs(multi), 0u);
}

TEST_F(ColorScene, SceneApiCreatesRecordsTheSceneOwns)
{
    orbScene_api* api = orb_get_scene_api(scene());
    EXPECT_EQ(api->end_color(), nullptr);  // nothing begun
    api->begin_color(orb::InvalidId);
    EXPECT_TRUE(api->set_attribute("display_name", 10, "Ink"));
    EXPECT_FALSE(api->set_attribute("display_name", 3, "Ink"));
    EXPECT_FALSE(api->set_attribute("colour", 10, "Ink"));
    orb::Record* own = api->end_color();
    ASSERT_TRUE(own);
    EXPECT_EQ(text(own, "display_name"), "Ink");
    EXPECT_EQ(text(own, "original_name"), "Ink");

    // The colour database turns a new colour into a multi colour through this pointer.
    setValue(own, "flags", value<std::uint32_t>(own, "flags") | 1u);
    EXPECT_EQ(take(orb_get_colors(scene(), 2)), (Ids{own->id}));
    runtime->releaseColor(own);  // not the caller's: ignored
    EXPECT_EQ(text(own, "display_name"), "Ink");

    api->begin_color(own->id);  // taken
    EXPECT_EQ(api->end_color(), nullptr);
    api->begin_colorway(500);
    orb::Record* way = api->end_colorway();
    ASSERT_TRUE(way);
    EXPECT_EQ(way->id, 500u);
    EXPECT_EQ(way->kind, orb::ColorwayRecord);
    EXPECT_EQ(plain("Next"), 501u);  // ids continue after a chosen one
}

TEST_F(ColorScene, ActivatingAColorwayOnTheRendererSide)
{
    const orb::ColorId a = plain("A"), b = plain("B"), c = plain("C"), d = plain("D");
    const orb::ColorId m1 = runtime->createMultiColor("M1", {a, b});
    const orb::ColorId m2 = runtime->createMultiColor("M2", {c, d});
    const orb::ColorwayId other = runtime->createColorway("Other", {m1}, {a});
    const orb::ColorwayId way = runtime->createColorway("Way", {m1, m2}, {b, a});  // a is not M2's
    ASSERT_TRUE(runtime->activateColorway(other));
    ASSERT_TRUE(runtime->activateColorway(way));

    auto read = [&](orb::Record* r, const char* name) {
        const auto v = value<std::uint32_t>(r, name);
        runtime->releaseColor(r);
        return v;
    };
    EXPECT_EQ(read(runtime->colorRecord(m1), "active_sub"), b);
    EXPECT_EQ(read(runtime->colorRecord(m2), "active_sub"), c);
    EXPECT_EQ(read(runtime->colorwayRecord(way), "flags"), 2u);
    EXPECT_EQ(read(runtime->colorwayRecord(other), "flags"), 0u);
    EXPECT_EQ(read(runtime->colorSettingsRecord(), "active_colorway_id"), way);
    EXPECT_FALSE(runtime->activateColorway(m1));

    runtime->setColorSettingsPresent(false);
    EXPECT_EQ(runtime->colorSettingsRecord(), nullptr);
    EXPECT_TRUE(runtime->activateColorway(other));
}

TEST_F(ColorScene, HostAndLibraryMayTouchTheSceneFromTwoThreads)
{
    constexpr int perThread = 300;
    auto work = [&] {
        for (int i = 0; i < perThread; ++i) {
            const orb::ColorId id = plain("Shared");
            orb_color_set_unique_name(scene(), id);
            orb::Record* r = runtime->colorRecord(id);
            setValue(r, "color", orbColor_rgba{1, 1, 1, 1});
            runtime->commitColor(r);
            runtime->releaseColor(r);
            take(orb_color_from_name(scene(), "Shared"));
        }
    };
    std::thread host(work);
    work();
    host.join();
    const Ids all = take(orb_get_colors_named(scene()));
    EXPECT_EQ(all.size(), 2u * perThread);
    EXPECT_EQ(take(orb_color_from_name(scene(), "Shared")).size(), 1u);  // the rest were renamed
}

} // namespace
