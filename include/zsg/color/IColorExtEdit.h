#pragma once

#include <zsg/Export.h>

#include <zsg/platform/OrbTypes.h>

#include <cstdint>
#include <string>

namespace zsg {

/// Read access to one colour record of the renderer. A field the record lacks
/// reads as its default: 0xFFFFFFFF, empty, (0, 0, 0, 1) or false.
class ZSG_EXPORT IColorExtEdit
{
public:
    /// Bits of the record's "flags".
    enum Flag : std::uint32_t {
        MultiColorFlag = 1,
        TemporaryFlag = 4,  // the database's scratch colour
    };

    virtual ~IColorExtEdit() = default;

    virtual orb::ColorId id() const = 0;
    virtual std::string displayName() const = 0;
    virtual std::string originalName() const = 0;
    virtual orbColor_rgba color() const = 0;
    // True if any bit of `mask` is set.
    virtual bool hasFlag(std::uint32_t mask) const = 0;
    // Valid until the list is next changed.
    virtual orb::Span<const orb::ColorId> subColors() const = 0;
    virtual orb::ColorId activeSub() const = 0;
    // Changed since the last commit.
    virtual bool isDirty() const = 0;
    // Only a multi colour has sub colours.
    virtual bool hasSubColor(orb::ColorId id) const = 0;
    // One per effective change, never reset: the colour's revision.
    virtual std::uint32_t changeCount() const = 0;
};

} // namespace zsg
