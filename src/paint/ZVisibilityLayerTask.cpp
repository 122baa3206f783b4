#include <zsg/paint/ZVisibilityLayerTask.h>

namespace zsg {

ZVisibilityLayerTask::ZVisibilityLayerTask(std::uint32_t index, orbPainter_surface* surface, bool visible)
    : m_index(index)
    , m_surface(surface)
    , m_visible(visible)
{}

void ZVisibilityLayerTask::run()
{
    m_surface->setLayerVisible(m_index, m_visible);
}

} // namespace zsg
