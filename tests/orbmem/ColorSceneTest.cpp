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
    return std::memcpy(&v, field(record, name)->value, sizeof v), v;
}
template <typename T>
void setValue(orb::Record* record, const char* name, const T& v) { std::memcpy(field(record, name)->value, &v, sizeof v); }
std::string text(orb::Record* record, const char* name) { const char* s = value<const char*>(record, name); return s ? s : ""; }
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
    if (ids.size() > v.count)
        orb_free(std::exchange(v.data, static_cast<std::uint32_t*>(orb_malloc(ids.size() * sizeof(std::uint32_t)))));
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
    orb::MemoryStats m_start = orb::memoryStats();
    std::unique_ptr<orb::MemoryRuntime> runtime = std::make_unique<orb::MemoryRuntime>();
};

TEST_F(ColorScene, RecordsRoundTripThroughMatchingCommits)
{
    const orb::ColorId red = plain("Red");
    orb::Record* record = runtime->colorRecord(red);
    ASSERT_TRUE(record);
    EXPECT_EQ(value<std::uint32_t>(record, "id"), red);

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

// A sub colour counts as used by every material of its multi colour, active or not.
TEST_F(ColorScene, ReferenceCountsReachThroughMultiColors)
{
    const orb::ColorId red = plain("Red"), green = plain("Green"), blue = plain("Blue");
    const orb::ColorId flag = runtime->createMultiColor("Flag", {red, green}, red);
    runtime->createMaterial("Paint", {flag});
    runtime->createMaterial("Trim", {red, red});
    EXPECT_EQ(orb_color_reference_count(scene(), red), 2u);
    EXPECT_EQ(orb_color_reference_count(scene(), green), 1u);
    EXPECT_EQ(orb_color_reference_count(scene(), flag), 1u);
    EXPECT_EQ(orb_color_reference_count(scene(), blue), 0u);
    EXPECT_EQ(orb_color_reference_count(nullptr, red), 0u);

    // Unique names are asked for plain or multi colours with a name only.
    char* unique = nullptr;
    EXPECT_TRUE(orb_color_find_unique_name(scene(), "Red", {}, orbColor_extended::Plain, &unique));
    EXPECT_STREQ(unique, "Red 1");
    orb_free(unique);
    unique = nullptr;
    EXPECT_FALSE(orb_color_find_unique_name(scene(), "", {}, orbColor_extended::Plain, &unique));
    EXPECT_FALSE(orb_color_find_unique_name(scene(), "Red", {}, orbColor_extended::ColorType(7), &unique));
    EXPECT_EQ(unique, nullptr);

    // A host-side rename moves the colour revision only when the name changes.
    const auto before = revisions();
    EXPECT_TRUE(runtime->setColorName(red, "Red"));
    EXPECT_EQ(revisions(), before);
    EXPECT_TRUE(runtime->setColorName(red, "Crimson"));
    EXPECT_NE(revisions().first, before.first);
    EXPECT_FALSE(runtime->setColorName(4242, "x"));
}

// Activation moves the active bit (2) alone; a deleted colorway (bit 1) cannot be activated.
TEST_F(ColorScene, ActivationMovesOnlyTheActiveBit)
{
    const orb::ColorwayId summer = runtime->createColorway("Summer", {}, {});
    const orb::ColorwayId winter = runtime->createColorway("Winter", {}, {});
    const auto flags = [&](orb::ColorwayId id) {
        orb::Record* record = runtime->colorwayRecord(id);
        const auto f = value<std::uint32_t>(record, "flags");
        runtime->releaseColorway(record);
        return f;
    };
    EXPECT_TRUE(runtime->activateColorway(summer));
    EXPECT_EQ(flags(summer), 2u);
    EXPECT_TRUE(runtime->activateColorway(winter));
    EXPECT_EQ(flags(summer), 0u);
    EXPECT_EQ(flags(winter), 2u);

    orb::Record* record = runtime->colorwayRecord(summer);
    setValue(record, "flags", std::uint32_t(1));
    EXPECT_TRUE(runtime->commitColorway(record));
    runtime->releaseColorway(record);
    EXPECT_FALSE(runtime->activateColorway(summer));
    EXPECT_EQ(flags(winter), 2u);
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
