#pragma once

#include <zsg/Export.h>

namespace zsg {

/// A unit of work that a ZTaskQueue runs on the render thread.
class ZCORE_EXPORT ZTask
{
public:
    ZTask();
    virtual ~ZTask();

    ZTask(const ZTask&) = delete;
    ZTask& operator=(const ZTask&) = delete;

    // When set, the queue deletes the task after running it; otherwise the task
    // stays its creator's. Set it before queuing: the queue reads it when it takes
    // the task, so it never touches a task it does not own once run() returned.
    void setDeleteOnDone(bool deleteOnDone);
    bool deleteOnDone() const;

    // Runs on the render thread. Must not throw.
    virtual void run() = 0;

private:
    bool m_deleteOnDone = false;
};

} // namespace zsg
