#include <orbmem/MemoryRuntime.h>
#include <orbmem/MemorySceneMaterialManager.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

namespace {

// Every test gives back all that it was handed, the scene's strings included.
class MemoryRuntimeTest : public ::testing::Test {
protected:
    ~MemoryRuntimeTest() override { EXPECT_EQ(orb::memoryStats(), start); }

    const orb::MemoryStats start = orb::memoryStats();
};

} // namespace

TEST_F(MemoryRuntimeTest, CountsWhatItHandsOutUntilItComesBack)
{
    void* plain = orb_malloc(10);
    void* empty = orb_malloc(0);
    void* aligned = orb_malloc_aligned(100, 32);
    ASSERT_TRUE(plain && empty && aligned);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(aligned) % 32, 0u);
    EXPECT_EQ(orb_malloc_aligned(8, 24), nullptr);  // not a power of two
    {
        orb::MemoryRuntime runtime;
        const char* copy = orb_string_dup(runtime.scene(), "Red");
        EXPECT_STREQ(copy, "Red");
        EXPECT_EQ(orb_string_dup(runtime.scene(), nullptr), nullptr);
        EXPECT_EQ(orb_string_dup(nullptr, "x"), nullptr);
        const std::vector<int, orb::allocator<int>> onRendererHeap(100, 1);
        orb::MemoryStats live = orb::memoryStats();
        EXPECT_EQ(live.allocations - start.allocations, 3);
        EXPECT_EQ(live.alignedAllocations - start.alignedAllocations, 1);
        EXPECT_EQ(live.strings - start.strings, 1);
    }
    orb_free(plain);
    orb_free(empty);
    orb_free(nullptr);
    orb_free_aligned(aligned);
    orb_free_aligned(nullptr);
    orb::Unique_array_helper::free(nullptr);
}

TEST_F(MemoryRuntimeTest, LockNestsOnOneThreadAndExcludesOthers)
{
    orb::MemoryRuntime runtime;
    runtime.lock();
    runtime.lock();
    EXPECT_EQ(runtime.lockDepth(), 2);

    std::atomic<bool> acquired{false};
    std::thread other([&] {
        runtime.lock();
        acquired = true;
        runtime.unlock();
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_FALSE(acquired);
    runtime.unlock();
    EXPECT_FALSE(acquired);  // still held once
    runtime.unlock();
    other.join();
    EXPECT_TRUE(acquired);
    EXPECT_EQ(runtime.lockDepth(), 0);
}

TEST_F(MemoryRuntimeTest, MaterialRecordShowsWhatTheHostGave)
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
    std::vector<std::pair<std::string, std::string>> list;
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
    runtime.createMaterial(content);  // goes with the scene
}

TEST_F(MemoryRuntimeTest, SceneMaterialParametersAreTheColourListWrittenBackOnUpdate)
{
    using Colors = std::vector<orb::ColorId>;
    orb::MemoryRuntime runtime;
    orb::MemorySceneMaterialManager manager(runtime);
    const orb::ColorId red = runtime.createColor("Red", {1, 0, 0, 1});
    const orb::ColorId blue = runtime.createColor("Blue", {0, 0, 1, 1});
    const orb::MaterialId id = runtime.createMaterial("Body", {red, blue, red});

    EXPECT_EQ(manager.sceneMaterial(12345, orb::InvalidId), nullptr);
    EXPECT_EQ(manager.findSceneMaterial(id), nullptr);  // not made yet
    zsg::ISceneMaterial* material = manager.sceneMaterial(id, orb::InvalidId);
    ASSERT_NE(material, nullptr);
    EXPECT_EQ(manager.findSceneMaterial(id), material);
    EXPECT_EQ(material->colorParameters(red), std::vector<std::uint32_t>({0, 2}));

    // Edits stay pending until updateMaterial; an index past the list is ignored.
    material->setColorParameter(2, blue);
    material->setColorParameter(3, blue);
    EXPECT_EQ(runtime.materialColors(id), Colors({red, blue, red}));
    material->updateMaterial(true, true);
    EXPECT_EQ(runtime.materialColors(id), Colors({red, blue, blue}));

    // A change that ends where it began writes nothing.
    material->beginColorChange();
    material->setColorParameter(0, blue);
    material->setColorParameter(0, red);
    material->updateMaterial(false, true);
    EXPECT_EQ(manager.updateCount(), 1);

    EXPECT_TRUE(manager.setMaterialActive(id, false));
    EXPECT_FALSE(manager.isMaterialActive(id));
}
