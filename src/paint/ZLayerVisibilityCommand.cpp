#include <zsg/paint/ZLayerVisibilityCommand.h>

#include <zsg/paint/ZPaintSurface.h>

#include <QCoreApplication>

namespace zsg {

ZLayerVisibilityCommand::ZLayerVisibilityCommand(ZPaintSurface* surface, std::uint32_t layerId, bool visible)
    : ZUndoCommand(Id, QCoreApplication::translate("ZLayerVisibilityCommand", "3D Paint change layer visibility"))
    , m_visible(visible)
    , m_layerId(layerId)
    , m_surface(surface)
{}

bool ZLayerVisibilityCommand::undo()
{
    m_surface->setLayerVisibilityInternal(m_layerId, !m_visible);
    return true;
}

bool ZLayerVisibilityCommand::redo()
{
    m_surface->setLayerVisibilityInternal(m_layerId, m_visible);
    return true;
}

} // namespace zsg
