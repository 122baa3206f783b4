#include <zsg/platform/ZTask.h>

namespace zsg {

ZTask::ZTask() = default;

ZTask::~ZTask() = default;

void ZTask::setDeleteOnDone(bool deleteOnDone)
{
    m_deleteOnDone = deleteOnDone;
}

bool ZTask::deleteOnDone() const
{
    return m_deleteOnDone;
}

} // namespace zsg
