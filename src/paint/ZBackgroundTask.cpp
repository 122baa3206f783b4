#include <zsg/paint/ZBackgroundTask.h>

namespace zsg {

ZBackgroundTask::ZBackgroundTask(std::uint32_t index, orbPainter_surface* surface, orbColor_rgba color)
    : m_index(index)
    , m_surface(surface)
    , m_color(color)
{}

void ZBackgroundTask::run()
{
    m_surface->setLayerBackgroundColor(m_index, m_color);
}

} // namespace zsg
