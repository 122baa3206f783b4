// Colours, multi colours and colorways through the colour database, and
// changes made on the renderer's side behind the library's back (a host
// announces those with 'notify 5006 <colours...>' and 'notify 5007 <colorway>').

#include "Shell.h"

#include <zsg/color/ColorDB.h>
#include <zsg/color/ScopedRTApiLock.h>

#include <memory>
#include <vector>

using namespace zsg;

void printColorEntries(Shell& shell, const ZColorExt& value)
{
    for (int i = 0; i < value.nColors(); ++i) {
        const ZColor c = value.color(i);
        shell.print(QStringLiteral("%1 %2: %3 %4 rgba(%5, %6, %7, %8)")
                        .arg(i == value.activeIndex() ? QLatin1String("*") : QLatin1String(" "))
                        .arg(i)
                        .arg(idText(value.getSubColorId(i)))
                        .arg(quoted(c.name()))
                        .arg(c.component(0))
                        .arg(c.component(1))
                        .arg(c.component(2))
                        .arg(c.alpha()));
    }
}

namespace {

QString idList(orb::Span<const std::uint32_t> ids)
{
    QStringList words;
    for (std::uint32_t id : ids)
        words << QString::number(id);
    return words.join(QLatin1Char(' '));
}

struct ColorCommands {
    Shell& shell;

    bool color(const QStringList& args);
    bool colorway(const QStringList& args);
    bool renderer(const QStringList& args);

    ColorDB* requireDB()
    {
        ISceneGraph* graph = shell.requireSceneGraph();
        if (!graph)
            return nullptr;
        auto* db = dynamic_cast<ColorDB*>(graph->colorDB());
        if (!db)
            shell.fail(QStringLiteral("the scene graph has no colour database"));
        return db;
    }


    // The colour as colorFromId reads it; '*' marks the active entry.
    bool show(ColorDB& db, orb::ColorId id)
    {
        const ZColorExt value = db.colorFromId(id);
        if (value.getId() == orb::InvalidId)
            return shell.fail(QStringLiteral("no colour %1").arg(id));
        shell.print(QStringLiteral("color %1 %2 %3 revision=%4")
                        .arg(id)
                        .arg(quoted(value.getColorName()))
                        .arg(value.isMultiColor() ? QLatin1String("multi") : QLatin1String("plain"))
                        .arg(value.revision()));
        printColorEntries(shell, value);
        return true;
    }

