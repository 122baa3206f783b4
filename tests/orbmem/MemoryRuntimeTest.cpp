#include "color/ColorTestSupport.h"

#include <gtest/gtest.h>

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
