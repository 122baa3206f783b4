#pragma once

#include <zsg/Export.h>

#include <zsg/platform/OrbTypes.h>

#include <string>

namespace zsg {

/// Read access to one colorway record: a list of multi colours and, at the
/// same positions, the id of the sub colour chosen for each.
class ZSG_EXPORT IColorwayEdit
{
public:
    virtual ~IColorwayEdit() = default;

    virtual orb::ColorwayId id() const = 0;
    virtual std::string displayName() const = 0;
    // Both lists are valid until they are next changed.
    virtual orb::Span<const orb::ColorId> multiColors() const = 0;
    virtual orb::Span<const orb::ColorId> activeSubs() const = 0;
    // The sub colour chosen for `multiColor`, or 0xFFFFFFFF when it is not listed.
    virtual orb::ColorId activeSubOf(orb::ColorId multiColor) const = 0;
    virtual bool isDeleted() const = 0;
    virtual bool isActive() const = 0;
    virtual bool hasMultiColor(orb::ColorId id) const = 0;
    virtual bool isDirty() const = 0;
};

} // namespace zsg
