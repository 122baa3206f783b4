#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbPainter.h>
#include <zsg/platform/ZUndoCommand.h>

#include <memory>

namespace zsg {

class ZPaintSurface;

/// Marks a layer deleted; undo clears the flag.
/// Once the surface is destroyed, undo and redo do nothing and return false.
class ZSG_EXPORT ZDeleteLayerCommand : public ZUndoCommand {
public:
    static constexpr ZCommandId Id = 167;

    ZDeleteLayerCommand(ZPaintSurface* surface, std::uint32_t layerId);

    bool undo() override;
    bool redo() override;

private:
    std::uint32_t m_layerId;
    std::shared_ptr<ZPaintSurface* const> m_surface;  // null once the surface is gone
};

} // namespace zsg
