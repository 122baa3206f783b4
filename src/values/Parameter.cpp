#include <zsg/values/Parameter.h>

#include <zsg/values/ParameterData.h>
#include <zsg/values/Variant.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <limits>
#include <string_view>

namespace zsg {

namespace {

// Reads the numbers of a hint such as "-range,2,8-": from the first occurrence
// of `keyword`, a comma, then `count` numbers separated by commas, as sscanf
// with "KEYWORD,%g,%g" would: hexadecimal floats, inf and nan are numbers, and
// one out of float range still counts as read (as +-inf or 0). Each number is
// stored as soon as it is read; the result is how many were. The numbers are
// read in the C format whatever the process locale, since the hints are
// written in source code.
int readHint(const char* help, const char* keyword, float* const* out, int count)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    const char* p = std::strstr(help, keyword);
    if (!p)
        return 0;
    p += std::strlen(keyword);
    for (int i = 0; i < count; ++i) {
        if (*p != ',')
            return i;
        ++p;
        char* next = nullptr;
        const float number = strtof_l(p, &next, cLocale);
        if (next == p)
            return i;
        *out[i] = number;
        p = next;
    }
    return count;
}

int truncated(float value)
{
    if (std::isnan(value))
        return 0;
    if (value <= float(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    if (value >= float(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return int(value);
}

} // namespace

Parameter::Builder::Builder(const QString& name, const QString& displayName)
{
    this->name(name, displayName);
}

Parameter::Builder& Parameter::Builder::name(const QString& name, const QString& displayName)
{
    m_name = name;
    m_displayName = displayName;
    return *this;
}

Parameter::Builder& Parameter::Builder::displayName(const QString& displayName)
{
    m_displayName = displayName;
    return *this;
}

Parameter::Builder& Parameter::Builder::toolTip(const QString& toolTip)
{
    m_toolTip = toolTip;
    return *this;
}

Parameter::Builder& Parameter::Builder::priority(int priority)
{
    m_priority = priority;
    return *this;
}

Parameter::Builder& Parameter::Builder::type(Type type)
{
    m_type = type;
    return *this;
}

Parameter::Builder& Parameter::Builder::shaderType(Type type)
{
    m_flags |= Flags(Pure | Varying);
    m_type = type;
    return *this;
}

Parameter::Builder& Parameter::Builder::flag(Flags flags)
{
    m_flags |= flags;
    return *this;
}

Parameter::Builder& Parameter::Builder::removeFlag(Flag flag)
{
    m_flags &= ~Flags(flag);
    return *this;
}

Parameter::Builder& Parameter::Builder::bump()
{
    return flag(Bump);
}

Parameter::Builder& Parameter::Builder::varying()
{
    m_flags |= Varying;
    return *this;
}

Parameter::Builder& Parameter::Builder::animatable()
{
    m_flags |= Animatable;
    return *this;
}

Parameter::Builder& Parameter::Builder::automatic()
{
    m_flags |= Automatic;
    return *this;
}

Parameter::Builder& Parameter::Builder::shaderParameter(const char* name)
{
    m_flags |= Automatic;
    m_shaderParameter = name;
    return *this;
}

Parameter::Builder& Parameter::Builder::value(Variant* value)
{
    m_value = value;
    if (value)
        m_type = value->type();
    else
        m_flags = Invalid;
    return *this;
}

Parameter::Builder& Parameter::Builder::help(const char* help)
{
    m_help = help;
    return *this;
}

Parameter::Builder& Parameter::Builder::quantity(Quantity quantity)
{
    m_quantity = quantity;
    return *this;
}

Parameter::Builder& Parameter::Builder::limits(float minimum, float maximum)
{
    m_limits = std::pair(minimum, maximum);
    return *this;
}

Parameter::Builder& Parameter::Builder::enabled(bool enabled)
{
    m_enabled = enabled;
    return *this;
}

Parameter::Parameter() = default;

Parameter::Parameter(QSharedPointer<ParameterData> data)
    : d(std::move(data))
{
}

// The order of the flag rules matters: Pure brings Varying, a shader-node type
// brings both, Varying then brings Animatable, and VaryingOnly is checked last.
Parameter::Parameter(const Builder& b)
    : d(QSharedPointer<ParameterData>::create())
{
    d->name = b.m_name;
    d->displayName = b.m_displayName;
    d->toolTip = b.m_toolTip;
    d->value = b.m_value;
    d->help = b.m_help;
    d->type = b.m_type;
    d->quantity = b.m_quantity;
    Flags flags = b.m_flags;
    if (b.m_enabled)
        flags |= Enabled;

    if (b.m_limits) {
        d->hasLimits = true;
        d->limitMinimum = b.m_limits->first;
        d->limitMaximum = b.m_limits->second;
    } else if (d->help) {
        float* const out[] = {&d->limitMinimum, &d->limitMaximum};
        d->hasLimits = readHint(d->help, "-limits", out, 2) == 2;
    }

    if (flags & Pure)
        flags |= Varying;
    if (std::int32_t(d->type) > std::int32_t(Type::ShaderBase))
        flags |= Flags(Pure | Varying);
    if (flags & Varying)
        flags |= Animatable;
    if (!(flags & Pure) && !d->value) {
        d->value = makeVariant(d->type);
        if (!d->value)
            flags |= Invalid;
    }
    if ((flags & VaryingOnly) && !(flags & Varying))
        flags &= ~Flags(VaryingOnly);
    d->flags = flags;
}

Parameter::~Parameter() = default;

bool Parameter::isValid() const
{
    return d && !(d->flags & Invalid);
}

QString Parameter::name() const
{
    return d->name;
}

QString Parameter::displayName() const
{
    return d->displayName;
}

QString Parameter::toolTip() const
{
    return d->toolTip;
}

Type Parameter::type() const
{
    return d->type;
}

Parameter::Flags Parameter::flags() const
{
    return d->flags;
}

bool Parameter::hasFlag(Flag flag) const
{
    return d->flags.testFlag(flag);
}

bool Parameter::hasFlags(Flags flags) const
{
    return (d->flags & flags) == flags;
}

bool Parameter::containsFlags(Flags flags) const
{
    return (d->flags & flags).toInt() != 0;
}

bool Parameter::isPure() const
{
    return hasFlag(Pure);
}

bool Parameter::isEnabled() const
{
    return hasFlag(Enabled);
}

bool Parameter::limits(float& minimum, float& maximum) const
{
    if (!d->hasLimits || d->type != Type::Float)
        return false;
    minimum = d->limitMinimum;
    maximum = d->limitMaximum;
    return true;
}

bool Parameter::limits(int& minimum, int& maximum) const
{
    if (!d->hasLimits || d->type != Type::Integer)
        return false;
    minimum = truncated(d->limitMinimum);
    maximum = truncated(d->limitMaximum);
    return true;
}

bool Parameter::sliderRange(float& minimum, float& maximum) const
{
    if (!isValid() || d->type != Type::Float || !d->help)
        return false;
    if (std::strstr(d->help, "-spin")) {
        float step = 0.0f;
        float* const out[] = {&minimum, &maximum, &step};
        return readHint(d->help, "-spin", out, 3) == 3;
    }
    float* const out[] = {&minimum, &maximum};
    return readHint(d->help, "-range", out, 2) == 2;
}

bool Parameter::useKelvin() const
{
    return isValid() && d->help && std::strstr(d->help, "-kelvin-");
}

Quantity Parameter::quantity() const
{
    return d->quantity;
}

void Parameter::setQuantity(Quantity quantity)
{
    d->quantity = quantity;
}

QVariant Parameter::metaData() const
{
    return d->metaData;
}

void Parameter::setMetaData(const QVariant& metaData)
{
    d->metaData = metaData;
}

void Parameter::getp(void* value) const
{
    d->value->getp(value);
}

bool Parameter::setp(const void* value)
{
    const bool changed = d->value->setp(value);
    if (changed)
        d->changed = true;
    return changed;
}

bool Parameter::isChanged() const
{
    return d->changed;
}

ZColorExt Parameter::getColor() const
{
    if (d->type == Type::Color) {
        ZColorExt color;
        getp(&color);
        return color;
    }
    ZColorExtAlpha color;
    getp(&color);
    return color;
}

} // namespace zsg
