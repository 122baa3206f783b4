#pragma once
// One-line text forms of types, values and parameters, for logs and shells.
// Numbers follow the stream's formatting; floats are written as double.

#include <zsg/Export.h>
#include <zsg/values/Type.h>

#include <iosfwd>

namespace zsg {

class Parameter;
class Variant;

// typeName.
ZSG_EXPORT std::ostream& operator<<(std::ostream& out, const Type& type);
// 1, <1, 2>, "text", RGB(1, 0, 0), "3 elements"; the types without a short
// form, Matrix and the value classes among them, as their name and "()".
ZSG_EXPORT std::ostream& operator<<(std::ostream& out, const Variant& variant);
// Parameter('size', Float 0.5) or Parameter('bump', ShaderBump (pure)). The
// parameter must not be null.
ZSG_EXPORT std::ostream& operator<<(std::ostream& out, const Parameter& parameter);

} // namespace zsg
