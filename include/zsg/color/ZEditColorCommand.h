#pragma once

#include <zsg/Export.h>
#include <zsg/color/ZColorExtEdit.h>
#include <zsg/platform/ZUndoCommand.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace zsg {

class ColorDB;

/// One edit of a colour, held as snapshots of its view before and after.
/// Redo and undo restore a snapshot through the database; a sub colour switch
/// also deactivates the active colorways that chose another sub colour.
/// Only "Set Color" edits merge (see AllowForwardUndoMerge); merging keeps the
/// first before-snapshot and the last after-snapshot, so undo and redo of the
/// merged command equal those of the sequence.
class ZSG_EXPORT ZEditColorCommand : public ZUndoCommand
{
public:
    static constexpr ZCommandId Id = 177;

    enum Kind : std::uint32_t {
        Name = 0,         // "Set Color name %1" / "Clear Color name"
        Value = 1,        // "Set Color"
        RemoveSub = 2,    // "Remove Sub Color %1"
        SwitchSub = 3,    // "Switch Sub Color %1"
        AddSub = 4,       // "Add Sub Color %1"
        UnlinkSub = 5,    // "Unlink Sub Color %1"
        MoveSub = 6,      // "Move Sub Color %1"
        ModifyFlags = 7,  // "Modify Color %1"
    };

    // `extraColors` are announced after each undo and redo. The snapshots must not be null.
    ZEditColorCommand(std::uint32_t kind, ColorDB* colorDB, std::unique_ptr<ZColorExtEdit> before,
                      std::unique_ptr<ZColorExtEdit> after, std::vector<orb::ColorId> extraColors = {},
                      std::uint32_t mergeFlag = 0);
    ~ZEditColorCommand() override;

    bool undo() override;
    bool redo() override;
    bool mergeWith(const ZUndoCommand* other) override;

    std::uint32_t kind() const { return m_kind; }
    std::uint32_t mergeFlag() const { return m_mergeFlag; }
    const std::vector<orb::ColorwayId>& colorwaysToDeactivate() const { return m_deactivate; }

private:
    // Writes `state`, sets the deactivated colorways' flag and announces the extra colours.
    void apply(ZColorExtEdit& state, bool colorwaysActive);

    std::uint32_t m_kind;
    ColorDB* m_colorDB;
    std::unique_ptr<ZColorExtEdit> m_before;
    std::unique_ptr<ZColorExtEdit> m_after;
    std::vector<orb::ColorwayId> m_deactivate;
    std::vector<orb::ColorId> m_extraColors;
    std::uint32_t m_mergeFlag;
};

} // namespace zsg
