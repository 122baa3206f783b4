// Paint brushes and the renderer's brush nodes. 'brush' works on the shell's
// current brush, made by the scene graph's paint manager ('brush create' or
// 'brush load'); 'brushnode' builds
// nodes through the scene API and shows them, numbered n1, n2 ... in the order
// the shell first sees them.

#include "Shell.h"

#include <zsg/paint/IPainterManager.h>
#include <zsg/paint/ZPainterBrush.h>
#include <zsg/platform/OrbBrush.h>
#include <zsg/values/Parameter.h>

#include <QDebug>

#include <algorithm>
#include <memory>
#include <vector>

using namespace zsg;
using namespace orb::painter;

namespace {

// The in-memory renderer has no shaders: a shader parameter can only be set to
// this stand-in or cleared.
int g_placeholderShader = 0;
Shell* g_debugShell = nullptr;

// Prints what the library writes to the Qt debug stream while it lives.
struct DebugToShell {
    explicit DebugToShell(Shell& shell)
    {
        g_debugShell = &shell;
        previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
            g_debugShell->print(QStringLiteral("debug: ") + text);
        });
    }
    ~DebugToShell()
    {
        qInstallMessageHandler(previous);
        g_debugShell = nullptr;
    }
    QtMessageHandler previous;
};

struct Kind {
    const char* name;
    BrushParameterType code;
};
constexpr Kind Kinds[] = {{"color", BrushColor},   {"integer", BrushInteger}, {"float", BrushFloat},
                          {"boolean", BrushBoolean}, {"string", BrushString},   {"link", BrushLink},
                          {"shader", BrushShader}};

struct BrushCommands {
    Shell& shell;
    std::unique_ptr<IPainterBrush> brush;
    std::vector<orbBrush_node*> nodes;  // n1 is nodes[0]

    QString nodeName(orbBrush_node* node)
    {
        if (!node)
            return QStringLiteral("none");
        auto it = std::ranges::find(nodes, node);
        if (it == nodes.end())
            it = nodes.insert(nodes.end(), node);
        return QStringLiteral("n%1").arg(it - nodes.begin() + 1);
    }
    orbBrush_node* node(const QString& word)
    {
        bool ok = false;
        const int n = word.startsWith(QLatin1Char('n')) ? word.mid(1).toInt(&ok) : 0;
        if (!ok || n < 1 || n > int(nodes.size())) {
            shell.fail(QStringLiteral("unknown node '%1'").arg(word));
            return nullptr;
        }
        return nodes[n - 1];
    }
    // Numbers every node reachable from `top`, depth first, as the brush visits them.
    void number(orbBrush_node* top)
    {
        const QString name = nodeName(top);
        const orbBrush_node_record* record = shell.runtime().brushNodeRecord(top);
        for (std::uint32_t i = 0; record && i < record->parameterCount; ++i)
            if (record->parameters[i].type == BrushLink && record->parameters[i].value.link
                && std::ranges::find(nodes, record->parameters[i].value.link) == nodes.end())
                number(record->parameters[i].value.link);
    }
    IPainterManager* requireManager()
    {
        ISceneGraph* graph = shell.requireSceneGraph();
        return graph ? graph->painterManager() : nullptr;
    }
    IPainterBrush* requireBrush()
    {
        if (!brush)
            shell.fail(QStringLiteral("no brush (use 'brush create' or 'brush load')"));
        return brush.get();
    }

    bool make(const QStringList& args, bool create);
    bool read(const QStringList& args);
    bool scale(const QStringList& args);
    bool get(const QStringList& args);
    bool set(const QStringList& args);
    bool list(const QStringList& args);
    bool write(const QStringList& args);
    bool nodeBegin(const QStringList& args);
    bool nodeSet(const QStringList& args);
    bool nodeEnd(const QStringList& args);
    bool nodeShow(const QStringList& args);
    bool unitScale(const QStringList& args);
};

