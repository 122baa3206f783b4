// 3D paint: surfaces set up in the renderer, the painter's surfaces, and every
// layer operation. `paint layers` prints the library's list and, once the
// render side has caught up, the renderer's layers, both topmost first.

#include "Shell.h"

#include <zsg/paint/IPainter.h>
#include <zsg/paint/IPainterManager.h>
#include <zsg/paint/IPainterSurface.h>

using namespace zsg;

namespace {

// "<index> #<id> "<name>"" and the fields that differ from a new layer's; '*'
// marks the edit layer.
QString layerLine(std::size_t index, bool edit, std::uint32_t id, const char* name, bool deleted, bool visible,
                  orb::ColorBlendMode blend, const orbColor_rgba& bg)
{
    QString line = QStringLiteral("%1 %2 #%3 %4")
                       .arg(edit ? "*" : " ")
                       .arg(index)
                       .arg(id)
                       .arg(name ? quoted(name) : QStringLiteral("(no name)"));
    if (deleted)
        line += QStringLiteral(" deleted");
    if (!visible)
        line += QStringLiteral(" hidden");
    if (blend != orb::ColorBlendMode::Normal)
        line += QStringLiteral(" blend=%1").arg(int(blend));
    if (bg.r != 0 || bg.g != 0 || bg.b != 0 || bg.a != 0)
        line += QStringLiteral(" bg=%1,%2,%3,%4").arg(bg.r).arg(bg.g).arg(bg.b).arg(bg.a);
    return line;
}

struct PaintCommands {
    Shell& shell;

    IPainter* requirePainter()
    {
        ISceneGraph* graph = shell.requireSceneGraph();
        return graph ? graph->painterManager()->painter() : nullptr;
    }
    IPainterSurface* requireSurface(const QString& word)
    {
        IPainter* painter = requirePainter();
        const std::optional<std::uint32_t> id = painter ? shell.toUInt(word) : std::nullopt;
        IPainterSurface* surface = id ? painter->surface(*id) : nullptr;
        if (id && !surface)
            shell.fail(QStringLiteral("no surface %1").arg(*id));
        return surface;
    }
    std::optional<bool> boolean(const QString& word)
    {
        if (word == QLatin1String("true") || word == QLatin1String("false"))
            return word == QLatin1String("true");
        shell.fail(QStringLiteral("expected true or false, got '%1'").arg(word));
        return std::nullopt;
    }
    // <surface> <index> followed by `extra` words: the surface and the index.
    std::optional<std::pair<IPainterSurface*, std::uint32_t>> target(const QStringList& args, int extra)
    {
        if (!shell.expectArgs(args, 2 + extra, 2 + extra))
            return std::nullopt;
        IPainterSurface* surface = requireSurface(args[0]);
        const std::optional<std::uint32_t> index = surface ? shell.toUInt(args[1]) : std::nullopt;
        if (!index)
            return std::nullopt;
        return std::pair(surface, *index);
    }

    // <id>:<name>[:<flags>], flags d (deleted), h (hidden) and b<mode>; an
    // empty name gives a layer without one.
    std::optional<orb::PaintLayer> layer(const QString& word)
    {
        const QStringList parts = word.split(QLatin1Char(':'));
        const std::optional<std::uint32_t> id = parts.size() >= 2 ? shell.toUInt(parts[0]) : std::nullopt;
        if (!id || parts.size() > 3) {
            shell.fail(QStringLiteral("malformed layer '%1' (<id>:<name>[:<flags>])").arg(word));
            return std::nullopt;
        }
        orb::PaintLayer layer;
        layer.id = *id;
        if (!parts[1].isEmpty())
            layer.name = parts[1].toStdString();
        const QString flags = parts.value(2);
        layer.deleted = flags.contains(QLatin1Char('d'));
        layer.visible = !flags.contains(QLatin1Char('h'));
        if (const qsizetype b = flags.indexOf(QLatin1Char('b')); b >= 0)
            layer.blendMode = orb::ColorBlendMode(flags.mid(b + 1, 1).toInt());
        return layer;
    }

