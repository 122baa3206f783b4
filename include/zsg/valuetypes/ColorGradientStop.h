#pragma once

#include <zsg/platform/OrbTypes.h>

namespace zsg {

/// One stop of a colour gradient: a colour at a position, with two further
/// values that the host and the renderer give meaning to.
struct ColorGradientStop
{
    ColorGradientStop() = default;
    ColorGradientStop(const orbColor_rgba& c, float pos, float aux1, float aux2)
        : color(c), position(pos), auxiliary1(aux1), auxiliary2(aux2)
    {
    }

    // All seven floats compare with ==, so a NaN makes stops unequal.
    bool operator==(const ColorGradientStop& o) const
    {
        return color.r == o.color.r && color.g == o.color.g && color.b == o.color.b && color.a == o.color.a
            && position == o.position && auxiliary1 == o.auxiliary1 && auxiliary2 == o.auxiliary2;
    }

    orbColor_rgba color{0.0f, 0.0f, 0.0f, 1.0f};
    float position = 0.0f;
    float auxiliary1 = 0.0f;
    float auxiliary2 = 0.0f;
};

} // namespace zsg
