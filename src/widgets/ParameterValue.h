#pragma once
// Typed access to parameter values for the widgets: the library hands values
// out only through their native types, so these switch on the type once.

#include <zsg/values/Parameter.h>
#include <zsg/values/Variant.h>

#include <QString>

#include <memory>

namespace zsg {

// A new holder with the parameter's value; null when the parameter is not
// valid, is pure, or its type has no holder.
std::unique_ptr<Variant> readValue(const Parameter& parameter);
// setp of the parameter with the holder's value; nothing when the types differ or
// the parameter has no value to write.
void writeValue(const Parameter& parameter, const Variant& value);
// A new holder with a copy of `value`; null for types without a holder.
std::unique_ptr<Variant> copyValue(const Variant& value);
// Equal values of equal types. An enumeration compares its choice too, NaN equals nothing.
bool sameValue(const Variant& a, const Variant& b);
// The library's text form of the value.
QString valueText(const Variant& value);

} // namespace zsg
