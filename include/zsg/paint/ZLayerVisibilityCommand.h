#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbPainter.h>
#include <zsg/platform/ZUndoCommand.h>

#include <memory>

namespace zsg {

class ZPaintSurface;

/// Shows or hides a layer; undo does the opposite.
/// Once the surface is destroyed, undo and redo do nothing and return false.
class ZSG_EXPORT ZLayerVisibilityCommand : public ZUndoCommand {
public:
    static constexpr ZCommandId Id = 170;

    ZLayerVisibilityCommand(ZPaintSurface* surface, std::uint32_t layerId, bool visible);

    bool undo() override;
    bool redo() override;

private:
    bool m_visible;
    std::uint32_t m_layerId;
    std::shared_ptr<ZPaintSurface* const> m_surface;  // null once the surface is gone
};

} // namespace zsg
