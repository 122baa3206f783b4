#include "support/EventRecorder.h"

#include <zsg/platform/ZTaskQueue.h>
#include <zsg/platform/ZUndoStack.h>
#include <zsg/scenegraph/IEventQueue.h>
#include <zsg/scenegraph/ISceneGraph.h>

#include <orbmem/MemoryRuntime.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

using namespace zsg;

// Allocation fault injection for this test binary: when armed, the n-th
// allocation from now throws std::bad_alloc; live counts every allocation.
namespace {
std::atomic<long> g_failCountdown{0};
std::atomic<long> g_live{0};
} // namespace

void* operator new(std::size_t size)
{
    if (g_failCountdown > 0 && --g_failCountdown == 0)
        throw std::bad_alloc();
    void* p = std::malloc(size ? size : 1);
    if (!p)
        throw std::bad_alloc();
    ++g_live;
    return p;
}
void operator delete(void* p) noexcept
{
    if (p)
        --g_live, std::free(p);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace {

class SceneGraphTest : public ::testing::Test {
protected:
    SceneGraphPars pars()
    {
        SceneGraphPars p;
        return p.rtApi = &runtime, p.taskQueue = &taskQueue, p.undoStack = &undoStack, p;
    }
    orb::MemoryRuntime runtime;
    ZTaskQueue taskQueue;
    ZUndoStack undoStack;
};

} // namespace

TEST_F(SceneGraphTest, NotificationsBeyondTheTranscripts)
{
    auto graph = ISceneGraph::create(pars());
    // 5007, for a read colorway, and the rest are pinned by the transcripts.
    test::EventRecorder events(graph->eventQueue());
    const orb::ColorId three[] = {7, 3, 0xFFFFFFFF};
    const struct {
        std::uint32_t code; const orb::ColorId* ids; std::uint64_t count; bool handled; QStringList events;
    } cases[] = {
        {5006, three, 0, true, {}},
        {5006, three, 1, true, {"ColorSynced color=7"}},
        {5005, three, 3, false, {}},
        {0, nullptr, 0, false, {}},
    };
    for (const auto& c : cases) {
        orb::SceneNotification n;
        n.code = c.code, n.colors = c.ids, n.colorCount = c.count, n.colorway = 2;
        EXPECT_EQ(graph->handleNotification(n), c.handled) << c.code;
        EXPECT_EQ(events.take(), c.events) << c.code;
    }
}

TEST_F(SceneGraphTest, AllocationFailureAtAnyStepLeavesNothingBehind)
{
    // Fail the 1st, 2nd, ... allocation of create() until one succeeds: each
    // failing attempt must throw and give back every allocation it made.
    for (long n = 1;; ++n) {
        long before = g_live;
        g_failCountdown = n;
        try {
            auto graph = ISceneGraph::create(pars());
            g_failCountdown = 0;
            ASSERT_NE(graph->eventQueue(), nullptr);
            break;
        } catch (const std::bad_alloc&) {
            g_failCountdown = 0;
            EXPECT_EQ(g_live, before) << "allocation " << n;
            EXPECT_EQ(orb::memoryStats().painters, 0) << "allocation " << n;
        }
        ASSERT_LT(n, 1000);
    }
}
