#include <zsg/values/TextStream.h>

#include <zsg/color/ColorModels.h>
#include <zsg/values/Parameter.h>
#include <zsg/values/ParameterData.h>
#include <zsg/values/Variant.h>

#include <ostream>
#include <string_view>

namespace zsg {

namespace {

template <typename T>
T read(const Variant& variant)
{
    T value{};
    variant.getp(&value);
    return value;
}

void writeUtf8(std::ostream& out, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    out << std::string_view(utf8.constData(), std::size_t(utf8.size()));
}

void writeQuoted(std::ostream& out, const QString& text)
{
    out << '"';
    writeUtf8(out, text);
    out << '"';
}

// IntegerLists up to this long are written out; longer ones as their count.
constexpr qsizetype MaxListedIntegers = 8;

} // namespace

std::ostream& operator<<(std::ostream& out, const Type& type)
{
    return out << typeName(type);
}

std::ostream& operator<<(std::ostream& out, const Variant& v)
{
    switch (v.type()) {
    case Type::Boolean:
        return out << read<bool>(v);
    case Type::Integer:
        return out << read<std::int32_t>(v);
    case Type::IntegerList: {
        const auto list = read<QList<std::int32_t>>(v);
        if (list.size() > MaxListedIntegers)
            return out << list.size() << " elements";
        for (qsizetype i = 0; i < list.size(); ++i)
            out << (i ? ", " : "") << list[i];
        return out;
    }
    case Type::Float:
        return out << double(read<float>(v));
    case Type::Double:
        return out << read<double>(v);
    case Type::Float2: {
        const auto f = read<orbVector2f>(v);
        return out << '<' << double(f.x) << ", " << double(f.y) << '>';
    }
    case Type::Float3: {
        const auto f = read<orbVectorf>(v);
        return out << '<' << double(f.x) << ", " << double(f.y) << ", " << double(f.z) << '>';
    }
    case Type::Double3: {
        const auto d = read<orbVector>(v);
        return out << '<' << d.x << ", " << d.y << ", " << d.z << '>';
    }
    case Type::String:
        writeQuoted(out, read<QString>(v));
        return out;
    case Type::StringList:
        return out << read<QList<QString>>(v).size() << " elements";
    case Type::FilePath:
        writeQuoted(out, read<FilePath>(v).toString());
        return out;
    case Type::Color: {
        const orbColor c = toRgb(read<ZColorExt>(v).getActive());
        return out << "RGB(" << double(c.r) << ", " << double(c.g) << ", " << double(c.b) << ')';
    }
    case Type::ColorAlpha: {
        const orbColor_rgba c = read<ZColorExtAlpha>(v).rgba();
        return out << "RGBA(" << double(c.r) << ", " << double(c.g) << ", " << double(c.b) << ", " << double(c.a)
                   << ')';
    }
    default:
        return out << typeName(v.type()) << "()";
    }
}

std::ostream& operator<<(std::ostream& out, const Parameter& parameter)
{
    const ParameterData& d = *parameter.d;
    out << "Parameter('";
    writeUtf8(out, d.name);
    out << "', " << typeName(d.type) << ' ';
    if (d.flags & Parameter::Pure)
        out << "(pure)";
    else if (d.value)
        out << *d.value;
    else
        out << typeName(d.type) << "()";  // no holder could be made for the type
    return out << ')';
}

} // namespace zsg
