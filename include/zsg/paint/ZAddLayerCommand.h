#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbPainter.h>
#include <zsg/platform/ZUndoCommand.h>

#include <memory>

namespace zsg {

class ZPaintSurface;

/// Adds a layer named "Layer N" at a list index while it is built; undo marks
/// the layer deleted and redo clears the flag again: layers are never removed.
/// Once the surface is destroyed, undo and redo do nothing and return false.
class ZSG_EXPORT ZAddLayerCommand : public ZUndoCommand {
public:
    static constexpr ZCommandId Id = 167;

    ZAddLayerCommand(ZPaintSurface* surface, std::uint32_t index);

    bool undo() override;
    bool redo() override;
    std::uint32_t layerId() const { return m_layerId; }

private:
    std::uint32_t m_layerId = orb::InvalidId;
    std::shared_ptr<ZPaintSurface* const> m_surface;  // null once the surface is gone
};

} // namespace zsg