QString valueText(const Parameter& p)
{
    switch (p.type()) {
    case Type::Boolean: {
        bool b = false;
        p.getp(&b);
        return b ? QStringLiteral("true") : QStringLiteral("false");
    }
    case Type::Integer: {
        std::int32_t i = 0;
        p.getp(&i);
        return QString::number(i);
    }
    case Type::Float: {
        float f = 0;
        p.getp(&f);
        return QString::number(f);
    }
    case Type::String: {
        QString s;
        p.getp(&s);
        return QStringLiteral("\"%1\"").arg(s);
    }
    case Type::Color: {
        const orbColor_rgba c = p.getColor().rgba();
        return QStringLiteral("%1 %2 %3").arg(c.r).arg(c.g).arg(c.b);
    }
    case Type::Enumerable: {
        Enumerable e;
        p.getp(&e);
        QStringList items;
        for (const Enumerable::Item& item : e.items)
            items << QStringLiteral("%1=\"%2\"").arg(item.value).arg(item.name);
        return QStringLiteral("%1 of %2").arg(e.current).arg(items.join(QLatin1Char(' ')));
    }
    case Type::ShaderBase: {
        orbShader* shader = nullptr;
        p.getp(&shader);
        return shader ? QStringLiteral("placeholder") : QStringLiteral("none");
    }
    default: return QStringLiteral("?");
    }
}

QString parameterText(const QString& name, const Parameter& p)
{
    if (!p.isValid())
        return name + QStringLiteral(" absent");
    QString text = QStringLiteral("%1 %2 = %3 \"%4\"").arg(name, typeName(p.type()), valueText(p), p.displayName());
    if (p.quantity() != Quantity::None)
        text += QStringLiteral(" quantity=%1").arg(int(p.quantity()));
    if (float minimum = 0, maximum = 0; p.limits(minimum, maximum))
        text += QStringLiteral(" limits=%1,%2").arg(minimum).arg(maximum);
    return text;
}

// 'create <size> [material]' and 'load <node> [material]'.
bool BrushCommands::make(const QStringList& args, bool create)
{
    if (!shell.expectArgs(args, 1, 2))
        return false;
    bool ok = false;
    const float size = create ? args[0].toFloat(&ok) : 0.0f;
    if (create && !ok)
        return shell.fail(QStringLiteral("malformed size '%1'").arg(args[0]));
    orbBrush_node* top = create ? nullptr : node(args[0]);
    const std::optional<std::uint32_t> material = args.size() > 1 ? shell.toUInt(args[1]) : orb::InvalidId;
    IPainterManager* manager = (create || top) && material ? requireManager() : nullptr;
    if (!manager)
        return false;
    const DebugToShell debug(shell);
    brush = create ? manager->createBrush(size, *material) : manager->loadBrush(top, *material);
    number(brush->brushNode());
    shell.print(QStringLiteral("brush on node %1, material %2")
                    .arg(nodeName(brush->brushNode()), idText(brush->materialId())));
    return true;
}

bool BrushCommands::read(const QStringList& args)
{
    if (!shell.expectArgs(args, 0, 0) || !requireBrush())
        return false;
    brush->readFromNode();
    shell.print(QStringLiteral("read"));
    return true;
}

bool BrushCommands::scale(const QStringList& args)
{
    if (!shell.expectArgs(args, 1, 1) || !requireBrush())
        return false;
    bool ok = false;
    const float factor = args[0].toFloat(&ok);
    if (!ok)
        return shell.fail(QStringLiteral("malformed factor '%1'").arg(args[0]));
    shell.print(brush->scale(factor) ? QStringLiteral("changed") : QStringLiteral("unchanged"));
    return true;
}

bool BrushCommands::get(const QStringList& args)
{
    if (!shell.expectArgs(args, 1, 1) || !requireBrush())
        return false;
    shell.print(parameterText(args[0], brush->parameter(args[0])));
    return true;
}

bool BrushCommands::list(const QStringList& args)
{
    if (!shell.expectArgs(args, 0, 0) || !requireBrush())
        return false;
    for (const QString& name : ZPainterBrush::parameterNames())
        shell.print(parameterText(name, brush->parameter(name)));
    return true;
}

template <typename T>
bool store(Parameter& p, const T& value)
{
    return p.setp(&value);
}

