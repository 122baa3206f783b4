#include <zsg/paint/ZLayerNameCommand.h>

#include <zsg/paint/ZPaintSurface.h>

#include <QCoreApplication>

namespace zsg {

ZLayerNameCommand::ZLayerNameCommand(ZPaintSurface* surface, std::uint32_t layerId, QString newName, QString oldName)
    : ZUndoCommand(Id, QCoreApplication::translate("ZLayerNameCommand", "3D Paint change layer name"))
    , m_newName(std::move(newName))
    , m_oldName(std::move(oldName))
    , m_layerId(layerId)
    , m_surface(surface->handle())
{}

bool ZLayerNameCommand::undo()
{
    ZPaintSurface* surface = *m_surface;
    if (!surface)
        return false;
    surface->setLayerNameInternal(m_layerId, m_oldName);
    return true;
}

bool ZLayerNameCommand::redo()
{
    ZPaintSurface* surface = *m_surface;
    if (!surface)
        return false;
    surface->setLayerNameInternal(m_layerId, m_newName);
    return true;
}

} // namespace zsg
