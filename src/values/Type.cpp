#include <zsg/values/Type.h>

namespace zsg {

const char* typeName(Type type)
{
    switch (type) {
    case Type::Null: return "Null";
    case Type::Boolean: return "Boolean";
    case Type::Integer: return "Integer";
    case Type::IntegerList: return "IntegerList";
    case Type::Float: return "Float";
    case Type::Float2: return "Float2";
    case Type::Float3: return "Float3";
    case Type::Double: return "Double";
    case Type::Double3: return "Double3";
    case Type::String: return "String";
    case Type::StringList: return "StringList";
    case Type::FilePath: return "FilePath";
    case Type::Matrix: return "Matrix";
    case Type::Color: return "Color";
    case Type::ColorAlpha: return "ColorAlpha";
    case Type::FloatArray: return "FloatArray";
    case Type::ColorGradient: return "ColorGradient";
    case Type::AnimationCurve: return "AnimationCurve";
    case Type::CoatingColor: return "CoatingColor";
    case Type::WeavePattern: return "WeavePattern";
    case Type::Enumerable: return "Enumerable";
    case Type::Node: return "Node";
    case Type::ShaderBase: return "ShaderBase";
    case Type::ShaderSurface: return "ShaderSurface";
    case Type::ShaderLabel: return "ShaderLabel";
    case Type::ShaderBump: return "ShaderBump";
    case Type::ShaderGeometry: return "ShaderGeometry";
    case Type::ShaderUv: return "ShaderUv";
    }
    return "(invalid type)";
}

} // namespace zsg
