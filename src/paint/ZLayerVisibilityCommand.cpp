#include <zsg/paint/ZLayerVisibilityCommand.h>

#include <zsg/paint/ZPaintSurface.h>

#include <QCoreApplication>

namespace zsg {

ZLayerVisibilityCommand::ZLayerVisibilityCommand(ZPaintSurface* surface, std::uint32_t layerId, bool visible)
    : ZUndoCommand(Id, QCoreApplication::translate("ZLayerVisibilityCommand", "3D Paint change layer visibility"))
    , m_visible(visible)
    , m_layerId(layerId)
    , m_surface(surface->handle())
{}

bool ZLayerVisibilityCommand::undo()
{
    ZPaintSurface* surface = *m_surface;
    if (!surface)
        return false;
    surface->setLayerVisibilityInternal(m_layerId, !m_visible);
    return true;
}

bool ZLayerVisibilityCommand::redo()
{
    ZPaintSurface* surface = *m_surface;
    if (!surface)
        return false;
    surface->setLayerVisibilityInternal(m_layerId, m_visible);
    return true;
}

} // namespace zsg
