#include <zsg/paint/ZBlendModeTask.h>

namespace zsg {

ZBlendModeTask::ZBlendModeTask(std::uint32_t index, orbPainter_surface* surface, orb::ColorBlendMode mode)
    : m_index(index)
    , m_surface(surface)
    , m_mode(mode)
{}

void ZBlendModeTask::run()
{
    m_surface->setLayerBlendMode(m_index, m_mode);
}

} // namespace zsg
