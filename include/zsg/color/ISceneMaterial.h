#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbTypes.h>

#include <cstdint>
#include <vector>

namespace zsg {

/// The application's editable form of one material, as far as colour linking
/// needs it: the colour parameters of the material, addressed by index.
class ZSG_EXPORT ISceneMaterial
{
public:
    virtual ~ISceneMaterial() = default;

    virtual void setColorParameter(std::uint32_t index, orb::ColorId color) = 0;
    // Opens a change of several colour parameters; updateMaterial closes it.
    virtual void beginColorChange() = 0;
    // Hands the changed parameters to the renderer. The library passes
    // (true, true) when it relinks materials, where the change should become
    // part of the open undo step, and (false, true) from the undo and redo of
    // ZLinkColorCommand, which is that step itself.
    virtual void updateMaterial(bool recordUndo, bool refresh) = 0;
    // Indices of the colour parameters that use `color`, in index order.
    virtual std::vector<std::uint32_t> colorParameters(orb::ColorId color) const = 0;
};

} // namespace zsg
