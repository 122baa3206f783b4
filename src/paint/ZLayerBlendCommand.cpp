#include <zsg/paint/ZLayerBlendCommand.h>

#include <zsg/paint/ZPaintSurface.h>

#include <QCoreApplication>

namespace zsg {

ZLayerBlendCommand::ZLayerBlendCommand(ZPaintSurface* surface, std::uint32_t layerId, orb::ColorBlendMode newMode,
                                       orb::ColorBlendMode oldMode)
    : ZUndoCommand(Id, QCoreApplication::translate("ZLayerBlendCommand", "3D Paint change layer blend mode"))
    , m_newMode(newMode)
    , m_oldMode(oldMode)
    , m_layerId(layerId)
    , m_surface(surface->handle())
{}

bool ZLayerBlendCommand::undo()
{
    ZPaintSurface* surface = *m_surface;
    if (!surface)
        return false;
    surface->setLayerBlendInternal(m_layerId, m_oldMode);
    return true;
}

bool ZLayerBlendCommand::redo()
{
    ZPaintSurface* surface = *m_surface;
    if (!surface)
        return false;
    surface->setLayerBlendInternal(m_layerId, m_newMode);
    return true;
}

} // namespace zsg
