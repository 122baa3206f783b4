#include <orbmem/MemoryRuntime.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Entries = std::vector<std::pair<std::string, std::string>>;

TEST(MaterialRecord, TheRecordShowsWhatTheHostGave)
{
    const orb::MemoryStats start = orb::memoryStats();
    {
        orb::MemoryRuntime runtime;
        orb::MaterialContent content;
        content.name = "Body";
        content.materialIds = {8, 9};
        content.keyValues = {{"b", "2"}, {"a", "1"}, {"b", "3"}};
        content.metaData = {{"gloss", 0.5}};
        const orb::MaterialId id = runtime.createMaterial(content);
        const orb::MaterialId unnamed = runtime.createMaterial("", {});
        EXPECT_NE(unnamed, id);

        const orbMaterial* record = orb_material_from_id(runtime.scene(), id);
        ASSERT_TRUE(record);
        EXPECT_EQ(record->id, id);
        EXPECT_STREQ(record->name, "Body");
        EXPECT_EQ(std::vector<orb::MaterialId>(record->materialIds.begin(), record->materialIds.end()),
                  content.materialIds);
        Entries list;
        for (const orb::KeyValue* cell = record->keyValues; cell; cell = cell->next)
            list.emplace_back(cell->key, cell->value);
        EXPECT_EQ(list, content.keyValues);
        EXPECT_EQ(record->get_meta_data(), content.metaData);
        EXPECT_EQ(orb_material_from_id(runtime.scene(), unnamed)->name, nullptr);
        EXPECT_EQ(orb::memoryStats().allocations - start.allocations, 9);  // three cells with two texts each

        EXPECT_TRUE(runtime.setMaterialMetaData(id, {1, 2}));
        EXPECT_EQ(runtime.materialContent(id)->metaData, orb::MetaData({1, 2}));
        EXPECT_FALSE(runtime.setMaterialMetaData(12345, {}));
        EXPECT_FALSE(runtime.materialContent(12345));
        EXPECT_EQ(orb_material_from_id(runtime.scene(), 12345), nullptr);
        EXPECT_EQ(orb_material_from_id(nullptr, id), nullptr);

        EXPECT_TRUE(runtime.removeMaterial(id));
        EXPECT_EQ(orb_material_from_id(runtime.scene(), id), nullptr);
        EXPECT_EQ(orb::memoryStats(), start);  // the list went with the material
        runtime.createMaterial(content);
    }
    EXPECT_EQ(orb::memoryStats(), start);  // ... and with the scene
}
