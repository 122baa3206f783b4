#include <zsg/paint/ZDeleteLayerTask.h>

namespace zsg {

ZDeleteLayerTask::ZDeleteLayerTask(std::uint32_t index, orbPainter_surface* surface, bool deleted)
    : m_index(index)
    , m_surface(surface)
    , m_deleted(deleted)
{}

void ZDeleteLayerTask::run()
{
    m_surface->setLayerDeleted(m_index, m_deleted);
}

} // namespace zsg
