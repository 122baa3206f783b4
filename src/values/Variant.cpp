#include <zsg/values/Variant.h>

#include <utility>

namespace zsg {

namespace {

template <typename T>
constexpr bool hasType = false;
// A holder instantiated for a type without its entry below fails to compile.
template <typename T>
constexpr Type typeOf = [] {
    static_assert(hasType<T>, "no zsg::Type for this holder type");
    return Type::Null;
}();
template <> constexpr Type typeOf<bool> = Type::Boolean;
template <> constexpr Type typeOf<std::int32_t> = Type::Integer;
template <> constexpr Type typeOf<QList<std::int32_t>> = Type::IntegerList;
template <> constexpr Type typeOf<float> = Type::Float;
template <> constexpr Type typeOf<orbVector2f> = Type::Float2;
template <> constexpr Type typeOf<orbVectorf> = Type::Float3;
template <> constexpr Type typeOf<double> = Type::Double;
template <> constexpr Type typeOf<orbVector> = Type::Double3;
template <> constexpr Type typeOf<QString> = Type::String;
template <> constexpr Type typeOf<QList<QString>> = Type::StringList;
template <> constexpr Type typeOf<FilePath> = Type::FilePath;
template <> constexpr Type typeOf<orbMatrix> = Type::Matrix;
template <> constexpr Type typeOf<ZColorExt> = Type::Color;
template <> constexpr Type typeOf<ZColorExtAlpha> = Type::ColorAlpha;
template <> constexpr Type typeOf<FloatArray> = Type::FloatArray;
template <> constexpr Type typeOf<ColorGradient> = Type::ColorGradient;
template <> constexpr Type typeOf<AnimationCurve> = Type::AnimationCurve;
template <> constexpr Type typeOf<CoatingColor> = Type::CoatingColor;
template <> constexpr Type typeOf<WeavePattern> = Type::WeavePattern;
template <> constexpr Type typeOf<Enumerable> = Type::Enumerable;
template <> constexpr Type typeOf<orbShader*> = Type::ShaderBase;

// Whether storing `b` over `a` leaves the value as it was. The value classes
// and QList bring their own equality (QList: same length, shared storage at
// once, then element by element); float and double use ==, so storing a NaN is
// always a change.
template <typename T>
bool same(const T& a, const T& b)
{
    return a == b;
}

bool same(const orbVector2f& a, const orbVector2f& b)
{
    return a.x == b.x && a.y == b.y;
}

bool same(const orbVectorf& a, const orbVectorf& b)
{
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

bool same(const orbVector& a, const orbVector& b)
{
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

// Unordered elements count as equal, so a NaN in a matrix is never a change.
bool same(const orbMatrix& a, const orbMatrix& b)
{
    for (int i = 0; i < 16; ++i) {
        if (a.m[i] < b.m[i] || a.m[i] > b.m[i])
            return false;
    }
    return true;
}

} // namespace

Variant::~Variant() = default;

Type Variant::type() const
{
    return Type::Null;
}

bool Variant::setp(const void*)
{
    return false;
}

void Variant::getp(void*) const
{
}

bool Variant::copyTo(Variant*) const
{
    return false;
}

Variant* Variant::cloneValue() const
{
    Variant* clone = makeVariant(type());
    if (clone)
        copyTo(clone);
    return clone;
}

template <typename T>
ValueVariant<T>::ValueVariant(T value)
    : m_value(std::move(value))
{
}

template <typename T>
ValueVariant<T>::~ValueVariant() = default;

template <typename T>
Type ValueVariant<T>::type() const
{
    return typeOf<T>;
}

template <typename T>
bool ValueVariant<T>::setp(const void* value)
{
    const T& incoming = *static_cast<const T*>(value);
    if (same(m_value, incoming))
        return false;
    m_value = incoming;
    return true;
}

template <typename T>
void ValueVariant<T>::getp(void* value) const
{
    *static_cast<T*>(value) = m_value;
}

template <typename T>
bool ValueVariant<T>::copyTo(Variant* target) const
{
    return target->setp(&m_value);
}

template <typename T>
PointerVariant<T>::PointerVariant(T* pointee)
    : m_pointee(pointee)
{
}

template <typename T>
PointerVariant<T>::~PointerVariant() = default;

template <typename T>
Type PointerVariant<T>::type() const
{
    return typeOf<T>;
}

template <typename T>
bool PointerVariant<T>::setp(const void* value)
{
    const T& incoming = *static_cast<const T*>(value);
    const bool changed = !same(*m_pointee, incoming);
    // Written even when equal: an Enumerable's `current` is not part of its
    // equality but must reach the pointee all the same.
    *m_pointee = incoming;
    return changed;
}

template <typename T>
void PointerVariant<T>::getp(void* value) const
{
    *static_cast<T*>(value) = *m_pointee;
}

template <typename T>
bool PointerVariant<T>::copyTo(Variant* target) const
{
    return target->setp(m_pointee);
}

template class ValueVariant<bool>;
template class ValueVariant<std::int32_t>;
template class ValueVariant<QList<std::int32_t>>;
template class ValueVariant<float>;
template class ValueVariant<orbVector2f>;
template class ValueVariant<orbVectorf>;
template class ValueVariant<double>;
template class ValueVariant<orbVector>;
template class ValueVariant<QString>;
template class ValueVariant<QList<QString>>;
template class ValueVariant<FilePath>;
template class ValueVariant<orbMatrix>;
template class ValueVariant<ZColorExt>;
template class ValueVariant<ZColorExtAlpha>;
template class ValueVariant<FloatArray>;
template class ValueVariant<ColorGradient>;
template class ValueVariant<AnimationCurve>;
template class ValueVariant<CoatingColor>;
template class ValueVariant<WeavePattern>;
template class ValueVariant<Enumerable>;

template class PointerVariant<std::int32_t>;
template class PointerVariant<float>;
template class PointerVariant<bool>;
template class PointerVariant<QString>;
template class PointerVariant<ZColorExt>;
template class PointerVariant<Enumerable>;
template class PointerVariant<orbShader*>;

Variant* makeVariant(Type type)
{
    switch (type) {
    case Type::Boolean: return new ValueVariant<bool>(false);
    case Type::Integer: return new ValueVariant<std::int32_t>(0);
    case Type::IntegerList: return new ValueVariant<QList<std::int32_t>>();
    case Type::Float: return new ValueVariant<float>(0.0f);
    case Type::Float2: return new ValueVariant<orbVector2f>();
    case Type::Float3: return new ValueVariant<orbVectorf>();
    case Type::Double: return new ValueVariant<double>(0.0);
    case Type::Double3: return new ValueVariant<orbVector>();
    case Type::String: return new ValueVariant<QString>();
    case Type::StringList: return new ValueVariant<QList<QString>>();
    case Type::FilePath: return new ValueVariant<FilePath>();
    case Type::Matrix: {
        orbMatrix identity{};
        for (int i : {0, 5, 10, 15})
            identity.m[i] = 1.0;
        return new ValueVariant<orbMatrix>(identity);
    }
    case Type::Color: return new ValueVariant<ZColorExt>(ZColorExt(0.0f, 0.0f, 0.0f));
    case Type::ColorAlpha: return new ValueVariant<ZColorExtAlpha>(ZColorExtAlpha(0.0f, 0.0f, 0.0f, 1.0f));
    case Type::FloatArray: return new ValueVariant<FloatArray>();
    case Type::ColorGradient: return new ValueVariant<ColorGradient>();
    case Type::AnimationCurve: return new ValueVariant<AnimationCurve>();
    case Type::CoatingColor: return new ValueVariant<CoatingColor>();
    case Type::WeavePattern: return new ValueVariant<WeavePattern>();
    case Type::Enumerable: return new ValueVariant<Enumerable>();
    default: return nullptr;  // Null, Node, the shader types, non-types
    }
}

} // namespace zsg
