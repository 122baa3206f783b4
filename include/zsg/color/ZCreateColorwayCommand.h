#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbTypes.h>
#include <zsg/platform/ZUndoCommand.h>

namespace zsg {

class ColorDB;

/// Makes a new colorway appear (redo) and disappear (undo) by its deleted
/// flag: the renderer record stays, so the id stays valid for redo.
class ZSG_EXPORT ZCreateColorwayCommand : public ZUndoCommand
{
public:
    static constexpr ZCommandId Id = 174;

    ZCreateColorwayCommand(ColorDB* colorDB, orb::ColorwayId id);
    ~ZCreateColorwayCommand() override;

    // False when the colorway has no view.
    bool undo() override;
    bool redo() override;

private:
    ColorDB* m_colorDB;
    orb::ColorwayId m_id;
};

} // namespace zsg
