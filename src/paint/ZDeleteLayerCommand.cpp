#include <zsg/paint/ZDeleteLayerCommand.h>

#include <zsg/paint/ZPaintSurface.h>

#include <QCoreApplication>

namespace zsg {

ZDeleteLayerCommand::ZDeleteLayerCommand(ZPaintSurface* surface, std::uint32_t layerId)
    : ZUndoCommand(Id, QCoreApplication::translate("ZDeleteLayerCommand", "3D Paint delete layer"))
    , m_layerId(layerId)
    , m_surface(surface)
{}

bool ZDeleteLayerCommand::undo()
{
    m_surface->setLayerDeletedInternal(m_layerId, false);
    return true;
}

bool ZDeleteLayerCommand::redo()
{
    m_surface->setLayerDeletedInternal(m_layerId, true);
    return true;
}

} // namespace zsg