bool BrushCommands::set(const QStringList& args)
{
    if (!shell.expectArgs(args, 2, 4) || !requireBrush())
        return false;
    Parameter p = brush->parameter(args[0]);
    if (!p.isValid())
        return shell.fail(QStringLiteral("the brush has no parameter '%1'").arg(args[0]));
    const QStringList words = args.mid(1);
    bool ok = words.size() == (p.type() == Type::Color ? 3 : 1);
    bool changed = false;
    switch (p.type()) {
    case Type::Boolean:
        ok = ok && (words[0] == QLatin1String("true") || words[0] == QLatin1String("false"));
        changed = ok && store(p, words[0] == QLatin1String("true"));
        break;
    case Type::Integer: {
        const std::int32_t i = words[0].toInt(&ok);
        changed = ok && store(p, i);
        break;
    }
    case Type::Float: {
        const float f = words[0].toFloat(&ok);
        changed = ok && store(p, f);
        break;
    }
    case Type::String: changed = ok && store(p, words[0]); break;
    case Type::Color: {
        const std::optional<orbColor_rgba> c = ok ? shell.toRgba(words, 0) : std::nullopt;
        if (!c)
            return ok ? false : shell.fail(QStringLiteral("a colour takes r g b"));
        changed = store(p, ZColorExt(c->r, c->g, c->b));
        break;
    }
    case Type::Enumerable: {
        Enumerable e;
        p.getp(&e);
        e.current = words[0].toInt(&ok);
        changed = ok && store(p, e);
        break;
    }
    case Type::ShaderBase:
        ok = ok && (words[0] == QLatin1String("none") || words[0] == QLatin1String("placeholder"));
        changed = ok && store(p, words[0] == QLatin1String("none")
                                     ? nullptr
                                     : reinterpret_cast<orbShader*>(&g_placeholderShader));
        break;
    default: ok = false;
    }
    if (!ok)
        return shell.fail(QStringLiteral("malformed %1 value").arg(typeName(p.type())));
    shell.print((changed ? QStringLiteral("changed: ") : QStringLiteral("unchanged: ")) + parameterText(args[0], p));
    return true;
}

// Writes and prints how often each node has been reported changed.
bool BrushCommands::write(const QStringList& args)
{
    if (!shell.expectArgs(args, 0, 0) || !requireBrush())
        return false;
    brush->writeToNode();
    QStringList counts;
    for (orbBrush_node* n : nodes)
        counts << QStringLiteral("%1:%2").arg(nodeName(n)).arg(shell.runtime().brushNodeChangedCount(n));
    shell.print(QStringLiteral("written; changes reported ") + counts.join(QLatin1Char(' ')));
    return true;
}

bool BrushCommands::nodeBegin(const QStringList& args)
{
    if (!shell.expectArgs(args, 1, 2))
        return false;
    const std::optional<std::uint32_t> id = args.size() > 1 ? shell.toUInt(args[1]) : orb::InvalidId;
    if (!id)
        return false;
    orb_get_scene_api(shell.runtime().scene())->begin_node(args[0].toUtf8().constData(), *id);
    shell.print(QStringLiteral("building %1").arg(args[0]));
    return true;
}

bool BrushCommands::nodeSet(const QStringList& args)
{
    if (!shell.expectArgs(args, 3, 5))
        return false;
    const auto kind = std::ranges::find_if(Kinds, [&](const Kind& k) { return args[1] == QLatin1String(k.name); });
    if (kind == std::end(Kinds))
        return shell.fail(QStringLiteral("unknown kind '%1'").arg(args[1]));
    const QStringList words = args.mid(2);
    const QByteArray text = words[0].toUtf8();
    bool ok = words.size() == (kind->code == BrushColor ? 3 : 1);
    orbBrush_value value{};
    const void* pointer = &value;
    switch (kind->code) {
    case BrushColor: {
        const std::optional<orbColor_rgba> c = ok ? shell.toRgba(words, 0) : std::nullopt;
        if (!c)
            return ok ? false : shell.fail(QStringLiteral("a colour takes r g b"));
        value.color = {c->r, c->g, c->b};
        break;
    }
    case BrushInteger: value.integer = words[0].toInt(&ok); break;
    case BrushFloat: value.number = words[0].toFloat(&ok); break;
    case BrushBoolean:
        ok = ok && (words[0] == QLatin1String("true") || words[0] == QLatin1String("false"));
        value.boolean = words[0] == QLatin1String("true");
        break;
    case BrushString: pointer = text.constData(); break;
    case BrushLink:
        pointer = words[0] == QLatin1String("none") ? nullptr : node(words[0]);
        ok = ok && (pointer || words[0] == QLatin1String("none"));
        break;
    case BrushShader: pointer = words[0] == QLatin1String("none") ? nullptr : &g_placeholderShader; break;
    }
    if (!ok)
        return shell.fail(QStringLiteral("malformed %1 value").arg(args[1]));
    orbScene_api* api = orb_get_scene_api(shell.runtime().scene());
    const bool accepted = api->set_attribute(args[0].toUtf8().constData(), kind->code, pointer);
    shell.print(accepted ? QStringLiteral("set %1").arg(args[0]) : QStringLiteral("refused %1").arg(args[0]));
    return true;
}

