#pragma once
// The value types that a parameter can carry.

#include <zsg/Export.h>

#include <cstdint>

namespace zsg {

/// Signed on purpose: any other number, negative ones included, is not a type.
enum class Type : std::int32_t {
    Null = 0,
    Boolean = 1,
    Integer = 2,
    IntegerList = 3,
    Float = 4,
    Float2 = 5,
    Float3 = 6,
    Double = 7,
    Double3 = 8,
    String = 9,
    StringList = 10,
    FilePath = 11,
    Matrix = 12,
    Color = 13,
    ColorAlpha = 14,
    FloatArray = 15,
    ColorGradient = 16,
    AnimationCurve = 17,
    CoatingColor = 18,
    WeavePattern = 19,
    Enumerable = 20,
    Node = 0x1000,
    // Shader-node inputs. Only ShaderBase has a holder (a PointerVariant over an
    // orbShader*); parameters of the types above it are pure.
    ShaderBase = 0x10000,
    ShaderSurface = 0x10001,
    ShaderLabel = 0x10002,
    ShaderBump = 0x10003,
    ShaderGeometry = 0x10004,
    ShaderUv = 0x10005,
};

// The enumerator's name ("Boolean", "ShaderUv"), or "(invalid type)"; never null.
ZSG_EXPORT const char* typeName(Type type);

} // namespace zsg
