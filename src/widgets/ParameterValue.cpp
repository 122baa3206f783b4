#include "ParameterValue.h"

#include <zsg/values/TextStream.h>

#include <cstring>
#include <sstream>
#include <type_traits>

namespace zsg {

namespace {

// Calls f(T{}) with the native type of `type`; nothing for types without a holder.
template <typename F>
void visitType(Type type, F&& f)
{
    switch (type) {
    case Type::Boolean: f(bool{}); return;
    case Type::Integer: f(std::int32_t{}); return;
    case Type::IntegerList: f(QList<std::int32_t>{}); return;
    case Type::Float: f(float{}); return;
    case Type::Float2: f(orbVector2f{}); return;
    case Type::Float3: f(orbVectorf{}); return;
    case Type::Double: f(double{}); return;
    case Type::Double3: f(orbVector{}); return;
    case Type::String: f(QString{}); return;
    case Type::StringList: f(QList<QString>{}); return;
    case Type::FilePath: f(FilePath{}); return;
    case Type::Matrix: f(orbMatrix{}); return;
    case Type::Color: f(ZColorExt{}); return;
    case Type::ColorAlpha: f(ZColorExtAlpha{}); return;
    case Type::FloatArray: f(FloatArray{}); return;
    case Type::ColorGradient: f(ColorGradient{}); return;
    case Type::AnimationCurve: f(AnimationCurve{}); return;
    case Type::CoatingColor: f(CoatingColor{}); return;
    case Type::WeavePattern: f(WeavePattern{}); return;
    case Type::Enumerable: f(Enumerable{}); return;
    default: return;
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

void writeValue(const Parameter& parameter, const Variant& value)
{
    if (!parameter.isValid() || parameter.isPure() || parameter.type() != value.type())
        return;
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
        target.setp(&native);
    });
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
