#pragma once

#include <zsg/platform/OrbTypes.h>

#include <cstdint>

namespace zsg {

/// A colour of an incoming value whose name already names a colour that active
/// materials use (IColorController::checkForConflict).
struct ColorConflict {
    std::int32_t index = -1;                     // position in the checked value
    orb::ColorId existingColor = orb::InvalidId;
    bool conflict = false;                       // true in every reported element
    bool sameColor = false;                      // the values agree within 0.001

    bool operator==(const ColorConflict&) const = default;
};

} // namespace zsg
