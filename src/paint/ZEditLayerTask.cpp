#include <zsg/paint/ZEditLayerTask.h>

namespace zsg {

ZEditLayerTask::ZEditLayerTask(std::uint32_t index, orbPainter_surface* surface) : m_index(index), m_surface(surface) {}

void ZEditLayerTask::run()
{
    m_surface->setEditLayer(m_index);
}

} // namespace zsg
