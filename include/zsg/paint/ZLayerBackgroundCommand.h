#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbPainter.h>
#include <zsg/platform/ZUndoCommand.h>

#include <memory>

namespace zsg {

class ZPaintSurface;

/// Changes a layer's background colour. Changes of the same layer in a row
/// merge, so a colour-picker drag is one undo step back to the first colour.
/// Once the surface is destroyed, undo and redo do nothing and return false.
class ZSG_EXPORT ZLayerBackgroundCommand : public ZUndoCommand {
public:
    static constexpr ZCommandId Id = 172;

    ZLayerBackgroundCommand(ZPaintSurface* surface, std::uint32_t layerId, orbColor_rgba newColor,
                            orbColor_rgba oldColor);

    bool undo() override;
    bool redo() override;
    bool mergeWith(const ZUndoCommand* other) override;

private:
    orbColor_rgba m_newColor;
    orbColor_rgba m_oldColor;
    std::uint32_t m_layerId;
    std::shared_ptr<ZPaintSurface* const> m_surface;  // null once the surface is gone
};

} // namespace zsg
