#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbPainter.h>
#include <zsg/platform/ZUndoCommand.h>

#include <memory>

namespace zsg {

class ZPaintSurface;

/// Renames a layer; an empty name clears it.
/// Once the surface is destroyed, undo and redo do nothing and return false.
class ZSG_EXPORT ZLayerNameCommand : public ZUndoCommand {
public:
    static constexpr ZCommandId Id = 171;

    ZLayerNameCommand(ZPaintSurface* surface, std::uint32_t layerId, QString newName, QString oldName);

    bool undo() override;
    bool redo() override;

private:
    QString m_newName;
    QString m_oldName;
    std::uint32_t m_layerId;
    std::shared_ptr<ZPaintSurface* const> m_surface;  // null once the surface is gone
};

} // namespace zsg
