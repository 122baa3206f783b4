// Values and parameters: build them from words, print their text form and hash.

#include "Shell.h"

#include <zsg/values/Hash.h>
#include <zsg/values/Parameter.h>
#include <zsg/values/TextStream.h>
#include <zsg/values/Variant.h>
#include <zsg/valuetypes/FloatArray.h>
#include <zsg/valuetypes/IORFile.h>

#include <iostream>

#include <algorithm>
#include <memory>
#include <sstream>

using namespace zsg;

namespace {

// A type by its name (any case) or its number.
std::optional<Type> parseType(Shell& shell, const QString& word)
{
    bool ok = false;
    const int number = word.toInt(&ok, 0);
    if (ok)
        return Type(number);
    for (int t : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 0x1000, 0x10000, 0x10001,
                  0x10002, 0x10003, 0x10004, 0x10005}) {
        if (word.compare(QLatin1String(typeName(Type(t))), Qt::CaseInsensitive) == 0)
            return Type(t);
    }
    shell.fail(QStringLiteral("unknown type '%1'").arg(word));
    return std::nullopt;
}

// Numbers in the C format, whatever the locale.
std::optional<QList<double>> parseNumbers(Shell& shell, const QStringList& words)
{
    QList<double> numbers;
    for (const QString& word : words) {
        bool ok = false;
        numbers << word.toDouble(&ok);
        if (!ok) {
            shell.fail(QStringLiteral("malformed number '%1'").arg(word));
            return std::nullopt;
        }
    }
    return numbers;
}

std::optional<QList<int>> parseIntegers(Shell& shell, const QStringList& words)
{
    QList<int> numbers;
    for (const QString& word : words) {
        bool ok = false;
        numbers << word.toInt(&ok, 0);
        if (!ok) {
            shell.fail(QStringLiteral("malformed integer '%1'").arg(word));
            return std::nullopt;
        }
    }
    return numbers;
}

template <typename T>
bool store(Variant& variant, const T& value)
{
    variant.setp(&value);
    return true;
}

// "Color r g b" or "Color MODEL c0 c1 c2 [c3]" with MODEL one of xyz, rgb, hsv, cmyk, lab.
std::optional<ZColor> parseColor(Shell& shell, QStringList words)
{
    static const QStringList models{"xyz", "rgb", "hsv", "cmyk", "lab"};
    ZColor::Model model = ZColor::RGB;
    if (!words.isEmpty() && models.contains(words.first().toLower()))
        model = ZColor::Model(models.indexOf(words.takeFirst().toLower()));
    if (words.size() != 3 && words.size() != 4) {
        shell.fail(QStringLiteral("a colour takes three or four components"));
        return std::nullopt;
    }
    const auto c = parseNumbers(shell, words);
    if (!c)
        return std::nullopt;
    return ZColor(model, float(c->at(0)), float(c->at(1)), float(c->at(2)), c->size() > 3 ? float(c->at(3)) : 0.0f);
}

