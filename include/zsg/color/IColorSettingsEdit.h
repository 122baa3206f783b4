#pragma once

#include <zsg/Export.h>

#include <zsg/platform/OrbTypes.h>

namespace zsg {

/// Read access to the renderer's colour-settings record.
class ZSG_EXPORT IColorSettingsEdit
{
public:
    virtual ~IColorSettingsEdit() = default;

    // 0xFFFFFFFF when no colorway is active.
    virtual orb::ColorwayId activeColorwayId() const = 0;
    virtual bool isDirty() const = 0;
};

} // namespace zsg
