#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbTypes.h>

#include <cstdint>

namespace zsg {

/// The three colours of a coating, in the renderer's layout.
class ZSG_EXPORT CoatingColor
{
public:
    // (86.38, 63.44, 42.45), (19.63, 19.63, 19.63), (1.46, 0.77, -0.92).
    CoatingColor();
    CoatingColor(const orbColor& first, const orbColor& second, const orbColor& third);
    // Three arrays of three components each, narrowed to float.
    CoatingColor(const double* first, const double* second, const double* third);

    // The nine floats with ==; `flag` is not compared.
    bool operator==(const CoatingColor& other) const;

    orbColor colors[3];
    // Trails the colours in the renderer's layout; always 0 here and not part of the value.
    std::uint32_t flag = 0;
};

} // namespace zsg
