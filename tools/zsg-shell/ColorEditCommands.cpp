// Colour and colorway editing as a user interface does it: every edit goes
// through the colour controller onto the undo stack ('undo', 'redo', 'stack'),
// and 'color show' / 'colorway show' read the result back. 'incoming' holds a
// colour value from outside the scene (as if dropped from a library) for the
// conflict check and the colour linker; 'scene' shows the host's scene
// materials, whose colours relinking changes.

#include "Shell.h"

#include <zsg/color/ColorDB.h>
#include <zsg/color/IColorController.h>
#include <zsg/color/IColorLinker.h>

#include <memory>
#include <vector>

using namespace zsg;

namespace {

QString yesNo(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

struct ColorEditCommands {
    Shell& shell;
    // The colour value that is not (yet) the scene's.
    ZColorExt incoming;
    // The macros opened by 'edit begin', innermost last; 'edit end' closes it.
    std::vector<std::unique_ptr<ScopedUndoMacro>> macros;

    IColorController* requireController()
    {
        ISceneGraph* graph = shell.requireSceneGraph();
        if (graph && !graph->colorController())
            shell.fail(QStringLiteral("the scene graph has no colour controller"));
        return graph ? graph->colorController() : nullptr;
    }

    bool result(std::uint32_t id)
    {
        shell.print(QStringLiteral("result %1").arg(idText(id)));
        return true;
    }

    // Argument parsing; each reports its error through the shell.
    std::optional<int> toInt(const QString& word)
    {
        bool ok = false;
        const int value = word.toInt(&ok);
        if (!ok) {
            shell.fail(QStringLiteral("malformed number '%1'").arg(word));
            return std::nullopt;
        }
        return value;
    }
    std::optional<bool> toBool(const QString& word)
    {
        if (word == QLatin1String("yes"))
            return true;
        if (word == QLatin1String("no"))
            return false;
        shell.fail(QStringLiteral("expected yes or no, got '%1'").arg(word));
        return std::nullopt;
    }
    // The id in args[0] of a command taking `min` to `max` arguments.
    std::optional<std::uint32_t> firstId(const QStringList& args, int min, int max)
    {
        return shell.expectArgs(args, min, max) ? shell.toUInt(args[0]) : std::nullopt;
    }
    // <r> <g> <b> from args[from] on.
    std::optional<ZColor> rgb(const QStringList& args, int from)
    {
        const std::optional<orbColor_rgba> value = shell.toRgba(args, from);
        return value ? std::optional<ZColor>(ZColor(*value)) : std::nullopt;
    }
    // <name> <r> <g> <b> from args[from] on.
    std::optional<ZColor> namedRgb(const QStringList& args, int from)
    {
        std::optional<ZColor> value = rgb(args, from + 1);
        if (value)
            value->setName(args[from].toStdString());
        return value;
    }
    // Removes the <key>=<value> words from `args` into a map; unknown keys are errors.
    std::optional<QMap<QString, QString>> options(QStringList& args, const QStringList& keys)
    {
        QMap<QString, QString> found;
        for (qsizetype i = args.size() - 1; i >= 0; --i) {
            const qsizetype equals = args[i].indexOf(QLatin1Char('='));
            if (equals < 0)
                continue;
            const QString key = args[i].left(equals);
            if (!keys.contains(key)) {
                shell.fail(QStringLiteral("unknown option '%1'").arg(key));
                return std::nullopt;
            }
            found.insert(key, args[i].mid(equals + 1));
            args.removeAt(i);
        }
        return found;
    }

    void show(const ZColorExt& value)
    {
        shell.print(QStringLiteral("incoming %1 %2 id=%3")
                        .arg(quoted(value.getColorName()))
                        .arg(value.isMultiColor() ? QLatin1String("multi") : QLatin1String("plain"))
                        .arg(idText(value.getId())));
        printColorEntries(shell, value);
    }

    QList<Shell::Subcommand> editCommands();
    QList<Shell::Subcommand> wayCommands();
    QList<Shell::Subcommand> incomingCommands();
    QList<Shell::Subcommand> linkerCommands();
    QList<Shell::Subcommand> sceneCommands();
};

// An edit of one multi colour with a list of colour ids: <multi> <ids...>
// [at=<position>] [active=<id>].
using SubListEdit = void (IColorController::*)(orb::ColorId, orb::Span<const orb::ColorId>, int, orb::ColorId) const;

QList<Shell::Subcommand> ColorEditCommands::editCommands()
{
    auto subList = [this](SubListEdit edit) {
        return [this, edit](QStringList args) {
            IColorController* controller = requireController();
            std::optional<QMap<QString, QString>> opts =
                controller ? options(args, {"at", "active"}) : std::nullopt;
            if (!opts || !shell.expectArgs(args, 2, -1))
                return false;
            const std::optional<std::vector<std::uint32_t>> list = shell.toIds(args);
            const std::optional<int> at = list ? toInt(opts->value("at", "-1")) : std::nullopt;
            const std::optional<std::uint32_t> active =
                at ? (opts->contains("active") ? shell.toUInt(opts->value("active")) : orb::InvalidId)
                   : std::nullopt;
            if (!active)
                return false;
            (controller->*edit)(list->front(), {list->data() + 1, list->size() - 1}, *at, *active);
            return true;
        };
    };
    // Commands whose arguments are all colour ids, `count` of them (-1: at least one).
    auto withIds = [this](int count, auto operation) {
        return [this, count, operation](const QStringList& args) {
            IColorController* controller = requireController();
            if (!controller || !shell.expectArgs(args, count < 0 ? 1 : count, count))
                return false;
            const std::optional<std::vector<std::uint32_t>> list = shell.toIds(args);
            return list && operation(*controller, *list);
        };
    };

    return {
        {"set", "<id> <r> <g> <b> [merge=<n>] [name=<name>]",
         [this](QStringList args) {
             IColorController* controller = requireController();
             std::optional<QMap<QString, QString>> opts = controller ? options(args, {"merge", "name"}) : std::nullopt;
             if (!opts || !shell.expectArgs(args, 4, 4))
                 return false;
             const std::optional<std::uint32_t> id = shell.toUInt(args[0]);
             std::optional<ZColor> value = id ? rgb(args, 1) : std::nullopt;
             // A single edit closes any open merge; a drag passes merge=0 until release.
             const std::optional<std::uint32_t> merge = value ? shell.toUInt(opts->value("merge", "1")) : std::nullopt;
             if (!merge)
                 return false;
             value->setName(opts->value("name").toStdString());
             controller->setColor(*id, *value, AllowForwardUndoMerge(*merge));
             return true;
         }},
        {"name", "<id> <name>",
         [this](const QStringList& args) {
             IColorController* controller = requireController();
             const std::optional<std::uint32_t> id = controller ? firstId(args, 2, 2) : std::nullopt;
             if (!id)
                 return false;
             controller->setDisplayName(*id, args[1].toStdString());
             return true;
         }},
        {"flags", "<id> <bits> yes|no (set or clear)",
         [this](const QStringList& args) {
             IColorController* controller = requireController();
             if (!controller || !shell.expectArgs(args, 3, 3))
                 return false;
             const std::optional<std::vector<std::uint32_t>> list = shell.toIds(args.mid(0, 2));
             const std::optional<bool> set = list ? toBool(args[2]) : std::nullopt;
             if (!set)
                 return false;
             controller->setFlags((*list)[0], int((*list)[1]), *set);
             return true;
         }},
        {"switch", "<multi> <sub>",
         withIds(2, [](IColorController& c, const std::vector<std::uint32_t>& a) {
             c.setActiveSubColor(a[0], a[1]);
             return true;
         })},
        {"change", "<multi> <old sub> <new sub>",
         withIds(3, [](IColorController& c, const std::vector<std::uint32_t>& a) {
             c.changeSubColor(a[0], a[1], a[2]);
             return true;
         })},
        {"subs", "<multi> [<sub>...] (the whole list)",
         withIds(-1, [](IColorController& c, const std::vector<std::uint32_t>& a) {
             c.setSubColors(a[0], {a.data() + 1, a.size() - 1});
             return true;
         })},
        {"add", "<multi> <sub>... [at=<position>] [active=<sub>]", subList(&IColorController::addSubColors)},
        {"move", "<multi> <sub>... [at=<position>] [active=<sub>]", subList(&IColorController::moveSubColors)},
        {"remove", "<multi> <sub>...",
         withIds(-1, [this](IColorController& c, const std::vector<std::uint32_t>& a) {
             shell.print(QStringLiteral("result %1").arg(yesNo(c.removeSubColors(a[0], {a.data() + 1, a.size() - 1}))));
             return true;
         })},
        {"unlink", "<multi> <index>",
         withIds(2, [](IColorController& c, const std::vector<std::uint32_t>& a) {
             c.unlinkSubColor(a[0], a[1]);
             return true;
         })},
        {"new-sub", "<multi> <name> <r> <g> <b> [at=<index>]",
         [this](QStringList args) {
             IColorController* controller = requireController();
             std::optional<QMap<QString, QString>> opts = controller ? options(args, {"at"}) : std::nullopt;
             if (!opts || !shell.expectArgs(args, 5, 5))
                 return false;
             const std::optional<std::uint32_t> multi = shell.toUInt(args[0]);
             const std::optional<ZColor> value = multi ? namedRgb(args, 1) : std::nullopt;
             const std::optional<int> at = value ? toInt(opts->value("at", "-1")) : std::nullopt;
             return at && result(controller->addSubColor(*multi, *value, *at));
         }},
        {"new-subs", "<multi> <name> <r> <g> <b> [<name> <r> <g> <b>...]",
         [this](const QStringList& args) {
             IColorController* controller = requireController();
             if (!controller || !shell.expectArgs(args, 1, -1))
                 return false;
             if ((args.size() - 1) % 4 != 0)
                 return shell.fail(QStringLiteral("expected <name> <r> <g> <b> for each colour"));
             const std::optional<std::uint32_t> multi = shell.toUInt(args[0]);
             if (!multi)
                 return false;
             std::vector<ZColor> colors;
             for (int i = 1; i < args.size(); i += 4) {
                 const std::optional<ZColor> value = namedRgb(args, i);
                 if (!value)
                     return false;
                 colors.push_back(*value);
             }
             controller->addSubKColors(*multi, {colors.data(), colors.size()});
             return true;
         }},
        {"add-or-switch", "<multi> <sub> link|copy",
         [this](const QStringList& args) {
             IColorController* controller = requireController();
             if (!controller || !shell.expectArgs(args, 3, 3))
                 return false;
             const std::optional<std::vector<std::uint32_t>> list = shell.toIds(args.mid(0, 2));
             if (!list)
                 return false;
             if (args[2] != QLatin1String("link") && args[2] != QLatin1String("copy"))
                 return shell.fail(QStringLiteral("expected link or copy, got '%1'").arg(args[2]));
             return result(controller->addOrSwitchSubColor((*list)[0], (*list)[1], args[2] == QLatin1String("link")));
         }},
        {"toggle", "<id> (multi colour on or off)",
         withIds(1, [this](IColorController& c, const std::vector<std::uint32_t>& a) {
             return result(c.toggleMultiColor(a[0]));
         })},
        {"link", "<from> <to> (relink the materials)",
         withIds(2, [](IColorController& c, const std::vector<std::uint32_t>& a) {
             c.linkColor(a[0], a[1]);
             return true;
         })},
        {"refs", "<id> (active materials using it)",
         withIds(1, [this](IColorController& c, const std::vector<std::uint32_t>& a) {
             shell.print(QStringLiteral("active references %1").arg(c.activeReferenceCount(a[0])));
             return true;
         })},
        {"in-use", "(any multi colour used by an active material)",
         [this](const QStringList& args) {
             IColorController* controller = requireController();
             if (!controller || !shell.expectArgs(args, 0, 0))
                 return false;
             shell.print(QStringLiteral("multi colours in use: %1").arg(yesNo(controller->anyMultiColorInUse())));
             return true;
         }},
        {"conflicts", "(of the incoming colour)",
         [this](const QStringList& args) {
             IColorController* controller = requireController();
             if (!controller || !shell.expectArgs(args, 0, 0))
                 return false;
             const std::vector<ColorConflict> conflicts = controller->checkForConflict(incoming);
             if (conflicts.empty())
                 shell.print(QStringLiteral("no conflicts"));
             for (const ColorConflict& c : conflicts) {
                 shell.print(QStringLiteral("conflict index=%1 existing=%2 conflict=%3 same=%4")
                                 .arg(c.index)
                                 .arg(idText(c.existingColor))
                                 .arg(yesNo(c.conflict))
                                 .arg(yesNo(c.sameColor)));
             }
             return true;
         }},
        {"begin", "<text> (open an undo macro; macros nest)",
         [this](const QStringList& args) {
             IColorController* controller = requireController();
             if (!controller || !shell.expectArgs(args, 1, 1))
                 return false;
             macros.push_back(controller->getScopedMacro(args[0]));
             return true;
         }},
        {"end", "(close the innermost macro)",
         [this](const QStringList& args) {
             if (!shell.expectArgs(args, 0, 0))
                 return false;
             if (macros.empty())
                 return shell.fail(QStringLiteral("no macro is open"));
             macros.pop_back();
             return true;
         }},
    };
}

QList<Shell::Subcommand> ColorEditCommands::wayCommands()
{
    // <colorway> followed by <multi>:<sub> pairs.
    auto withPairs = [this](auto operation) {
        return [this, operation](QStringList args) {
            IColorController* controller = requireController();
            if (!controller || !shell.expectArgs(args, 1, -1))
                return false;
            const std::optional<std::uint32_t> id = shell.toUInt(args[0]);
            const std::optional<std::vector<MultiColorPair>> list = id ? shell.toPairs(args.mid(1)) : std::nullopt;
            return list && operation(*controller, *id, *list);
        };
    };
    auto withId = [this](auto operation) {
        return [this, operation](const QStringList& args) {
            IColorController* controller = requireController();
            const std::optional<std::uint32_t> id = controller ? firstId(args, 1, 1) : std::nullopt;
            if (!id)
                return false;
            operation(*controller, *id);
            return true;
        };
    };

    return {
        {"new", "<name> [<multi>:<sub>...]",
         [this](const QStringList& args) {
             IColorController* controller = requireController();
             if (!controller || !shell.expectArgs(args, 1, -1))
                 return false;
             const std::optional<std::vector<MultiColorPair>> list = shell.toPairs(args.mid(1));
             return list && result(controller->createColorway(args[0].toStdString(), {list->data(), list->size()}));
         }},
        {"name", "<id> <name>",
         [this](const QStringList& args) {
             IColorController* controller = requireController();
             const std::optional<std::uint32_t> id = controller ? firstId(args, 2, 2) : std::nullopt;
             if (!id)
                 return false;
             controller->setColorwayDisplayName(*id, args[1].toStdString());
             return true;
         }},
        {"set", "<id> [<multi>:<sub>...]",
         withPairs([](IColorController& c, orb::ColorwayId id, const std::vector<MultiColorPair>& list) {
             c.setColors(id, {list.data(), list.size()});
             return true;
         })},
        {"add", "<id> <multi>:<sub>... [at=<position>] [activate=yes|no]",
         [this, withPairs](QStringList args) {
             std::optional<QMap<QString, QString>> opts = options(args, {"at", "activate"});
             const std::optional<int> at = opts ? toInt(opts->value("at", "-1")) : std::nullopt;
             const std::optional<bool> activate = at ? toBool(opts->value("activate", "no")) : std::nullopt;
             if (!activate)
                 return false;
             return withPairs([&](IColorController& c, orb::ColorwayId id, const std::vector<MultiColorPair>& list) {
                 c.addColors(id, {list.data(), list.size()}, *at, *activate);
                 return true;
             })(args);
         }},
        {"remove", "<id> <multi>...",
         [this](const QStringList& args) {
             IColorController* controller = requireController();
             if (!controller || !shell.expectArgs(args, 2, -1))
                 return false;
             const std::optional<std::vector<std::uint32_t>> list = shell.toIds(args);
             if (!list)
                 return false;
             controller->removeMultiColors(list->front(), {list->data() + 1, list->size() - 1});
             return true;
         }},
        {"delete", "<id>", withId([](IColorController& c, orb::ColorwayId id) { c.setDeleted(id, true); })},
        {"restore", "<id>", withId([](IColorController& c, orb::ColorwayId id) { c.setDeleted(id, false); })},
        {"apply", "<id>", withId([](IColorController& c, orb::ColorwayId id) { c.applyColorway(id); })},
    };
}

QList<Shell::Subcommand> ColorEditCommands::incomingCommands()
{
    return {
        {"plain", "<name> <r> <g> <b>",
         [this](const QStringList& args) {
             const std::optional<ZColor> value = shell.expectArgs(args, 4, 4) ? namedRgb(args, 0) : std::nullopt;
             if (!value)
                 return false;
             incoming = ZColorExt(*value);
             show(incoming);
             return true;
         }},
        {"multi", "<name> <sub name> <r> <g> <b> [<sub name> <r> <g> <b>...]",
         [this](const QStringList& args) {
             if (!shell.expectArgs(args, 5, -1))
                 return false;
             if ((args.size() - 1) % 4 != 0)
                 return shell.fail(QStringLiteral("expected <sub name> <r> <g> <b> for each sub colour"));
             QList<ZColorExt::ZColorWithId> entries;
             for (int i = 1; i < args.size(); i += 4) {
                 const std::optional<ZColor> value = namedRgb(args, i);
                 if (!value)
                     return false;
                 entries.append({*value, orb::InvalidId});
             }
             incoming = ZColorExt();
             incoming.setMultiColor(true);
             incoming.setColors(entries);
             incoming.setColorName(args[0].toStdString());
             show(incoming);
             return true;
         }},
        {"from", "<id> (a copy of a scene colour)",
         [this](const QStringList& args) {
             ISceneGraph* graph = shell.requireSceneGraph();
             const std::optional<std::uint32_t> id = graph ? firstId(args, 1, 1) : std::nullopt;
             if (!id)
                 return false;
             ZColorExt value = graph->colorDB()->colorFromId(*id);
             if (value.getId() == orb::InvalidId)
                 return shell.fail(QStringLiteral("no colour %1").arg(*id));
             incoming = value;
             show(incoming);
             return true;
         }},
        {"show", "",
         [this](const QStringList& args) {
             if (!shell.expectArgs(args, 0, 0))
                 return false;
             show(incoming);
             return true;
         }},
    };
}

QList<Shell::Subcommand> ColorEditCommands::linkerCommands()
{
    // Runs `operation` with a new linker over the controller and the shell's link handler.
    auto withLinker = [this](int min, int max, auto operation) {
        return [this, min, max, operation](QStringList args) {
            IColorController* controller = requireController();
            if (!controller)
                return false;
            std::unique_ptr<IColorLinker> linker = shell.sceneGraph()->colorDB()->getColorLinker(controller, &shell);
            if (!linker)
                return shell.fail(QStringLiteral("the colour database made no linker"));
            return shell.expectArgs(args, min, max) && operation(*linker, args);
        };
    };

    return {
        {"answer", "yes|no (link to the scene's colours, or keep new ones)",
         [this](const QStringList& args) {
             const std::optional<bool> link = shell.expectArgs(args, 1, 1) ? toBool(args[0]) : std::nullopt;
             if (!link)
                 return false;
             shell.setLinkAnswer(*link);
             return true;
         }},
        {"resolve", "[apply=yes|no] [push=yes|no] (the incoming colour)",
         [this, withLinker](QStringList args) {
             const std::optional<QMap<QString, QString>> opts = options(args, {"apply", "push"});
             const std::optional<bool> apply = opts ? toBool(opts->value("apply", "no")) : std::nullopt;
             const std::optional<bool> push = apply ? toBool(opts->value("push", "no")) : std::nullopt;
             if (!push)
                 return false;
             return withLinker(0, 0, [&](IColorLinker& linker, const QStringList&) {
                 incoming = linker.resolveConflicts(incoming, *apply, *push);
                 show(incoming);
                 return true;
             })(args);
         }},
        {"add", "<target> (the incoming colour, linked)",
         withLinker(1, 1,
                    [this](IColorLinker& linker, const QStringList& args) {
                        const std::optional<std::uint32_t> id = shell.toUInt(args[0]);
                        if (!id)
                            return false;
                        const ZColorExt target = shell.sceneGraph()->colorDB()->colorFromId(*id);
                        linker.addLinkedColor(target, incoming);
                        show(incoming);
                        return true;
                    })},
        {"add-from", "<target> [skip=yes|no] (the incoming colour's colours)",
         [this, withLinker](QStringList args) {
             const std::optional<QMap<QString, QString>> opts = options(args, {"skip"});
             const std::optional<bool> skip = opts ? toBool(opts->value("skip", "no")) : std::nullopt;
             if (!skip)
                 return false;
             return withLinker(1, 1, [&](IColorLinker& linker, const QStringList& rest) {
                 const std::optional<std::uint32_t> id = shell.toUInt(rest[0]);
                 if (!id)
                     return false;
                 ZColorExt target = shell.sceneGraph()->colorDB()->colorFromId(*id);
                 linker.addSubColorsFrom(target, incoming, *skip);
                 return true;
             })(args);
         }},
        {"unique-names", "(of the incoming colour)",
         withLinker(0, 0,
                    [this](IColorLinker& linker, const QStringList&) {
                        incoming = linker.makeNamesUnique(incoming);
                        show(incoming);
                        return true;
                    })},
        {"unique", "<name>",
         withLinker(1, 1,
                    [this](IColorLinker& linker, const QStringList& args) {
                        const std::string name = linker.uniqueName(args[0].toStdString());
                        shell.print(QStringLiteral("unique name %1").arg(quoted(name)));
                        return true;
                    })},
    };
}

QList<Shell::Subcommand> ColorEditCommands::sceneCommands()
{
    return {
        {"show", "<material> (its colour parameters)",
         [this](const QStringList& args) {
             const std::optional<std::uint32_t> id = firstId(args, 1, 1);
             if (!id)
                 return false;
             const std::optional<orb::MaterialContent> content = shell.runtime().materialContent(*id);
             if (!content)
                 return shell.fail(QStringLiteral("the renderer has no material %1").arg(*id));
             QStringList colors;
             for (orb::ColorId color : content->colors)
                 colors << QString::number(color);
             shell.print(QStringLiteral("material %1 %2 %3 colors: %4")
                             .arg(*id)
                             .arg(quoted(content->name))
                             .arg(shell.sceneMaterials().isMaterialActive(*id) ? "active" : "inactive")
                             .arg(colors.isEmpty() ? QStringLiteral("none") : colors.join(QLatin1Char(' '))));
             return true;
         }},
        {"active", "<material> yes|no",
         [this](const QStringList& args) {
             const std::optional<std::uint32_t> id = firstId(args, 2, 2);
             const std::optional<bool> active = id ? toBool(args[1]) : std::nullopt;
             if (!active)
                 return false;
             if (!shell.sceneMaterials().setMaterialActive(*id, *active))
                 return shell.fail(QStringLiteral("the renderer has no material %1").arg(*id));
             return true;
         }},
        {"updates", "(material updates so far)",
         [this](const QStringList& args) {
             if (!shell.expectArgs(args, 0, 0))
                 return false;
             shell.print(QStringLiteral("material updates %1").arg(shell.sceneMaterials().updateCount()));
             return true;
         }},
    };
}

} // namespace

void addColorEditCommands(Shell& shell)
{
    auto commands = std::make_shared<ColorEditCommands>(ColorEditCommands{shell, {}, {}});
    // The handlers refer to `commands`; each keeps it alive.
    auto owned = [commands](QList<Shell::Subcommand> list) {
        for (Shell::Subcommand& sub : list)
            sub.handler = [commands, handler = sub.handler](const QStringList& args) { return handler(args); };
        return list;
    };
    shell.addCommand("edit", "undoable colour edits through the colour controller", owned(commands->editCommands()));
    shell.addCommand("way", "undoable colorway edits through the colour controller", owned(commands->wayCommands()));
    shell.addCommand("incoming", "a colour value from outside the scene, for 'edit conflicts' and 'linker'",
                     owned(commands->incomingCommands()));
    shell.addCommand("linker", "the colour linker on the incoming colour; the shell is its link handler",
                     owned(commands->linkerCommands()));
    shell.addCommand("scene", "the host's scene materials, whose colours relinking changes",
                     owned(commands->sceneCommands()));
}
