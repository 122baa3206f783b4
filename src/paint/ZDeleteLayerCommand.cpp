#include <zsg/paint/ZDeleteLayerCommand.h>

#include <zsg/paint/ZPaintSurface.h>

#include <QCoreApplication>

namespace zsg {

ZDeleteLayerCommand::ZDeleteLayerCommand(ZPaintSurface* surface, std::uint32_t layerId)
    : ZUndoCommand(Id, QCoreApplication::translate("ZDeleteLayerCommand", "3D Paint delete layer"))
    , m_layerId(layerId)
    , m_surface(surface->handle())
{}

bool ZDeleteLayerCommand::undo()
{
    ZPaintSurface* surface = *m_surface;
    if (!surface)
        return false;
    surface->setLayerDeletedInternal(m_layerId, false);
    return true;
}

bool ZDeleteLayerCommand::redo()
{
    ZPaintSurface* surface = *m_surface;
    if (!surface)
        return false;
    surface->setLayerDeletedInternal(m_layerId, true);
    return true;
}

} // namespace zsg
