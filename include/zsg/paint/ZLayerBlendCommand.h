#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbPainter.h>
#include <zsg/platform/ZUndoCommand.h>

namespace zsg {

class ZPaintSurface;

/// Changes a layer's blend mode.
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
    ZPaintSurface* m_surface;
};

} // namespace zsg