    bool setup(const QStringList& args)
    {
        if (!shell.expectArgs(args, 2, -1))
            return false;
        orb::PaintSurfaceContent content;
        content.name = args[0].toStdString();
        const std::optional<std::uint32_t> edit = shell.toUInt(args[1]);
        if (!edit)
            return false;
        content.editLayer = *edit;
        for (const QString& word : args.mid(2)) {
            const std::optional<orb::PaintLayer> l = layer(word);
            if (!l)
                return false;
            content.layers.push_back(*l);
        }
        shell.print(QStringLiteral("renderer surface %1").arg(shell.runtime().createPaintSurface(content)));
        return true;
    }

    bool surfaces(const QStringList& args)
    {
        IPainter* painter = shell.expectArgs(args, 0, 0) ? requirePainter() : nullptr;
        if (!painter)
            return false;
        for (IPainterSurface* surface : painter->surfaces()) {
            shell.print(QStringLiteral("surface %1: %2 layers, edit %3%4")
                            .arg(surface->id())
                            .arg(surface->layers().size())
                            .arg(surface->editLayer())
                            .arg(surface->deleted() ? ", deleted" : ""));
        }
        return true;
    }

    bool layers(const QStringList& args)
    {
        IPainterSurface* surface = shell.expectArgs(args, 1, 1) ? requireSurface(args[0]) : nullptr;
        if (!surface)
            return false;
        shell.print(QStringLiteral("library:"));
        const std::vector<orbLayerInfo> list = surface->layers();
        for (std::size_t i = 0; i < list.size(); ++i) {
            const orbLayerInfo& l = list[i];
            shell.print(
                layerLine(i, i == surface->editLayer(), l.id, l.name, l.deleted, l.visible, l.blendMode, l.background));
        }
        shell.taskQueue().waitForIdle();
        const std::optional<orb::PaintSurfaceContent> content = shell.runtime().paintSurface(surface->id());
        shell.print(QStringLiteral("renderer:"));
        const std::size_t n = content->layers.size();
        for (std::size_t i = 0; i < n; ++i) {
            const orb::PaintLayer& l = content->layers[n - 1 - i];
            shell.print(layerLine(i, n - 1 - i == content->editLayer, l.id, l.name ? l.name->c_str() : nullptr,
                                  l.deleted, l.visible, l.blendMode, l.background));
        }
        return true;
    }

    bool create(const QStringList& args)
    {
        IPainter* painter = shell.expectArgs(args, 1, 2) ? requirePainter() : nullptr;
        const std::optional<std::uint32_t> resolution = painter ? shell.toUInt(args[0]) : std::nullopt;
        const std::optional<std::uint32_t> source =
            resolution && args.size() == 2 ? shell.toUInt(args[1]) : std::optional(orb::InvalidId);
        if (!resolution || !source)
            return false;
        shell.print(
            QStringLiteral("created surface %1").arg(idText(painter->createSurface(int(*resolution), *source))));
        return true;
    }
};

} // namespace

