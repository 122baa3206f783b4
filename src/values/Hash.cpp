#include <zsg/values/Hash.h>

#include "values/HashWords.h"

#include <zsg/color/ColorModels.h>
#include <zsg/values/Variant.h>

#include <QHash>

namespace zsg {

using namespace hashwords;

namespace {

// A local of the native type, filled through getp: a held value and a
// referenced one read alike. The large values are implicitly shared, so this
// copies a reference, not the data.
template <typename T>
T read(const Variant& variant, T value = T{})
{
    variant.getp(&value);
    return value;
}

std::uint64_t qHashWord(const QString& text)
{
    return qHash(text, 0);
}

std::uint64_t colorWord(const orbColor& color)
{
    std::uint64_t h = 3;
    for (float channel : {color.r, color.g, color.b})
        h = combine(h, floatWord(channel));
    return h;
}

std::uint64_t valueWord(const Variant& v)
{
    switch (v.type()) {
    case Type::Boolean:
        return read<bool>(v) ? 1 : 0;
    case Type::Integer:
        return intWord(read<std::int32_t>(v));
    case Type::IntegerList: {
        const auto list = read<QList<std::int32_t>>(v);
        return fold(0, list.cbegin(), list.cend(), intWord);
    }
    case Type::Float:
        return floatWord(read<float>(v));
    case Type::Float2:
        return hash_orbVector2f(read<orbVector2f>(v));
    case Type::Float3:
        return hash_orbVectorf(read<orbVectorf>(v));
    case Type::Double:
        return doubleWord(read<double>(v));
    case Type::Double3:
        return hash_orbVector(read<orbVector>(v));
    case Type::String:
        return qHashWord(read<QString>(v));
    case Type::StringList: {
        const auto list = read<QList<QString>>(v);
        return fold(0, list.cbegin(), list.cend(), qHashWord);
    }
    case Type::FilePath:
        return qHashWord(read<FilePath>(v).toString());
    case Type::Matrix: {
        const auto matrix = read<orbMatrix>(v);
        return fold(16, std::cbegin(matrix.m), std::cend(matrix.m), doubleWord);
    }
    case Type::Color: {
        const auto color = read<ZColorExt>(v);
        std::uint64_t h = 0;
        for (int i = 0; i < color.nColors(); ++i)
            h = combine(h, colorWord(toRgb(color.color(i))));
        return h;
    }
    case Type::ColorAlpha: {
        const orbColor_rgba c = read<ZColorExtAlpha>(v).rgba();
        std::uint64_t h = 4;
        for (float channel : {c.r, c.g, c.b, c.a})
            h = combine(h, floatWord(channel));
        return h;
    }
    case Type::FloatArray: {
        const auto array = read<FloatArray>(v);
        return fold(0, array.values().cbegin(), array.values().cend(), floatWord);
    }
    case Type::ColorGradient: {
        const auto gradient = read<ColorGradient>(v);
        const QList<ColorGradientStop>& stops = gradient.stops();
        return fold(std::uint32_t(stops.size()), stops.cbegin(), stops.cend(), [](const ColorGradientStop& s) {
            std::uint64_t h = 4;
            for (float f : {s.color.r, s.color.g, s.color.b, s.color.a, s.position, s.auxiliary1, s.auxiliary2})
                h = combine(h, floatWord(f));
            return h;
        });
    }
    case Type::AnimationCurve: {
        const auto curve = read<AnimationCurve>(v);
        const AnimationCurve::Keys& keys = curve.keys();
        return fold(intWord(std::int32_t(keys.size())), keys.cbegin(), keys.cend(), [](const orb::AnimationKey& k) {
            std::uint64_t h = combine(intWord(std::int32_t(k.type)), hash_orbVector2f(k.point));
            h = combine(h, hash_orbVector2f(k.inHandle));
            return combine(h, hash_orbVector2f(k.outHandle));
        });
    }
    case Type::CoatingColor: {
        const auto coating = read<CoatingColor>(v);
        return fold(0, std::cbegin(coating.colors), std::cend(coating.colors), colorWord);
    }
    case Type::WeavePattern:
        return read<WeavePattern>(v).hash();
    case Type::Enumerable: {
        const auto enumerable = read<Enumerable>(v);
        return fold(0, enumerable.items.cbegin(), enumerable.items.cend(),
                    [](const Enumerable::Item& item) { return qHashWord(item.name); });
    }
    default:
        return 0;  // Null, Node, the shader types
    }
}

} // namespace

std::uint64_t hash_int(int value)
{
    return intWord(value);
}

std::uint64_t hash_float(float value)
{
    return floatWord(value);
}

std::uint64_t hash_limits(bool hasLimits, float minimum, float maximum)
{
    return hasLimits ? floatWord(maximum) << 32 | floatWord(minimum) | 1 : 0;
}

std::uint64_t hash_orbVector2f(const orbVector2f& vector)
{
    return combine(floatWord(vector.x), floatWord(vector.y));
}

std::uint64_t hash_orbVectorf(const orbVectorf& vector)
{
    return combine(combine(floatWord(vector.x), floatWord(vector.y)), floatWord(vector.z));
}

std::uint64_t hash_orbVector(const orbVector& vector)
{
    return combine(combine(doubleWord(vector.x), doubleWord(vector.y)), doubleWord(vector.z));
}

std::uint64_t hash_variant(const Variant* variant)
{
    if (!variant)
        return 0;
    return combine(intWord(std::int32_t(variant->type())), valueWord(*variant));
}

} // namespace zsg
