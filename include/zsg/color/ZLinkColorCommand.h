#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbTypes.h>
#include <zsg/platform/ZUndoCommand.h>

#include <cstdint>

namespace zsg {

class ColorController;

/// Switches one colour parameter of one material between two colours, for
/// hosts that relink a single parameter undoably.
class ZSG_EXPORT ZLinkColorCommand : public ZUndoCommand
{
public:
    static constexpr ZCommandId Id = 177;

    ZLinkColorCommand(ColorController* controller, orb::ColorId oldColor, orb::ColorId newColor,
                      orb::MaterialId material, std::uint32_t parameterIndex);
    ~ZLinkColorCommand() override;

    // False when the application has no scene material for the material.
    bool undo() override;
    bool redo() override;

private:
    bool setParameter(orb::ColorId color);

    ColorController* m_controller;
    orb::ColorId m_oldColor;
    orb::ColorId m_newColor;
    orb::MaterialId m_material;
    std::uint32_t m_parameterIndex;
};

} // namespace zsg
