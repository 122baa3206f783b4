#include "color/ColorTestSupport.h"

#include "../../orbmem/UniqueName.h"

#include <gtest/gtest.h>

#include <malloc.h>

#include <algorithm>

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

namespace {

// Every test gives back all that it was handed, the scene's strings included.
struct MemoryRuntimeTest : ::testing::Test {
    zsg::test::LeakCheck leaks;
    const orb::MemoryStats& start = leaks.start;
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

// The renderer's naming rule: only a trailing " <digits>" is a number to replace.
TEST_F(MemoryRuntimeTest, UniqueNamesCountFromTheBaseName)
{
    const struct {
        std::vector<std::string> taken;
        std::string name, expected;
    } cases[] = {
        {{}, "Red", "Red"},
        {{"Red"}, "Red", "Red 1"},
        {{"Red", "Red 1"}, "Red", "Red 2"},
        {{"Red 4"}, "Red 4", "Red 1"},
        {{"Red "}, "Red ", "Red  1"},
        {{"Red7"}, "Red7", "Red7 1"},
        {{"7"}, "7", "7 1"},
        {{" 7"}, " 7", " 7 1"},
    };
    for (const auto& c : cases) {
        const auto taken = [&](std::string_view n) { return std::ranges::find(c.taken, n) != c.taken.end(); };
        EXPECT_EQ(orbmem::uniqueName(c.name, taken), c.expected) << '"' << c.name << '"';
    }
}

TEST_F(MemoryRuntimeTest, RemovesOnlyWhatItHas)
{
    orb::MemoryRuntime runtime;
    const orb::MaterialId paint = runtime.createMaterial("Paint", {});
    EXPECT_FALSE(runtime.removeMaterial(paint + 1));
    EXPECT_TRUE(runtime.removeMaterial(paint));
    EXPECT_FALSE(runtime.removeMaterial(paint));

    // An aligned block goes back to the system heap, not just out of the count.
    const std::size_t mapped = mallinfo2().hblkhd;
    for (int i = 0; i < 4; ++i)
        orb_free_aligned(orb_malloc_aligned(std::size_t(1) << 24, 64));
    EXPECT_EQ(mallinfo2().hblkhd, mapped);
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