// Sets `variant` from the words; a type's default when there are none.
bool setFromWords(Shell& shell, Variant& variant, const QStringList& words)
{
    if (words.isEmpty())
        return true;
    const Type type = variant.type();
    // Types read from a fixed count of numbers.
    const auto numbers = [&](int count) -> std::optional<QList<double>> {
        if (words.size() != count) {
            shell.fail(QStringLiteral("%1 takes %2 numbers").arg(typeName(type)).arg(count));
            return std::nullopt;
        }
        return parseNumbers(shell, words);
    };
    switch (type) {
    case Type::Boolean: {
        const QString word = words.value(0).toLower();
        if (words.size() != 1 || !QStringList{"true", "false", "1", "0"}.contains(word))
            return shell.fail(QStringLiteral("Boolean takes true or false"));
        return store(variant, word == QLatin1String("true") || word == QLatin1String("1"));
    }
    case Type::Integer: {
        if (words.size() != 1)
            return shell.fail(QStringLiteral("Integer takes one integer"));
        const auto n = parseIntegers(shell, words);
        return n && store(variant, std::int32_t(n->first()));
    }
    case Type::IntegerList: {
        const auto n = parseIntegers(shell, words);
        return n && store(variant, QList<std::int32_t>(*n));
    }
    case Type::Float: {
        const auto n = numbers(1);
        return n && store(variant, float(n->at(0)));
    }
    case Type::Double: {
        const auto n = numbers(1);
        return n && store(variant, n->at(0));
    }
    case Type::Float2: {
        const auto n = numbers(2);
        return n && store(variant, orbVector2f{float(n->at(0)), float(n->at(1))});
    }
    case Type::Float3: {
        const auto n = numbers(3);
        return n && store(variant, orbVectorf{float(n->at(0)), float(n->at(1)), float(n->at(2))});
    }
    case Type::Double3: {
        const auto n = numbers(3);
        return n && store(variant, orbVector{n->at(0), n->at(1), n->at(2)});
    }
    case Type::Matrix: {
        const auto n = numbers(16);
        if (!n)
            return false;
        orbMatrix m;
        std::copy(n->cbegin(), n->cend(), m.m);
        return store(variant, m);
    }
    case Type::String:
        return words.size() == 1 ? store(variant, words.first())
                                 : shell.fail(QStringLiteral("String takes one word (quote blanks)"));
    case Type::StringList:
        return store(variant, words);
    case Type::FilePath:
        return words.size() == 1 ? store(variant, FilePath(words.first()))
                                 : shell.fail(QStringLiteral("FilePath takes one word"));
    case Type::Color: {
        const auto color = parseColor(shell, words);
        return color && store(variant, ZColorExt(*color));
    }
    case Type::ColorAlpha: {
        const auto n = numbers(4);
        return n && store(variant, ZColorExtAlpha(float(n->at(0)), float(n->at(1)), float(n->at(2)), float(n->at(3))));
    }
    case Type::FloatArray: {
        const auto n = parseNumbers(shell, words);
        if (!n)
            return false;
        QList<float> values;
        for (double d : *n)
            values << float(d);
        return store(variant, FloatArray(values));
    }
    case Type::Enumerable: {
        Enumerable e;
        for (const QString& name : words)
            e.items.append({std::int32_t(e.items.size()), name});
        return store(variant, e);
    }
    default:
        return shell.fail(QStringLiteral("%1 takes no words, only its default").arg(typeName(type)));
    }
}

QString hashText(std::uint64_t hash)
{
    return QStringLiteral("0x%1").arg(hash, 16, 16, QLatin1Char('0'));
}

template <typename T>
QString toText(const T& value)
{
    std::ostringstream out;
    out << value;
    return QString::fromStdString(out.str());
}

QString rangeText(bool ok, double minimum, double maximum)
{
    return ok ? QStringLiteral("%1,%2").arg(minimum).arg(maximum) : QStringLiteral("none");
}

bool valueCommand(Shell& shell, const QStringList& args)
{
    if (!shell.expectArgs(args, 1, -1))
        return false;
    const std::optional<Type> type = parseType(shell, args[0]);
    if (!type)
        return false;
    std::unique_ptr<Variant> variant(makeVariant(*type));
    if (!variant)
        return shell.fail(QStringLiteral("type %1 has no value holder").arg(typeName(*type)));
    if (!setFromWords(shell, *variant, args.mid(1)))
        return false;
    shell.print(QStringLiteral("%1 hash=%2").arg(toText(*variant), hashText(hash_variant(variant.get()))));
    return true;
}

