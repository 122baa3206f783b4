#pragma once

#include <zsg/Export.h>
#include <zsg/platform/ZColorExt.h>
#include <zsg/values/Quantity.h>
#include <zsg/values/Type.h>

#include <QFlags>
#include <QSharedPointer>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <utility>

namespace zsg {

class ParameterData;
class Variant;

/// A described, typed value for the user interface: names, a value holder,
/// flags, limits, a physical quantity, a help text carrying slider hints, and
/// free metadata. Built through Parameter::Builder. A Parameter is a handle:
/// copies share one body, so they see the same flags and the same value.
class ZSG_EXPORT Parameter
{
public:
    /// Bits that the library sets or acts on; other bits pass through unchanged.
    enum Flag : std::uint32_t {
        Bump = 0x1,
        Enabled = 0x10,
        Varying = 0x200,      // implies Animatable
        Pure = 0x400,         // no value holder; implies Varying
        Animatable = 0x800,
        VaryingOnly = 0x1000, // dropped unless Varying is set
        Automatic = 0x2000,
        Invalid = 0x4000,
    };
    Q_DECLARE_FLAGS(Flags, Flag)

    /// A plain record with chainable setters. It does not own the value holder
    /// it is given: the Parameter built from it does, so build one parameter
    /// per holder. Help and shader-parameter texts must be static.
    class ZSG_EXPORT Builder
    {
    public:
        Builder() = default;
        Builder(const QString& name, const QString& displayName);

        Builder& name(const QString& name, const QString& displayName);
        Builder& displayName(const QString& displayName);
        Builder& toolTip(const QString& toolTip);
        Builder& priority(int priority);
        Builder& type(Type type);
        // Pure and Varying, and the type.
        Builder& shaderType(Type type);
        Builder& flag(Flags flags);
        Builder& removeFlag(Flag flag);
        Builder& bump();
        Builder& varying();
        Builder& animatable();
        Builder& automatic();
        // Also sets Automatic.
        Builder& shaderParameter(const char* name);
        // Takes the holder's type. A null holder marks the parameter Invalid
        // and drops every flag set so far.
        Builder& value(Variant* value);
        // Hints in the text: "-limits,MIN,MAX-", "-range,MIN,MAX-",
        // "-spin,MIN,MAX,STEP-", "-kelvin-".
        Builder& help(const char* help);
        Builder& quantity(Quantity quantity);
        // Take precedence over "-limits" in the help text.
        Builder& limits(float minimum, float maximum);
        // True by default; false only leaves out Enabled.
        Builder& enabled(bool enabled);

        // For the host: the parameter does not take these over.
        bool hasPriority() const { return m_priority.has_value(); }
        int priority() const { return m_priority.value_or(0); }
        const char* shaderParameter() const { return m_shaderParameter; }

    private:
        friend class Parameter;

        std::optional<int> m_priority;
        Type m_type = Type::Null;
        const char* m_help = nullptr;
        const char* m_shaderParameter = nullptr;
        Quantity m_quantity = Quantity::None;
        Flags m_flags;
        bool m_enabled = true;
        QString m_name;
        QString m_displayName;
        QString m_toolTip;
        Variant* m_value = nullptr;
        std::optional<std::pair<float, float>> m_limits;
    };

    // A null parameter.
    Parameter();
    explicit Parameter(QSharedPointer<ParameterData> data);
    Parameter(const Builder& builder);
    ~Parameter();
    Parameter(const Parameter&) = default;
    Parameter& operator=(const Parameter&) = default;
    Parameter(Parameter&&) noexcept = default;
    Parameter& operator=(Parameter&&) noexcept = default;

    // Everything below but isValid needs a non-null parameter; getp, setp and
    // getColor also need a value holder (valid and not pure).
    bool isValid() const;
    QString name() const;
    QString displayName() const;
    QString toolTip() const;
    Type type() const;
    Flags flags() const;
    // A zero argument asks whether no flag is set at all.
    bool hasFlag(Flag flag) const;
    // Whether all the given bits are set (true for none).
    bool hasFlags(Flags flags) const;
    // Whether any of the given bits is set.
    bool containsFlags(Flags flags) const;
    bool isPure() const;
    bool isEnabled() const;

    // Limits of a Float parameter, and of an Integer one (truncated toward
    // zero); false, leaving the outputs alone, for other types or none set.
    bool limits(float& minimum, float& maximum) const;
    bool limits(int& minimum, int& maximum) const;
    // From "-spin,MIN,MAX,STEP-" or else "-range,MIN,MAX-" in the help text of
    // a valid Float parameter. Numbers read before a malformed one stay written.
    bool sliderRange(float& minimum, float& maximum) const;
    // Whether the help text of a valid parameter holds "-kelvin-".
    bool useKelvin() const;

    Quantity quantity() const;
    void setQuantity(Quantity quantity);
    QVariant metaData() const;
    void setMetaData(const QVariant& metaData);

    // The value through its native type (see Variant.h).
    void getp(void* value) const;
    // True, and the parameter marked changed, when the value changed.
    bool setp(const void* value);
    // Set once a setp changed the value; never cleared.
    bool isChanged() const;
    // The value of a Color or ColorAlpha parameter, without its alpha type.
    ZColorExt getColor() const;

private:
    // Prints the value holder, which the interface does not hand out.
    friend ZSG_EXPORT std::ostream& operator<<(std::ostream& out, const Parameter& parameter);

    QSharedPointer<ParameterData> d;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Parameter::Flags)

} // namespace zsg