    bool showColorway(ColorDB& db, orb::ColorwayId id)
    {
        const IColorwayEdit* view = db.getColorwayParameters(id);
        if (!view)
            return shell.fail(QStringLiteral("no colorway %1").arg(id));
        QString flags;
        if (view->isActive())
            flags += QLatin1String(" active");
        if (view->isDeleted())
            flags += QLatin1String(" deleted");
        if (view->isDirty())
            flags += QLatin1String(" uncommitted");
        shell.print(QStringLiteral("colorway %1 %2%3").arg(id).arg(quoted(view->displayName())).arg(flags));
        for (std::size_t i = 0; i < view->multiColors().size(); ++i) {
            shell.print(
                QStringLiteral("  %1 -> %2").arg(view->multiColors()[i]).arg(idText(view->activeSubOf(view->multiColors()[i]))));
        }
        return true;
    }
};

bool ColorCommands::color(const QStringList& args)
{
    ColorDB* db = requireDB();
    if (!db)
        return false;
    if (args.isEmpty())
        return shell.fail(QStringLiteral("missing subcommand (try 'help color')"));
    const QString sub = args[0];
    const QStringList rest = args.mid(1);

    if (sub == QLatin1String("new")) {
        if (rest.size() != 1 && rest.size() != 4)
            return shell.fail(QStringLiteral("wrong number of arguments"));
        std::optional<orbColor_rgba> value = rest.size() == 4 ? shell.toRgba(rest, 1) : orbColor_rgba{0, 0, 0, 1};
        if (!value)
            return false;
        ZColorExt color{ZColor(*value)};
        color.setColorName(rest[0].toStdString());
        db->pushColor(color);
        return show(*db, color.getId());
    }
    if (sub == QLatin1String("multi")) {
        if (!shell.expectArgs(rest, 2, -1))
            return false;
        ZColorExt color;
        color.setMultiColor(true);
        QList<ZColorExt::ZColorWithId> entries;
        for (const QString& name : rest.mid(1)) {
            ZColor entry;
            entry.setName(name.toStdString());
            entries.append({entry, orb::InvalidId});
        }
        color.setColors(entries);
        color.setColorName(rest[0].toStdString());
        db->pushColor(color);
        return show(*db, color.getId());
    }
    if (sub == QLatin1String("set")) {
        if (!shell.expectArgs(rest, 4, 5))
            return false;
        const std::optional<std::uint32_t> id = shell.toUInt(rest[0]);
        const std::optional<orbColor_rgba> value = id ? shell.toRgba(rest, 1) : std::nullopt;
        if (!value)
            return false;
        ZColorExt color = db->colorFromId(*id);
        if (color.getId() == orb::InvalidId)
            return shell.fail(QStringLiteral("no colour %1").arg(*id));
        int index = color.activeIndex();
        if (rest.size() == 5) {
            const std::optional<std::uint32_t> i = shell.toUInt(rest[4]);
            if (!i)
                return false;
            if (*i >= std::uint32_t(color.nColors()))
                return shell.fail(QStringLiteral("no entry %1").arg(*i));
            index = int(*i);
        }
        color.setColor(index, ZColor(*value));
        db->pushColor(color);
        return show(*db, *id);
    }
    if (sub == QLatin1String("name")) {
        if (!shell.expectArgs(rest, 2, 2))
            return false;
        const std::optional<std::uint32_t> id = shell.toUInt(rest[0]);
        if (!id)
            return false;
        ZColorExt color = db->colorFromId(*id);
        if (color.getId() == orb::InvalidId)
            return shell.fail(QStringLiteral("no colour %1").arg(*id));
        color.setColorName(rest[1].toStdString());
        db->pushColor(color);
        return show(*db, *id);
    }
    if (sub == QLatin1String("temp")) {
        if (!shell.expectArgs(rest, 3, 3))
            return false;
        const std::optional<orbColor_rgba> value = shell.toRgba(rest, 0);
        if (!value)
            return false;
        ZColorExt color{ZColor(*value)};
        db->pushTempColor(color);
        return show(*db, color.getId());
    }
    if (sub == QLatin1String("list") || sub == QLatin1String("multis")) {
        if (!shell.expectArgs(rest, 0, 0))
            return false;
        const bool multi = sub == QLatin1String("multis");
        const orb::Span<const orb::ColorId> list = multi ? db->multiColors() : db->colors();
        shell.print(QStringLiteral("%1 %2: %3")
                        .arg(multi ? QLatin1String("multi colors") : QLatin1String("colors"))
                        .arg(list.size())
                        .arg(idList(list)));
        return true;
    }
    if (sub == QLatin1String("find")) {
        if (!shell.expectArgs(rest, 1, 1))
            return false;
        const std::string name = rest[0].toStdString();
        std::unique_ptr<ScopedRTApiLock> lock = db->createRtApiLock();
        shell.print(QStringLiteral("color %1, multi color %2")
                        .arg(idText(db->colorFromName(*lock, name)))
                        .arg(idText(db->multiColorFromName(*lock, name))));
        return true;
    }
    if (sub == QLatin1String("active")) {
        if (!shell.expectArgs(rest, 2, 2))
            return false;
        const std::optional<std::vector<orb::ColorId>> pair = shell.toIds(rest);
        if (!pair)
            return false;
        db->setActiveSubColor({(*pair)[0], (*pair)[1]});
        return show(*db, (*pair)[0]);
    }

    // The rest take one colour id.
    if (!shell.expectArgs(rest, 1, 1))
        return false;
    const std::optional<std::uint32_t> id = shell.toUInt(rest[0]);
    if (!id)
        return false;
    if (sub == QLatin1String("show"))
        return show(*db, *id);
    if (sub == QLatin1String("refs")) {
        shell.print(QStringLiteral("references %1").arg(db->totalSceneReferenceCount(*id)));
        return true;
    }
    orb::ColorId made = orb::InvalidId;
    if (sub == QLatin1String("clone"))
        made = db->clone(*id);
    else if (sub == QLatin1String("deep-clone"))
        made = db->cloneRecursively(*id);
    else if (sub == QLatin1String("to-multi"))
        made = db->multiColorFromColor(*id);
    else
        return shell.fail(QStringLiteral("unknown subcommand '%1' (try 'help color')").arg(sub));
    if (made == orb::InvalidId)
        return shell.fail(QStringLiteral("no colour %1").arg(*id));
    return show(*db, made);
}

bool ColorCommands::colorway(const QStringList& args)
{
    ColorDB* db = requireDB();
    if (!db)
        return false;
    if (args.isEmpty())
        return shell.fail(QStringLiteral("missing subcommand (try 'help colorway')"));
    const QString sub = args[0];
    const QStringList rest = args.mid(1);

    if (sub == QLatin1String("new")) {
        if (!shell.expectArgs(rest, 1, -1))
            return false;
        const std::optional<std::vector<MultiColorPair>> list = shell.toPairs(rest.mid(1));
        if (!list)
            return false;
        const orb::ColorwayId id = db->createColorway();
        ZColorwayEdit* view = db->getColorwayParameters(id);
        if (!view)
            return shell.fail(QStringLiteral("the renderer made no colorway"));
        view->setDisplayName(rest[0].toStdString());
        view->setMultiColors({list->data(), list->size()});
        db->pushColorway(id);
        return showColorway(*db, id);
    }
    if (sub == QLatin1String("list")) {
        if (!shell.expectArgs(rest, 0, 0))
            return false;
        const orb::Span<const orb::ColorwayId> list = db->colorways();
        shell.print(QStringLiteral("colorways %1: %2").arg(list.size()).arg(idList(list)));
        return true;
    }
    if (sub == QLatin1String("active")) {
        if (!shell.expectArgs(rest, 0, 0))
            return false;
        shell.print(QStringLiteral("active colorway %1 %2")
                        .arg(idText(db->activeColorwayId()))
                        .arg(quoted(db->activeColorwayName())));
        return true;
    }
    if (!shell.expectArgs(rest, 1, 1))
        return false;
    const std::optional<std::uint32_t> id = shell.toUInt(rest[0]);
    if (!id)
        return false;
    if (sub == QLatin1String("show"))
        return showColorway(*db, *id);
    if (sub == QLatin1String("apply")) {
        db->applyColorway(*id);
        return showColorway(*db, *id);
    }
    return shell.fail(QStringLiteral("unknown subcommand '%1' (try 'help colorway')").arg(sub));
}

bool ColorCommands::renderer(const QStringList& args)
{
    if (args.isEmpty())
        return shell.fail(QStringLiteral("missing subcommand (try 'help renderer')"));
    orb::MemoryRuntime& runtime = shell.runtime();
    const QString sub = args[0];
    const QStringList rest = args.mid(1);
    auto made = [this](const char* what, std::uint32_t id) {
        if (id == orb::InvalidId)
            return shell.fail(QStringLiteral("the renderer refused the %1").arg(QLatin1String(what)));
        shell.print(QStringLiteral("renderer made %1 %2").arg(QLatin1String(what)).arg(id));
        return true;
    };

    if (sub == QLatin1String("color")) {
        if (!shell.expectArgs(rest, 4, 4))
            return false;
        const std::optional<orbColor_rgba> value = shell.toRgba(rest, 1);
        return value && made("color", runtime.createColor(rest[0].toStdString(), *value));
    }
    if (sub == QLatin1String("multi")) {
        if (!shell.expectArgs(rest, 2, -1))
            return false;
        const std::optional<std::vector<orb::ColorId>> subs = shell.toIds(rest.mid(1));
        return subs && made("multi color", runtime.createMultiColor(rest[0].toStdString(), *subs));
    }
    if (sub == QLatin1String("colorway")) {
        if (!shell.expectArgs(rest, 1, -1))
            return false;
        const std::optional<std::vector<MultiColorPair>> list = shell.toPairs(rest.mid(1));
        if (!list)
            return false;
        std::vector<orb::ColorId> multis;
        std::vector<orb::ColorId> subs;
        for (const MultiColorPair& pair : *list) {
            multis.push_back(pair.multiColor);
            subs.push_back(pair.subColor);
        }
        return made("colorway", runtime.createColorway(rest[0].toStdString(), multis, subs));
    }
    if (sub == QLatin1String("material")) {
        if (!shell.expectArgs(rest, 1, -1))
            return false;
        const std::optional<std::vector<orb::ColorId>> colors = shell.toIds(rest.mid(1));
        return colors && made("material", runtime.createMaterial(rest[0].toStdString(), *colors));
    }
    if (sub == QLatin1String("set")) {
        if (!shell.expectArgs(rest, 4, 4))
            return false;
        const std::optional<std::uint32_t> id = shell.toUInt(rest[0]);
        const std::optional<orbColor_rgba> value = id ? shell.toRgba(rest, 1) : std::nullopt;
        if (!value)
            return false;
        if (!runtime.setColorValue(*id, *value))
            return shell.fail(QStringLiteral("the renderer has no colour %1").arg(*id));
        shell.print(QStringLiteral("renderer changed color %1").arg(*id));
        return true;
    }
    if (sub == QLatin1String("activate")) {
        if (!shell.expectArgs(rest, 1, 1))
            return false;
        const std::optional<std::uint32_t> id = shell.toUInt(rest[0]);
        if (!id)
            return false;
        if (!runtime.activateColorway(*id))
            return shell.fail(QStringLiteral("the renderer cannot activate colorway %1").arg(*id));
        shell.print(QStringLiteral("renderer activated colorway %1").arg(*id));
        return true;
    }
    return shell.fail(QStringLiteral("unknown subcommand '%1' (try 'help renderer')").arg(sub));
}

} // namespace

