#include <orbmem/MemorySceneMaterialManager.h>

#include <gtest/gtest.h>

using Colors = std::vector<orb::ColorId>;

TEST(SceneMaterial, ParametersAreTheMaterialsColourListWrittenBackOnUpdate)
{
    const orb::MemoryStats start = orb::memoryStats();
    {
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
    EXPECT_EQ(orb::memoryStats(), start);
}
