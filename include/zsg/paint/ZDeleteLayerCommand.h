#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbPainter.h>
#include <zsg/platform/ZUndoCommand.h>

namespace zsg {

class ZPaintSurface;

/// Marks a layer deleted; undo clears the flag.
class ZSG_EXPORT ZDeleteLayerCommand : public ZUndoCommand {
public:
    static constexpr ZCommandId Id = 167;

    ZDeleteLayerCommand(ZPaintSurface* surface, std::uint32_t layerId);

    bool undo() override;
    bool redo() override;

private:
    std::uint32_t m_layerId;
    ZPaintSurface* m_surface;
};

} // namespace zsg