bool BrushCommands::nodeEnd(const QStringList& args)
{
    if (!shell.expectArgs(args, 0, 0))
        return false;
    auto* made = static_cast<orbBrush_node*>(orb_get_scene_api(shell.runtime().scene())->end_node());
    shell.print(made ? QStringLiteral("node ") + nodeName(made) : QStringLiteral("no node"));
    return true;
}

bool BrushCommands::unitScale(const QStringList& args)
{
    if (!shell.expectArgs(args, 1, 1))
        return false;
    bool ok = false;
    const float scale = args[0].toFloat(&ok);
    if (!ok)
        return shell.fail(QStringLiteral("malformed scale '%1'").arg(args[0]));
    shell.runtime().setLengthUnitScale(scale);
    shell.print(QStringLiteral("length unit scale %1").arg(scale));
    return true;
}

bool BrushCommands::nodeShow(const QStringList& args)
{
    if (!shell.expectArgs(args, 1, 1))
        return false;
    orbBrush_node* n = node(args[0]);
    if (!n)
        return false;
    const orbBrush_node_record* record = shell.runtime().brushNodeRecord(n);
    shell.print(QStringLiteral("node %1 %2").arg(args[0], QString::fromUtf8(record->typeName)));
    for (std::uint32_t i = 0; i < record->parameterCount; ++i) {
        const orbBrush_parameter& p = record->parameters[i];
        const orbBrush_value& v = p.value;
        QString text;
        switch (p.type) {
        case BrushColor: text = QStringLiteral("color %1 %2 %3").arg(v.color.r).arg(v.color.g).arg(v.color.b); break;
        case BrushInteger: text = QStringLiteral("integer %1").arg(v.integer); break;
        case BrushFloat: text = QStringLiteral("float %1").arg(v.number); break;
        case BrushBoolean: text = v.boolean ? QStringLiteral("boolean true") : QStringLiteral("boolean false"); break;
        case BrushString:
            text = v.string ? QStringLiteral("string \"%1\"").arg(QString::fromUtf8(v.string))
                            : QStringLiteral("string none");
            break;
        case BrushLink: text = QStringLiteral("link ") + nodeName(v.link); break;
        case BrushShader: text = v.shader ? QStringLiteral("shader placeholder") : QStringLiteral("shader none"); break;
        }
        shell.print(QStringLiteral("  %1 %2").arg(QString::fromUtf8(p.name), text));
    }
    return true;
}

} // namespace

void addBrushCommands(Shell& shell)
{
    auto c = std::make_shared<BrushCommands>(BrushCommands{shell, nullptr, {}});
    const auto bind = [c](bool (BrushCommands::*f)(const QStringList&)) {
        return [c, f](const QStringList& args) { return (c.get()->*f)(args); };
    };
    shell.addCommand("brush", "paint brushes",
                     {{"create", "<size> [material]", [c](const QStringList& args) { return c->make(args, true); }},
                      {"load", "<node> [material]", [c](const QStringList& args) { return c->make(args, false); }},
                      {"get", "<key>", bind(&BrushCommands::get)},
                      {"set", "<key> <value...>", bind(&BrushCommands::set)},
                      {"list", "", bind(&BrushCommands::list)},
                      {"read", "", bind(&BrushCommands::read)},
                      {"write", "", bind(&BrushCommands::write)},
                      {"scale", "<factor>", bind(&BrushCommands::scale)}});
    shell.addCommand("brushnode",
                     "brush nodes through the scene API; kinds: color integer float boolean string link shader",
                     {{"begin", "<type> [id]", bind(&BrushCommands::nodeBegin)},
                      {"set", "<name> <kind> <value...>", bind(&BrushCommands::nodeSet)},
                      {"end", "", bind(&BrushCommands::nodeEnd)},
                      {"show", "<node>", bind(&BrushCommands::nodeShow)},
                      {"unitscale", "<scale>", bind(&BrushCommands::unitScale)}});
}