bool parameterCommand(Shell& shell, const QStringList& args)
{
    if (!shell.expectArgs(args, 2, -1))
        return false;
    const std::optional<Type> type = parseType(shell, args[1]);
    if (!type)
        return false;
    const qsizetype dashes = args.indexOf(QStringLiteral("--"));
    const QStringList options = args.mid(2, dashes < 0 ? -1 : dashes - 2);
    const QStringList valueWords = dashes < 0 ? QStringList() : args.mid(dashes + 1);

    Parameter::Builder builder(args[0], args[0]);
    bool shader = false;
    QByteArray help;  // the builder keeps a pointer to it: outlives the parameter
    for (const QString& option : options) {
        const QString key = option.section(QLatin1Char('='), 0, 0);
        const QString value = option.section(QLatin1Char('='), 1);
        if (key == QLatin1String("display"))
            builder.displayName(value);
        else if (key == QLatin1String("tip"))
            builder.toolTip(value);
        else if (key == QLatin1String("help"))
            help = value.toUtf8();
        else if (key == QLatin1String("limits")) {
            const auto n = parseNumbers(shell, value.split(QLatin1Char(',')));
            if (!n || n->size() != 2)
                return n ? shell.fail(QStringLiteral("limits=MIN,MAX")) : false;
            builder.limits(float(n->at(0)), float(n->at(1)));
        } else if (key == QLatin1String("quantity") || key == QLatin1String("flag")) {
            const std::optional<std::uint32_t> n = shell.toUInt(value);
            if (!n)
                return false;
            if (key == QLatin1String("flag"))
                builder.flag(Parameter::Flags::fromInt(*n));
            else
                builder.quantity(Quantity(*n));
        } else if (key == QLatin1String("bump"))
            builder.bump();
        else if (key == QLatin1String("varying"))
            builder.varying();
        else if (key == QLatin1String("animatable"))
            builder.animatable();
        else if (key == QLatin1String("automatic"))
            builder.automatic();
        else if (key == QLatin1String("disabled"))
            builder.enabled(false);
        else if (key == QLatin1String("shader"))
            shader = true;
        else
            return shell.fail(QStringLiteral("unknown option '%1'").arg(option));
    }
    if (!help.isNull())
        builder.help(help.constData());

    // The holder is made here, not by the parameter, so that its hash can be shown.
    Variant* holder = shader ? nullptr : makeVariant(*type);
    if (holder) {
        std::unique_ptr<Variant> guard(holder);
        if (!setFromWords(shell, *holder, valueWords))
            return false;
        builder.value(guard.release());
    } else if (!valueWords.isEmpty()) {
        return shell.fail(QStringLiteral("this parameter holds no value"));
    }
    if (shader)
        builder.shaderType(*type);
    else
        builder.type(*type);

    const Parameter parameter(builder);
    float fmin = 0, fmax = 0;
    int imin = 0, imax = 0;
    const bool hasLimits = *type == Type::Integer ? parameter.limits(imin, imax) : parameter.limits(fmin, fmax);
    if (*type == Type::Integer) {
        fmin = float(imin);
        fmax = float(imax);
    }
    float smin = 0, smax = 0;
    const bool hasSlider = parameter.sliderRange(smin, smax);
    QString line = QStringLiteral("%1 flags=0x%2 valid=%3 limits=%4 slider=%5 kelvin=%6")
                       .arg(toText(parameter))
                       .arg(parameter.flags().toInt(), 0, 16)
                       .arg(int(parameter.isValid()))
                       .arg(rangeText(hasLimits, fmin, fmax), rangeText(hasSlider, smin, smax))
                       .arg(int(parameter.useKelvin()));
    if (holder)
        line += QStringLiteral(" hash=%1").arg(hashText(hash_variant(holder)));
    shell.print(line);
    return true;
}

// Loads an IOR file and prints its diagnostics (captured from the standard
// error stream, so they stay in order) and its samples.
bool iorCommand(Shell& shell, const QStringList& args)
{
    if (!shell.expectArgs(args, 1, 1))
        return false;
    FloatArray samples;
    std::ostringstream diagnostics;
    std::streambuf* previous = std::cerr.rdbuf(diagnostics.rdbuf());
    const bool loaded = loadIORFile(args[0].toStdString(), samples);
    std::cerr.rdbuf(previous);
    for (const QString& line : QString::fromStdString(diagnostics.str()).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        shell.print(QStringLiteral("diagnostic: ") + line);
    if (!loaded)
        return shell.fail(QStringLiteral("no samples in '%1'").arg(args[0]));
    const QList<float>& v = samples.values();
    shell.print(QStringLiteral("%1 samples (wavelength nm, n, k)").arg(v.size() / 3));
    for (qsizetype i = 0; i + 2 < v.size(); i += 3)
        shell.print(QStringLiteral("%1 %2 %3").arg(v[i]).arg(v[i + 1]).arg(v[i + 2]));
    return true;
}

} // namespace

void addValueCommands(Shell& shell)
{
    shell.addCommand("ior", "ior <file>", "load an IOR file (.nk, .ior, .csv) and print its samples and diagnostics",
                     [&shell](const QStringList& args) { return iorCommand(shell, args); });
    shell.addCommand("value", "value <type> [words...]",
                     "build a value (default without words) and print its text and hash, e.g. value Float2 1 2",
                     [&shell](const QStringList& args) { return valueCommand(shell, args); });
    shell.addCommand("parameter", "parameter <name> <type> [options...] [-- words...]",
                     "build a parameter and print it; options: display= tip= help= limits=MIN,MAX quantity= "
                     "flag= bump varying animatable automatic disabled shader",
                     [&shell](const QStringList& args) { return parameterCommand(shell, args); });
}
