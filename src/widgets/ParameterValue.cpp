#include "ParameterValue.h"

#include <zsg/values/TextStream.h>

#include <cstring>
#include <sstream>
#include <type_traits>

namespace zsg {

namespace {

// Calls f(T{}) with the native type of `type`; false for types without a holder.
template <typename F>
bool visitType(Type type, F&& f)
{
    switch (type) {
    case Type::Boolean: f(bool{}); return true;
    case Type::Integer: f(std::int32_t{}); return true;
    case Type::IntegerList: f(QList<std::int32_t>{}); return true;
    case Type::Float: f(float{}); return true;
    case Type::Float2: f(orbVector2f{}); return true;
    case Type::Float3: f(orbVectorf{}); return true;
    case Type::Double: f(double{}); return true;
    case Type::Double3: f(orbVector{}); return true;
    case Type::String: f(QString{}); return true;
    case Type::StringList: f(QList<QString>{}); return true;
    case Type::FilePath: f(FilePath{}); return true;
    case Type::Matrix: f(orbMatrix{}); return true;
    case Type::Color: f(ZColorExt{}); return true;
    case Type::ColorAlpha: f(ZColorExtAlpha{}); return true;
    case Type::FloatArray: f(FloatArray{}); return true;
    case Type::ColorGradient: f(ColorGradient{}); return true;
    case Type::AnimationCurve: f(AnimationCurve{}); return true;
    case Type::CoatingColor: f(CoatingColor{}); return true;
    case Type::WeavePattern: f(WeavePattern{}); return true;
    case Type::Enumerable: f(Enumerable{}); return true;
    default: return false;
    }
}

} // namespace

std::unique_ptr<Variant> readValue(const Parameter& parameter)
{
    if (!parameter.isValid() || parameter.isPure())
        return nullptr;
    std::unique_ptr<Variant> result;
    visitType(parameter.type(), [&](auto value) {
        parameter.getp(&value);
        result = std::make_unique<ValueVariant<decltype(value)>>(value);
    });
    return result;
}

bool writeValue(const Parameter& parameter, const Variant& value)
{
    if (!parameter.isValid() || parameter.isPure() || parameter.type() != value.type())
        return false;
    bool changed = false;
    Parameter target = parameter;
    visitType(value.type(), [&](auto native) {
        value.getp(&native);
        if constexpr (std::is_same_v<decltype(native), Enumerable>) {
            // An owning holder sees a new choice over the same items as no change
            // and keeps the old one: pass through a value with other items.
            Enumerable other = native;
            other.items.append(Enumerable::Item{});
            target.setp(&other);
        }
        changed = target.setp(&native);
    });
    return changed;
}

std::unique_ptr<Variant> copyValue(const Variant& value)
{
    return std::unique_ptr<Variant>(value.cloneValue());
}

bool sameValue(const Variant& a, const Variant& b)
{
    if (a.type() != b.type())
        return false;
    bool same = false;
    visitType(a.type(), [&](auto x) {
        auto y = x;
        a.getp(&x);
        b.getp(&y);
        if constexpr (std::is_same_v<decltype(x), Enumerable>)
            same = x == y && x.current == y.current;
        else if constexpr (std::is_same_v<decltype(x), orbVector2f> || std::is_same_v<decltype(x), orbVectorf>
                           || std::is_same_v<decltype(x), orbVector> || std::is_same_v<decltype(x), orbMatrix>)
            same = std::memcmp(&x, &y, sizeof x) == 0;  // plain float records without ==
        else
            same = x == y;
    });
    return same;
}

QString valueText(const Variant& value)
{
    std::ostringstream out;
    out << value;
    return QString::fromStdString(out.str());
}

} // namespace zsg
