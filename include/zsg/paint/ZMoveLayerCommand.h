#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbPainter.h>
#include <zsg/platform/ZUndoCommand.h>

#include <memory>

namespace zsg {

class ZPaintSurface;

/// Moves a layer to the place of the target layer. Undo puts it back directly
/// after the layer that was just before it (`neighbourId`, InvalidId: on top).
/// Layers are found by id, so layers added meanwhile keep their places.
/// Once the surface is destroyed, undo and redo do nothing and return false.
class ZSG_EXPORT ZMoveLayerCommand : public ZUndoCommand {
public:
    static constexpr ZCommandId Id = 172;

    ZMoveLayerCommand(ZPaintSurface* surface, std::uint32_t layerId, std::uint32_t neighbourId, std::uint32_t targetId);

    bool undo() override;
    bool redo() override;

private:
    std::uint32_t m_layerId;
    std::uint32_t m_neighbourId;
    std::uint32_t m_targetId;
    std::shared_ptr<ZPaintSurface* const> m_surface;  // null once the surface is gone
};

} // namespace zsg