void addColorCommands(Shell& shell)
{
    auto commands = std::make_shared<ColorCommands>(ColorCommands{shell});
    shell.addCommand("color", "color <subcommand> [args...]",
                     "colours through the colour database: new <name> [<r> <g> <b>] | "
                     "multi <name> <sub name>... | set <id> <r> <g> <b> [index] | name <id> <name> | "
                     "temp <r> <g> <b> | show <id> | list | multis | find <name> | refs <id> | "
                     "clone <id> | deep-clone <id> | to-multi <id> | active <multi> <sub>",
                     [commands](const QStringList& args) { return commands->color(args); });
    shell.addCommand("colorway", "colorway <subcommand> [args...]",
                     "colorways through the colour database: new <name> [<multi>:<sub>...] | list | "
                     "show <id> | apply <id> | active",
                     [commands](const QStringList& args) { return commands->colorway(args); });
    shell.addCommand("renderer", "renderer <subcommand> [args...]",
                     "change the renderer's scene behind the library's back (then announce it with "
                     "notify): color <name> <r> <g> <b> | multi <name> <sub ids...> | "
                     "colorway <name> [<multi>:<sub>...] | material <name> <color ids...> | "
                     "set <id> <r> <g> <b> | activate <colorway>",
                     [commands](const QStringList& args) { return commands->renderer(args); });
}
