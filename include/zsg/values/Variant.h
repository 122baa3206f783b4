#pragma once
// Type-erased holders of one value of a zsg::Type. Callers read and write a
// holder through the address of a value of the type's native type:
//
//   Type::Boolean bool              Type::Double3        orbVector
//   Type::Integer std::int32_t      Type::String         QString
//   Type::IntegerList QList<int32>  Type::StringList     QList<QString>
//   Type::Float   float             Type::FilePath       FilePath
//   Type::Float2  orbVector2f       Type::Matrix         orbMatrix
//   Type::Float3  orbVectorf        Type::Color          ZColorExt
//   Type::Double  double            Type::ColorAlpha     ZColorExtAlpha
//   Type::FloatArray, ColorGradient, AnimationCurve, CoatingColor, WeavePattern,
//   Enumerable: the class of that name; Type::ShaderBase: orbShader*.
//
// ValueVariant<T> owns its value; PointerVariant<T> reads and writes a value
// that lives elsewhere, which must outlive the holder.

#include <zsg/Export.h>
#include <zsg/platform/OrbTypes.h>
#include <zsg/platform/ZColorExt.h>
#include <zsg/values/Enumerable.h>
#include <zsg/values/Type.h>
#include <zsg/valuetypes/AnimationCurve.h>
#include <zsg/valuetypes/CoatingColor.h>
#include <zsg/valuetypes/ColorGradient.h>
#include <zsg/valuetypes/FilePath.h>
#include <zsg/valuetypes/FloatArray.h>
#include <zsg/valuetypes/WeavePattern.h>

#include <QList>
#include <QString>

#include <cstdint>

class orbShader;

namespace zsg {

/// Plain Variant objects are Null holders: they hold nothing and change nothing.
class ZSG_EXPORT Variant
{
public:
    Variant() = default;
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    virtual ~Variant();

    virtual Type type() const;
    // Copies the value at `value` (of the native type of type()) into the
    // holder; true when the held value changed.
    virtual bool setp(const void* value);
    // Assigns the held value to the constructed object at `value`.
    virtual void getp(void* value) const;
    // setp of `target` (a holder of the same type) with this holder's value.
    virtual bool copyTo(Variant* target) const;

    // A new owning holder with a copy of the value; null for types without a
    // default holder (Null, ShaderBase, ...). The caller owns the result.
    Variant* cloneValue() const;
};

/// A holder that owns its value of type T.
template <typename T>
class ValueVariant : public Variant
{
public:
    explicit ValueVariant(T value = T{});
    ~ValueVariant() override;

    Type type() const override;
    // Stores the value only when it differs from the held one (float NaN always
    // differs; matrix elements count as equal when neither is less or greater).
    bool setp(const void* value) override;
    void getp(void* value) const override;
    bool copyTo(Variant* target) const override;

private:
    T m_value;
};

/// A holder that reads and writes a T it does not own; the pointee must outlive
/// the holder (and the Parameter holding it).
template <typename T>
class PointerVariant : public Variant
{
public:
    explicit PointerVariant(T* pointee);
    ~PointerVariant() override;

    Type type() const override;
    // Writes the pointee in every case; the result says whether it differed.
    bool setp(const void* value) override;
    void getp(void* value) const override;
    bool copyTo(Variant* target) const override;

private:
    T* m_pointee;
};

// The holders exist for these types only; their code lives in the library,
// which exports each of them (constructor, vtable and type information), so a
// host can create them and dynamic_cast to them.
extern template class ZSG_EXPORT ValueVariant<bool>;
extern template class ZSG_EXPORT ValueVariant<std::int32_t>;
extern template class ZSG_EXPORT ValueVariant<QList<std::int32_t>>;
extern template class ZSG_EXPORT ValueVariant<float>;
extern template class ZSG_EXPORT ValueVariant<orbVector2f>;
extern template class ZSG_EXPORT ValueVariant<orbVectorf>;
extern template class ZSG_EXPORT ValueVariant<double>;
extern template class ZSG_EXPORT ValueVariant<orbVector>;
extern template class ZSG_EXPORT ValueVariant<QString>;
extern template class ZSG_EXPORT ValueVariant<QList<QString>>;
extern template class ZSG_EXPORT ValueVariant<FilePath>;
extern template class ZSG_EXPORT ValueVariant<orbMatrix>;
extern template class ZSG_EXPORT ValueVariant<ZColorExt>;
extern template class ZSG_EXPORT ValueVariant<ZColorExtAlpha>;
extern template class ZSG_EXPORT ValueVariant<FloatArray>;
extern template class ZSG_EXPORT ValueVariant<ColorGradient>;
extern template class ZSG_EXPORT ValueVariant<AnimationCurve>;
extern template class ZSG_EXPORT ValueVariant<CoatingColor>;
extern template class ZSG_EXPORT ValueVariant<WeavePattern>;
extern template class ZSG_EXPORT ValueVariant<Enumerable>;

extern template class ZSG_EXPORT PointerVariant<std::int32_t>;
extern template class ZSG_EXPORT PointerVariant<float>;
extern template class ZSG_EXPORT PointerVariant<bool>;
extern template class ZSG_EXPORT PointerVariant<QString>;
extern template class ZSG_EXPORT PointerVariant<ZColorExt>;
extern template class ZSG_EXPORT PointerVariant<Enumerable>;
extern template class ZSG_EXPORT PointerVariant<orbShader*>;

// A new ValueVariant holding the type's default (0, empty, the identity matrix,
// opaque black, ...); null for Null, Node, the shader types and numbers that
// are not types. The caller owns the result.
ZSG_EXPORT Variant* makeVariant(Type type);

} // namespace zsg
