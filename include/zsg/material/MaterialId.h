#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbTypes.h>

namespace zsg {

/// The library's handle of a renderer material: a 32-bit id, nothing more.
class ZSG_EXPORT MaterialId {
public:
    MaterialId(orb::MaterialId id = orb::InvalidId);
    operator orb::MaterialId() const;

private:
    orb::MaterialId m_id;
};

} // namespace zsg
