#pragma once

#include <zsg/Export.h>
#include <zsg/color/MultiColorPair.h>
#include <zsg/platform/ZUndoCommand.h>

#include <vector>

namespace zsg {

class ColorDB;

/// Applies a colorway: its multi colours switch to its sub colours, it becomes
/// the active colorway and the others lose their active flag. Undo switches
/// back to the sub colours and active flags recorded at construction.
class ZSG_EXPORT ZActivateColorwayCommand : public ZUndoCommand
{
public:
    static constexpr ZCommandId Id = 176;

    ZActivateColorwayCommand(ColorDB* colorDB, orb::ColorwayId id);
    ~ZActivateColorwayCommand() override;

    // Both stop with false at the first multi colour without a view, leaving
    // the pairs before it switched.
    bool undo() override;
    bool redo() override;

private:
    bool apply(const std::vector<MultiColorPair>& pairs, bool active, bool othersActive);

    ColorDB* m_colorDB;
    std::vector<MultiColorPair> m_before;
    std::vector<MultiColorPair> m_after;
    std::vector<orb::ColorwayId> m_previouslyActive;
    orb::ColorwayId m_id;
    bool m_wasActive = false;  // applying an active colorway again must not deactivate it on undo
};

} // namespace zsg
