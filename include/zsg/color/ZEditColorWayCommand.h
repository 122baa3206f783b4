#pragma once

#include <zsg/Export.h>
#include <zsg/color/ZColorwayEdit.h>
#include <zsg/platform/ZUndoCommand.h>

#include <cstdint>
#include <memory>

namespace zsg {

class ColorDB;

/// One edit of a colorway, held as snapshots of its view before and after.
class ZSG_EXPORT ZEditColorWayCommand : public ZUndoCommand
{
public:
    static constexpr ZCommandId Id = 175;

    enum Kind : std::uint32_t {
        Name = 0,    // "Set Colorway name %1" / "Clear Colorway name"
        Edit = 1,    // "Edit Colorway %1"
        Delete = 2,  // "Delete Colorway %1"
    };

    // The snapshots must not be null.
    ZEditColorWayCommand(std::uint32_t kind, ColorDB* colorDB, std::unique_ptr<ZColorwayEdit> before,
                         std::unique_ptr<ZColorwayEdit> after);
    ~ZEditColorWayCommand() override;

    bool undo() override;
    bool redo() override;

private:
    ColorDB* m_colorDB;
    std::unique_ptr<ZColorwayEdit> m_before;
    std::unique_ptr<ZColorwayEdit> m_after;
};

} // namespace zsg
