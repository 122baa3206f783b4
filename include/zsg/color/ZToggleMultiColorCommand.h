#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbTypes.h>
#include <zsg/platform/ZUndoCommand.h>

#include <vector>

namespace zsg {

class ColorDB;

/// The step inside a multi colour toggle macro that announces the colours
/// involved: undo and redo post ColorUpdatedEvent for each, in order.
class ZSG_EXPORT ZToggleMultiColorCommand : public ZUndoCommand
{
public:
    static constexpr ZCommandId Id = 177;

    ZToggleMultiColorCommand(ColorDB* colorDB, std::vector<orb::ColorId> colors);
    ~ZToggleMultiColorCommand() override;

    bool undo() override;
    bool redo() override;

private:
    ColorDB* m_colorDB;
    std::vector<orb::ColorId> m_colors;
};

} // namespace zsg
