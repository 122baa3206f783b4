#include <zsg/paint/ZAddLayerTask.h>

#include <utility>

namespace zsg {

ZAddLayerTask::ZAddLayerTask(std::uint32_t index, std::uint32_t layerId, orbPainter_surface* surface, std::string name)
    : m_index(index)
    , m_layerId(layerId)
    , m_surface(surface)
    , m_name(std::move(name))
{}

void ZAddLayerTask::run()
{
    m_surface->addLayer(m_index, m_layerId);
    m_surface->setEditLayer(m_index);
    m_surface->setLayerName(m_index, m_name.c_str());
}

} // namespace zsg
