#include <zsg/paint/ZMoveLayerTask.h>

namespace zsg {

ZMoveLayerTask::ZMoveLayerTask(std::uint32_t from, std::uint32_t to, orbPainter_surface* surface)
    : m_from(from)
    , m_to(to)
    , m_surface(surface)
{}

void ZMoveLayerTask::run()
{
    m_surface->moveLayer(m_from, m_to);
}

} // namespace zsg
