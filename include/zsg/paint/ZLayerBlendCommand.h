#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbPainter.h>
#include <zsg/platform/ZUndoCommand.h>

#include <memory>

namespace zsg {

class ZPaintSurface;

/// Changes a layer's blend mode.
/// Once the surface is destroyed, undo and redo do nothing and return false.
class ZSG_EXPORT ZLayerBlendCommand : public ZUndoCommand {
public:
    static constexpr ZCommandId Id = 169;

    ZLayerBlendCommand(ZPaintSurface* surface, std::uint32_t layerId, orb::ColorBlendMode newMode,
                       orb::ColorBlendMode oldMode);

    bool undo() override;
    bool redo() override;

private:
    orb::ColorBlendMode m_newMode;
    orb::ColorBlendMode m_oldMode;
    std::uint32_t m_layerId;
    std::shared_ptr<ZPaintSurface* const> m_surface;  // null once the surface is gone
};

} // namespace zsg
