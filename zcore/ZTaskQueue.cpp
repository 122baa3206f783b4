#include <zsg/platform/ZTaskQueue.h>

#include <zsg/platform/ZTask.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace zsg {

struct ZTaskQueue::Private
{
    std::mutex mutex;
    std::condition_variable workAvailable;
    std::condition_variable idle;
    std::deque<ZTask*> tasks;
    bool running = false; // a task is between being taken and finished
    bool stopping = false;
    std::thread thread; // last: starts once the state above exists

    void renderLoop();
};

void ZTaskQueue::Private::renderLoop()
{
    std::unique_lock lock(mutex);
    for (;;) {
        workAvailable.wait(lock, [this] { return stopping || !tasks.empty(); });
        if (tasks.empty())
            return; // stopping, and everything has run
        ZTask* task = tasks.front();
        tasks.pop_front();
        const bool owned = task->deleteOnDone();
        running = true;
        lock.unlock();

        task->run();
        if (owned)
            delete task;

        lock.lock();
        running = false;
        if (tasks.empty())
            idle.notify_all();
    }
}

ZTaskQueue::ZTaskQueue()
    : d(std::make_unique<Private>())
{
    d->thread = std::thread([p = d.get()] { p->renderLoop(); });
}

ZTaskQueue::~ZTaskQueue()
{
    {
        std::lock_guard lock(d->mutex);
        d->stopping = true;
    }
    d->workAvailable.notify_one();
    d->thread.join();
}

void ZTaskQueue::addBlockingRenderTask(ZTask* task)
{
    if (!task)
        return;
    {
        std::lock_guard lock(d->mutex);
        d->tasks.push_back(task);
    }
    d->workAvailable.notify_one();
}

void ZTaskQueue::waitForIdle()
{
    std::unique_lock lock(d->mutex);
    d->idle.wait(lock, [this] { return d->tasks.empty() && !d->running; });
}

} // namespace zsg
