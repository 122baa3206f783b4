// Runs under ThreadSanitizer: plain (non-atomic) state written by tasks and read
// after waitForIdle or the queue's destruction checks the queue's synchronisation.
#include <zsg/platform/ZTask.h>
#include <zsg/platform/ZTaskQueue.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <thread>
#include <vector>

using namespace zsg;

namespace {

// Runs a function; counts its own destruction when given a counter.
struct FunctionTask : ZTask {
    FunctionTask(std::function<void()> f, std::atomic<int>* destroyed = nullptr) : f(std::move(f)), destroyed(destroyed) {}
    ~FunctionTask() override { if (destroyed) ++*destroyed; }
    void run() override { f(); }
    std::function<void()> f;
    std::atomic<int>* destroyed;
};

ZTask* ownedTask(std::function<void()> f, std::atomic<int>* destroyed = nullptr)
{
    auto* task = new FunctionTask(std::move(f), destroyed);
    return task->setDeleteOnDone(true), task;
}

} // namespace

TEST(TaskQueueTest, RunsInQueueOrderAndDeletesOnlyDeleteOnDoneTasks)
{
    constexpr int count = 2000;
    std::vector<int> order;
    std::atomic<int> destroyed = 0;
    std::vector<std::unique_ptr<FunctionTask>> kept; // every third task stays ours
    ZTaskQueue queue;
    for (int i = 0; i < count; ++i) {
        auto record = [&order, i] { order.push_back(i); };
        if (i % 3 == 0) {
            kept.push_back(std::make_unique<FunctionTask>(record, &destroyed));
            queue.addBlockingRenderTask(kept.back().get());
        } else {
            queue.addBlockingRenderTask(ownedTask(record, &destroyed));
        }
    }
    queue.addBlockingRenderTask(nullptr);
    queue.waitForIdle();

    ASSERT_EQ(order.size(), size_t(count));
    for (int i = 0; i < count; ++i)
        ASSERT_EQ(order[i], i);
    EXPECT_EQ(destroyed, count - int(kept.size()));
}

TEST(TaskQueueTest, WaitForIdleWaitsForTheRunningTask)
{
    bool done = false;
    std::promise<void> started;
    ZTaskQueue queue;
    queue.addBlockingRenderTask(ownedTask([&] {
        started.set_value();
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        done = true;
    }));
    started.get_future().wait(); // the queue is empty now, but not idle
    queue.waitForIdle();
    EXPECT_TRUE(done);
    queue.waitForIdle(); // idle already: returns at once
}

TEST(TaskQueueTest, TasksQueuedFromATaskRunAfterIt)
{
    std::vector<int> order;
    std::promise<void> secondQueued;
    ZTaskQueue queue;
    queue.addBlockingRenderTask(ownedTask([&] {
        secondQueued.get_future().wait();
        queue.addBlockingRenderTask(ownedTask([&order] { order.push_back(3); }));
        order.push_back(1);
    }));
    queue.addBlockingRenderTask(ownedTask([&order] { order.push_back(2); }));
    secondQueued.set_value();
    queue.waitForIdle();
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

TEST(TaskQueueTest, DestructionRunsAndDeletesWhatIsLeft)
{
    constexpr int count = 500;
    int ran = 0;
    std::atomic<int> destroyed = 0;
    {
        ZTaskQueue queue;
        // Holds the render thread so the rest is still queued when the queue goes.
        queue.addBlockingRenderTask(
            ownedTask([] { std::this_thread::sleep_for(std::chrono::milliseconds(30)); }, &destroyed));
        for (int i = 0; i < count; ++i)
            queue.addBlockingRenderTask(ownedTask([&ran] { ++ran; }, &destroyed));
        // Queued by a task while the queue is being destroyed: still runs.
        queue.addBlockingRenderTask(ownedTask(
            [&] { queue.addBlockingRenderTask(ownedTask([&ran] { ++ran; }, &destroyed)); }, &destroyed));
    }
    EXPECT_EQ(ran, count + 1);
    EXPECT_EQ(destroyed, count + 3);
}
