#pragma once

#include <zsg/Export.h>

#include <memory>

namespace zsg {

class ZTask;

/// Runs tasks one after another, in the order they were queued, on a render
/// thread of its own. Queuing and waiting are safe from any thread, including
/// from inside a running task (except waitForIdle, see there).
class ZCORE_EXPORT ZTaskQueue
{
public:
    ZTaskQueue();
    // Runs every task still queued (and those they queue in turn), then joins the
    // render thread, so delete-on-done tasks are never leaked.
    ~ZTaskQueue();

    ZTaskQueue(const ZTaskQueue&) = delete;
    ZTaskQueue& operator=(const ZTaskQueue&) = delete;

    // Despite the name it does not block: it queues the task and returns at once.
    // A delete-on-done task is deleted by the queue after its run(). Null is ignored.
    void addBlockingRenderTask(ZTask* task);

    // Blocks until every task queued so far, and any it queued, has run. Calling
    // it from inside a task would wait for that task itself and never return.
    void waitForIdle();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace zsg
