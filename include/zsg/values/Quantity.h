#pragma once
// The physical quantity of a numeric parameter. The codes belong to the host
// platform; a parameter only stores them, and any other number passes through.

#include <cstdint>

namespace zsg {

enum class Quantity : std::int32_t {
    None = 0,
    Length = 1,         // scene units: grows with the scene's length scale
    InverseLength = 2,  // per scene unit: shrinks with the scene's length scale
    Angle = 5,
    PixelLength = 6,
    Percentage = 7,
};

} // namespace zsg
