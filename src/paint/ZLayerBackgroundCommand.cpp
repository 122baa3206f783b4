#include <zsg/paint/ZLayerBackgroundCommand.h>

#include <zsg/paint/ZPaintSurface.h>

#include <QCoreApplication>

namespace zsg {

ZLayerBackgroundCommand::ZLayerBackgroundCommand(ZPaintSurface* surface, std::uint32_t layerId, orbColor_rgba newColor,
                                                 orbColor_rgba oldColor)
    : ZUndoCommand(Id, QCoreApplication::translate("ZLayerBackgroundCommand", "3D Paint change layer background"))
    , m_newColor(newColor)
    , m_oldColor(oldColor)
    , m_layerId(layerId)
    , m_surface(surface->handle())
{}

bool ZLayerBackgroundCommand::undo()
{
    ZPaintSurface* surface = *m_surface;
    if (!surface)
        return false;
    surface->setLayerBackgroundColorInternal(m_layerId, m_oldColor);
    return true;
}

bool ZLayerBackgroundCommand::redo()
{
    ZPaintSurface* surface = *m_surface;
    if (!surface)
        return false;
    surface->setLayerBackgroundColorInternal(m_layerId, m_newColor);
    return true;
}

bool ZLayerBackgroundCommand::mergeWith(const ZUndoCommand* other)
{
    const auto* next = dynamic_cast<const ZLayerBackgroundCommand*>(other);
    if (!next || other->id() != id() || next->m_layerId != m_layerId || next->m_surface != m_surface)
        return false;
    m_newColor = next->m_newColor;
    return true;
}

} // namespace zsg
