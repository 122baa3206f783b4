#pragma once
// Conversions of a ZColor to CIE XYZ and display RGB, and near-equality.
// Everything is computed in 32-bit float so that hashes and the colours written
// to renderer records come out bit for bit the same everywhere. Implemented in
// zcore, which needs them for ZColorExt::rgba(); the library uses them from here.

#include <zsg/Export.h>
#include <zsg/platform/OrbTypes.h>
#include <zsg/platform/ZColor.h>

namespace zsg {

// X, Y, Z (0 to 100 scale) in the r, g, b fields. A model that is not a colour gives (0, 0, 0).
ZCORE_EXPORT orbColor toXyz(const ZColor& color);
// Gamma-encoded sRGB. RGB passes through unclamped, HSV and CMYK convert
// directly; the other models go through XYZ and are clamped to [0, 1].
ZCORE_EXPORT orbColor toRgb(const ZColor& color);
// toRgb with the colour's alpha.
ZCORE_EXPORT orbColor_rgba toRgba(const ZColor& color);
// True when r, g, b (after toRgb) and alpha each differ by strictly less than `tolerance`.
ZCORE_EXPORT bool nearlyEqual(const ZColor& a, const ZColor& b, float tolerance);

} // namespace zsg
