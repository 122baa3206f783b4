#include <zsg/material/ZMaterialDescriptor.h>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

using namespace zsg;
using Json = orb::MetaData;

namespace {

std::map<std::string, std::string> entries(const IMaterialDescriptor& d)
{
    return d.metaData().toStdMap();
}

} // namespace

TEST(MaterialDescriptor, StartsEmptyWithoutAMetaDataBody)
{
    ZMaterialDescriptor d(7, {3, 4});
    EXPECT_EQ(orb::MaterialId(d.materialId()), 7u);
    EXPECT_TRUE(d.hasMaterialIds());
    EXPECT_EQ(d.materialIds().size(), 2u);
    EXPECT_FALSE(ZMaterialDescriptor(7, {}).hasMaterialIds());
    EXPECT_TRUE(d.properties().is_null());

    // Reads, empty keys and removals do not create a body.
    EXPECT_EQ(d.metaData("missing"), "");
    EXPECT_FALSE(d.hasMetaData("missing"));
    d.setMetaData("", "x");
    d.removeMetaData("missing");
    EXPECT_FALSE(d.metaData().isDetached());  // no body
    EXPECT_TRUE(d.metaData().isEmpty());
}

TEST(MaterialDescriptor, MetaDataEditsAreCopyOnWrite)
{
    ZMaterialDescriptor d(1, {});
    d.setMetaData("b", "2");
    d.setMetaData("a", "1");
    const MaterialMetaData snapshot = d.metaData();
    ASSERT_TRUE(snapshot.isSharedWith(d.metaData()));

    // Edits that change nothing keep sharing the body.
    d.removeMetaData("missing");
    d.setMetaData("", "x");
    EXPECT_TRUE(snapshot.isSharedWith(d.metaData()));

    d.setMetaData("a", "changed");
    d.removeMetaData("b");
    EXPECT_EQ(entries(d), (std::map<std::string, std::string>{{"a", "changed"}}));
    EXPECT_EQ(snapshot.toStdMap(), (std::map<std::string, std::string>{{"a", "1"}, {"b", "2"}}));

    d.metaData()["c"] = "3";  // the writable holder
    EXPECT_EQ(d.metaData("c"), "3");
    EXPECT_FALSE(snapshot.contains("c"));
}

TEST(MaterialDescriptor, CmfKeysAddressTheirMetaDataTexts)
{
    const std::pair<CMFKey, const char*> keys[] = {
        {CMFKey::Name, "CMF::TEXT::NAME"},         {CMFKey::Color, "CMF::TEXT::COLOR"},
        {CMFKey::Material, "CMF::TEXT::MATERIAL"}, {CMFKey::Finish, "CMF::TEXT::FINISH"},
        {CMFKey::Vendor, "CMF::TEXT::VENDOR"},     {CMFKey::Notes, "CMF::TEXT::NOTES"},
        {CMFKey::Thumbnail, "CMF::IMAGE::THUMBNAIL"},
    };
    ZMaterialDescriptor d(1, {});
    for (const auto& [key, text] : keys) {
        d.setMetaData(key, "v");
        EXPECT_EQ(d.metaData(text), "v") << text;
        d.setMetaData(text, "w");
        EXPECT_EQ(d.metaData(key), "w") << text;
        d.removeMetaData(key);
        EXPECT_FALSE(d.hasMetaData(text)) << text;
    }

    const std::function<void(CMFKey)> operations[] = {
        [&](CMFKey k) { d.setMetaData(k, "x"); },
        [&](CMFKey k) { d.metaData(k); },
        [&](CMFKey k) { d.removeMetaData(k); },
    };
    for (CMFKey outside : {CMFKey(7), CMFKey(-1)}) {
        for (const auto& operation : operations) {
            try {
                operation(outside);
                ADD_FAILURE() << "no exception for key " << int(outside);
            } catch (const std::out_of_range& e) {
                EXPECT_STREQ(e.what(), "map::at");
            }
        }
    }
    EXPECT_TRUE(d.metaData().isEmpty());
}

TEST(MaterialDescriptor, KeyedPropertyAccess)
{
    struct Case {
        const char* name;
        Json start;
        std::function<Json(IMaterialDescriptor&)> action;
        Json result;  // what the action returns, if anything
        Json properties;
    } cases[] = {
        {"remove on null", Json(), [](auto& d) { d.removeProperty("k"); return Json(); }, Json(), Json::object()},
        {"remove on discarded", Json(Json::value_t::discarded), [](auto& d) { d.removeProperty("k"); return Json(); },
         Json(), Json::object()},
        {"remove present", Json{{"k", 1}, {"m", 2}}, [](auto& d) { d.removeProperty("k"); return Json(); }, Json(),
         Json{{"m", 2}}},
        {"set on null", Json(), [](auto& d) { d.setProperty("k", Json{1, 2}); return Json(); }, Json(),
         Json{{"k", {1, 2}}}},
        {"set replaces", Json{{"k", 1}}, [](auto& d) { d.setProperty("k", "s"); return Json(); }, Json(),
         Json{{"k", "s"}}},
        {"get present", Json{{"k", {{"x", 1}}}}, [](auto& d) { return d.property("k"); }, Json{{"x", 1}},
         Json{{"k", {{"x", 1}}}}},
        {"get absent creates null", Json{{"m", 2}}, [](auto& d) { return d.property("k"); }, Json(),
         Json{{"k", nullptr}, {"m", 2}}},
        {"get on null", Json(), [](auto& d) { return d.property("k"); }, Json(), Json{{"k", nullptr}}},
        // A top level that is no object is left alone by keyed access.
        {"set on array", Json{1, 2}, [](auto& d) { d.setProperty("k", 1); return Json(); }, Json(), Json{1, 2}},
        {"get on number", Json(5), [](auto& d) { return d.property("k"); }, Json(), Json(5)},
        {"remove on string", Json("s"), [](auto& d) { d.removeProperty("k"); return Json(); }, Json(), Json("s")},
    };
    for (const Case& c : cases) {
        ZMaterialDescriptor d(1, {});
        d.setProperties(c.start);
        EXPECT_EQ(c.action(d), c.result) << c.name;
        EXPECT_EQ(d.properties(), c.properties) << c.name;
    }
}