void addPaintCommands(Shell& shell)
{
    auto paint = std::make_shared<PaintCommands>(PaintCommands{shell});
    auto withTarget = [paint](int extra, std::function<bool(IPainterSurface*, std::uint32_t, const QStringList&)> f) {
        return [paint, extra, f](const QStringList& args) {
            const auto target = paint->target(args, extra);
            return target && f(target->first, target->second, args.mid(2));
        };
    };
    auto withFlag = [paint, withTarget](void (IPainterSurface::*set)(std::uint32_t, bool)) {
        return withTarget(1, [paint, set](IPainterSurface* s, std::uint32_t i, const QStringList& rest) {
            const std::optional<bool> flag = paint->boolean(rest[0]);
            if (flag)
                (s->*set)(i, *flag);
            return flag.has_value();
        });
    };
    shell.addCommand(
        "paint", "3D paint surfaces and layers (indices: 0 is the topmost layer)",
        {
            {"setup", "<name> <edit layer from the bottom> [<id>:<name>[:dhb<mode>]...] (bottom first)",
             [paint](const QStringList& args) { return paint->setup(args); }},
            {"surfaces", "", [paint](const QStringList& args) { return paint->surfaces(args); }},
            {"reload", "",
             [paint](const QStringList& args) {
                 IPainter* painter = paint->shell.expectArgs(args, 0, 0) ? paint->requirePainter() : nullptr;
                 if (painter)
                     painter->reload();
                 return painter != nullptr;
             }},
            {"create", "<resolution> [<source surface>]",
             [paint](const QStringList& args) { return paint->create(args); }},
            {"resolution", "<surface> <resolution>",
             [paint](const QStringList& args) {
                 IPainter* painter = paint->shell.expectArgs(args, 2, 2) ? paint->requirePainter() : nullptr;
                 const auto ids = painter ? paint->shell.toIds(args) : std::nullopt;
                 if (ids)
                     paint->shell.print(painter->changeResolution((*ids)[0], (*ids)[1]) ? "changed" : "refused");
                 return ids.has_value();
             }},
            {"layers", "<surface>", [paint](const QStringList& args) { return paint->layers(args); }},
            {"surface-deleted", "<surface> true|false",
             [paint](const QStringList& args) {
                 IPainterSurface* surface =
                     paint->shell.expectArgs(args, 2, 2) ? paint->requireSurface(args[0]) : nullptr;
                 const std::optional<bool> flag = surface ? paint->boolean(args[1]) : std::nullopt;
                 if (flag)
                     surface->setDeleted(*flag);
                 return flag.has_value();
             }},
            {"add", "<surface> <index>",
             [paint](const QStringList& args) {
                 IPainterSurface* surface =
                     paint->shell.expectArgs(args, 2, 2) ? paint->requireSurface(args[0]) : nullptr;
                 bool ok = false;
                 const int index = surface ? args[1].toInt(&ok) : 0;
                 if (surface && !ok)
                     return paint->shell.fail(QStringLiteral("malformed index '%1'").arg(args[1]));
                 if (ok)
                     surface->addLayer(index);
                 return ok;
             }},
            {"delete", "<surface> <index> true|false", withFlag(&IPainterSurface::setLayerDeleted)},
            {"blend", "<surface> <index> <mode>",
             withTarget(1,
                        [paint](auto* s, std::uint32_t i, const auto& rest) {
                            const std::optional<std::uint32_t> mode = paint->shell.toUInt(rest[0]);
                            if (mode)
                                s->setLayerBlend(i, orb::ColorBlendMode(*mode));
                            return mode.has_value();
                        })},
            {"visible", "<surface> <index> true|false", withFlag(&IPainterSurface::setLayerVisibility)},
            {"name", "<surface> <index> <name> (\"\" clears it)",
             withTarget(1,
                        [](auto* s, std::uint32_t i, const auto& rest) {
                            s->setLayerName(i, rest[0]);
                            return true;
                        })},
            {"move", "<surface> <from> <to>",
             withTarget(1,
                        [paint](auto* s, std::uint32_t i, const auto& rest) {
                            const std::optional<std::uint32_t> to = paint->shell.toUInt(rest[0]);
                            if (to)
                                s->moveLayer(i, *to);
                            return to.has_value();
                        })},
            {"background", "<surface> <index> <r> <g> <b> true|false (undoable)",
             withTarget(4,
                        [paint](auto* s, std::uint32_t i, const auto& rest) {
                            const std::optional<orbColor_rgba> color = paint->shell.toRgba(rest, 0);
                            const std::optional<bool> undoable = color ? paint->boolean(rest[3]) : std::nullopt;
                            if (undoable)
                                paint->shell.print(s->setLayerBackgroundColor(i, *color, *undoable) ? "changed"
                                                                                                    : "unchanged");
                            return undoable.has_value();
                        })},
            {"edit", "<surface> <index>",
             withTarget(0,
                        [](auto* s, std::uint32_t i, const auto&) {
                            s->setEditLayer(i);
                            return true;
                        })},
        });
}
