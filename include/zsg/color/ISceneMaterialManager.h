#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbTypes.h>

#include <cstdint>

namespace zsg {

class ISceneMaterial;

/// The application's materials of the scene, as the colour controller uses
/// them. Scene materials stay owned by the manager.
class ZSG_EXPORT ISceneMaterialManager
{
public:
    virtual ~ISceneMaterialManager() = default;

    // The scene material of `id`, made when the application has none yet; the
    // library always passes 0xFFFFFFFF as `variant`. Null for an unknown material.
    virtual ISceneMaterial* sceneMaterial(orb::MaterialId id, std::uint32_t variant) = 0;
    // The scene material of `id` if the application already has one, else null.
    virtual ISceneMaterial* findSceneMaterial(orb::MaterialId id) = 0;
    virtual bool isMaterialActive(orb::MaterialId id) const = 0;
};

} // namespace zsg
