#include <zsg/paint/ZMoveLayerCommand.h>

#include <zsg/paint/ZPaintSurface.h>

#include <QCoreApplication>

namespace zsg {

ZMoveLayerCommand::ZMoveLayerCommand(ZPaintSurface* surface, std::uint32_t layerId, std::uint32_t neighbourId,
                                     std::uint32_t targetId)
    : ZUndoCommand(Id, QCoreApplication::translate("ZMoveLayerCommand", "3D Paint move layer"))
    , m_layerId(layerId)
    , m_neighbourId(neighbourId)
    , m_targetId(targetId)
    , m_surface(surface->handle())
{}

bool ZMoveLayerCommand::undo()
{
    ZPaintSurface* surface = *m_surface;
    if (!surface)
        return false;
    // Back directly after the recorded neighbour: onto its place when the
    // layer now lies before it, else onto the place of the layer after it.
    std::uint32_t target = orb::InvalidId;
    if (m_neighbourId != orb::InvalidId) {
        const std::uint32_t moved = surface->idToIdx(m_layerId);
        const std::uint32_t neighbour = surface->idToIdx(m_neighbourId);
        if (moved == orb::InvalidId || neighbour == orb::InvalidId)
            return true;
        target = moved < neighbour ? m_neighbourId : surface->layers()[neighbour + 1].id;
    }
    surface->moveLayerInternal(m_layerId, target);
    return true;
}

bool ZMoveLayerCommand::redo()
{
    ZPaintSurface* surface = *m_surface;
    if (!surface)
        return false;
    surface->moveLayerInternal(m_layerId, m_targetId);
    return true;
}

} // namespace zsg
