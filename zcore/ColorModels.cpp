#include <zsg/color/ColorModels.h>

#include <algorithm>
#include <cmath>

// Every literal below is a float and every call takes float arguments: a single
// double in the chain would change the last bits of the results.

namespace zsg {
namespace {

orbColor hsvToRgb(float h, float s, float v)
{
    if (std::fabs(s) < 0.0001f)
        return {v, v, v};
    float x = h / 60.0f;
    if (!std::isfinite(x))
        x = 0.0f;  // a hue of no direction reads as 0 degrees
    const float whole = std::floor(x);
    const float f = x - whole;
    // fmod is exact, so this is floor(x) mod 6 also where floor(x) exceeds int.
    int sector = static_cast<int>(std::fmod(whole, 6.0f));
    if (sector < 0)
        sector += 6;
    const float p = (1.0f - s) * v;
    const float q = (1.0f - f * s) * v;
    const float t = (1.0f - (1.0f - f) * s) * v;
    switch (sector) {
    case 0: return {v, t, p};
    case 1: return {q, v, p};
    case 2: return {p, v, t};
    case 3: return {p, q, v};
    case 4: return {t, p, v};
    default: return {v, p, q};
    }
}

orbColor cmykToRgb(float c, float m, float y, float k)
{
    return {1.0f - (c * (1.0f - k) + k), 1.0f - (m * (1.0f - k) + k), 1.0f - (y * (1.0f - k) + k)};
}

float linearize(float u)
{
    return u > 0.04045f ? std::pow((u + 0.055f) / 1.055f, 2.4f) : u / 12.92f;
}

float encode(float u)
{
    return u > 0.0031308f ? 1.055f * std::pow(u, 0.41666666f) - 0.055f : 12.92f * u;
}

orbColor rgbToXyz(const orbColor& rgb)
{
    const float r = linearize(rgb.r) * 100.0f;
    const float g = linearize(rgb.g) * 100.0f;
    const float b = linearize(rgb.b) * 100.0f;
    return {0.412453f * r + 0.35758f * g + 0.180423f * b,
            0.212671f * r + 0.71516f * g + 0.072169f * b,
            0.019334f * r + 0.119193f * g + 0.950227f * b};
}

float labChannel(float f)
{
    const float cube = f * f * f;
    return cube > 0.008856f ? cube : (f - 0.13793103f) / 7.787f;
}

orbColor labToXyz(float l, float a, float b)
{
    const float fy = (l + 16.0f) / 116.0f;
    const float fx = fy + a / 500.0f;
    const float fz = fy - b / 200.0f;
    return {labChannel(fx) * 95.047f, labChannel(fy) * 100.0f, labChannel(fz) * 108.883f};
}

orbColor xyzToRgb(const orbColor& xyz)
{
    const float x = xyz.r / 100.0f;
    const float y = xyz.g / 100.0f;
    const float z = xyz.b / 100.0f;
    const float r = 3.240479f * x - 1.53715f * y - 0.498535f * z;
    const float g = -0.969256f * x + 1.875992f * y + 0.041556f * z;
    const float b = 0.055648f * x - 0.204043f * y + 1.057311f * z;
    return {std::clamp(encode(r), 0.0f, 1.0f), std::clamp(encode(g), 0.0f, 1.0f),
            std::clamp(encode(b), 0.0f, 1.0f)};
}

orbColor firstThree(const ZColor& c)
{
    return {c.component(0), c.component(1), c.component(2)};
}

} // namespace

orbColor toXyz(const ZColor& color)
{
    switch (color.model()) {
    case ZColor::XYZ:
        return firstThree(color);
    case ZColor::RGB:
        return rgbToXyz(firstThree(color));
    case ZColor::HSV:
        return rgbToXyz(hsvToRgb(color.component(0), color.component(1), color.component(2)));
    case ZColor::CMYK:
        return rgbToXyz(cmykToRgb(color.component(0), color.component(1), color.component(2), color.component(3)));
    case ZColor::Lab:
        return labToXyz(color.component(0), color.component(1), color.component(2));
    }
    return {0.0f, 0.0f, 0.0f};
}

orbColor toRgb(const ZColor& color)
{
    switch (color.model()) {
    case ZColor::RGB:
        return firstThree(color);
    case ZColor::HSV:
        return hsvToRgb(color.component(0), color.component(1), color.component(2));
    case ZColor::CMYK:
        return cmykToRgb(color.component(0), color.component(1), color.component(2), color.component(3));
    default:
        return xyzToRgb(toXyz(color));
    }
}

orbColor_rgba toRgba(const ZColor& color)
{
    const orbColor rgb = toRgb(color);
    return {rgb.r, rgb.g, rgb.b, color.alpha()};
}

bool nearlyEqual(const ZColor& a, const ZColor& b, float tolerance)
{
    const orbColor x = toRgb(a);
    const orbColor y = toRgb(b);
    return std::fabs(x.r - y.r) < tolerance && std::fabs(x.g - y.g) < tolerance
        && std::fabs(x.b - y.b) < tolerance && std::fabs(a.alpha() - b.alpha()) < tolerance;
}

} // namespace zsg
