// Material-information schemas: a draft schema that the commands load, edit
// and save, and that `cmf use` makes the scene graph's current one.

#include "Shell.h"

#include <zsg/cmf/ZCMFManager.h>
#include <zsg/cmf/ZCMFSchema.h>

#include <QFile>

#include <memory>

using namespace zsg;

namespace {

struct CmfCommands {
    Shell& shell;
    std::optional<ZCMFSchema> draft;

    bool run(const QStringList& args);

    ZCMFSchema* requireDraft()
    {
        if (!draft)
            shell.fail(QStringLiteral("no draft schema (use 'cmf new', 'cmf load' or 'cmf edit')"));
        return draft ? &*draft : nullptr;
    }
    ICMFManager* requireManager()
    {
        ISceneGraph* graph = shell.requireSceneGraph();
        if (graph && !graph->cmfManager())
            shell.fail(QStringLiteral("the scene graph has no CMF manager"));
        return graph ? graph->cmfManager() : nullptr;
    }
    std::optional<std::size_t> index(const QString& word)
    {
        std::optional<std::uint32_t> i = shell.toUInt(word);
        if (i && *i >= draft->attributes.size()) {
            shell.fail(QStringLiteral("no attribute %1").arg(*i));
            return std::nullopt;
        }
        return i;
    }
    // A number up to 7 (a file drops higher kinds), or "text" / "image".
    std::optional<CMFAttributeKind> kind(const QString& word)
    {
        if (word == QLatin1String("text"))
            return CMFAttributeKind::Text;
        if (word == QLatin1String("image"))
            return CMFAttributeKind::Image;
        bool ok = false;
        const int value = word.toInt(&ok);
        if (!ok || value > 7) {
            shell.fail(QStringLiteral("malformed kind '%1' (a number up to 7, text or image)").arg(word));
            return std::nullopt;
        }
        return CMFAttributeKind(value);
    }
    std::optional<bool> boolean(const QString& word)
    {
        if (word == QLatin1String("true") || word == QLatin1String("false"))
            return word == QLatin1String("true");
        shell.fail(QStringLiteral("expected true or false, got '%1'").arg(word));
        return std::nullopt;
    }
    // Names that a file could not give back ('|' is dropped on load) or that clash are refused.
    bool checkName(const QString& name, int ignoredIndex)
    {
        if (name.contains(QLatin1Char('|')))
            return shell.fail(QStringLiteral("'|' is not allowed in attribute names"));
        if (draft->hasAttributeWithName(name, ignoredIndex))
            return shell.fail(QStringLiteral("an attribute is already named \"%1\"").arg(name));
        return true;
    }
    static QString text(std::size_t index, const CMFAttribute& a)
    {
        return QStringLiteral("%1 \"%2\" kind=%3 visible=%4")
            .arg(index)
            .arg(a.name)
            .arg(int(a.kind))
            .arg(a.visible ? QLatin1String("true") : QLatin1String("false"));
    }
    void show(const ZCMFSchema& schema)
    {
        shell.print(QStringLiteral("schema \"%1\": %2 attributes").arg(schema.name).arg(schema.attributes.size()));
        for (std::size_t i = 0; i < schema.attributes.size(); ++i)
            shell.print(QStringLiteral("  ") + text(i, schema.attributes[i]));
    }
};

bool CmfCommands::run(const QStringList& args)
{
    if (args.isEmpty())
        return shell.fail(QStringLiteral("missing subcommand (try 'help cmf')"));
    const QString sub = args[0];
    const QStringList rest = args.mid(1);

    if (sub == QLatin1String("new")) {
        if (!shell.expectArgs(rest, 1, 1))
            return false;
        draft.emplace().name = rest[0];
        shell.print(QStringLiteral("new draft \"%1\"").arg(rest[0]));
        return true;
    }
    if (sub == QLatin1String("load")) {
        if (!shell.expectArgs(rest, 1, 1))
            return false;
        QFile file(rest[0]);
        if (!file.open(QIODevice::ReadOnly))
            return shell.fail(QStringLiteral("cannot read %1").arg(rest[0]));
        QTextStream stream(&file);
        CMFSchemaLoadResult result = ZCMFSchema::load(stream);
        for (const QString& warning : result.warnings)
            shell.print(QStringLiteral("warning: ") + warning);
        if (result.status != CMFLoadStatus::Ok)
            return shell.fail(result.message);
        draft = std::move(*result.schema);
        shell.print(QStringLiteral("loaded \"%1\": %2 attributes").arg(draft->name).arg(draft->attributes.size()));
        return true;
    }
    if (sub == QLatin1String("edit")) {
        if (!shell.expectArgs(rest, 0, 1))
            return false;
        if (rest.size() == 1 && rest[0] != QLatin1String("default"))
            return shell.fail(QStringLiteral("expected 'default', got '%1'").arg(rest[0]));
        ICMFManager* manager = requireManager();
        if (!manager)
            return false;
        if (rest.isEmpty()) {
            draft = manager->schema();
        } else if (auto* z = dynamic_cast<ZCMFManager*>(manager)) {
            draft = z->defaultSchema();
        } else {
            return shell.fail(QStringLiteral("this CMF manager has no built-in schema"));
        }
        shell.print(QStringLiteral("editing \"%1\"").arg(draft->name));
        return true;
    }
    if (sub == QLatin1String("current")) {
        ICMFManager* manager = requireManager();
        if (!manager || !shell.expectArgs(rest, 0, 0))
            return false;
        show(manager->schema());
        return true;
    }

    // The rest work on the draft.
    ZCMFSchema* schema = requireDraft();
    if (!schema)
        return false;
    if (sub == QLatin1String("show")) {
        if (!shell.expectArgs(rest, 0, 0))
            return false;
        show(*schema);
        return true;
    }
    if (sub == QLatin1String("name")) {
        if (!shell.expectArgs(rest, 1, 1))
            return false;
        schema->name = rest[0];
        shell.print(QStringLiteral("draft renamed \"%1\"").arg(rest[0]));
        return true;
    }
    if (sub == QLatin1String("add")) {
        if (!shell.expectArgs(rest, 2, 3) || !checkName(rest[0], -1))
            return false;
        const std::optional<CMFAttributeKind> k = kind(rest[1]);
        const std::optional<bool> visible = rest.size() == 3 ? boolean(rest[2]) : true;
        if (!k || !visible)
            return false;
        schema->attributes.push_back({rest[0], *visible, *k, {}});
        shell.print(QStringLiteral("added ") + text(schema->attributes.size() - 1, schema->attributes.back()));
        return true;
    }
    if (sub == QLatin1String("set")) {
        if (!shell.expectArgs(rest, 3, 3))
            return false;
        const std::optional<std::size_t> i = index(rest[0]);
        if (!i)
            return false;
        CMFAttribute& attribute = schema->attributes[*i];
        const QString& field = rest[1];
        const QString& value = rest[2];
        if (field == QLatin1String("name")) {
            if (!checkName(value, int(*i)))
                return false;
            attribute.name = value;
        } else if (field == QLatin1String("kind")) {
            const std::optional<CMFAttributeKind> k = kind(value);
            if (!k)
                return false;
            attribute.kind = *k;
        } else if (field == QLatin1String("visible")) {
            const std::optional<bool> visible = boolean(value);
            if (!visible)
                return false;
            attribute.visible = *visible;
        } else {
            return shell.fail(QStringLiteral("unknown field '%1' (name, kind or visible)").arg(field));
        }
        shell.print(text(*i, attribute));
        return true;
    }
    if (sub == QLatin1String("remove")) {
        if (!shell.expectArgs(rest, 1, 1))
            return false;
        const std::optional<std::size_t> i = index(rest[0]);
        if (!i)
            return false;
        shell.print(QStringLiteral("removed ") + text(*i, schema->attributes[*i]));
        schema->attributes.erase(schema->attributes.begin() + std::ptrdiff_t(*i));
        return true;
    }
    if (sub == QLatin1String("save")) {
        if (!shell.expectArgs(rest, 1, 1))
            return false;
        QFile file(rest[0]);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return shell.fail(QStringLiteral("cannot write %1").arg(rest[0]));
        QTextStream stream(&file);
        schema->save(stream);
        stream.flush();
        if (stream.status() != QTextStream::Ok)
            return shell.fail(QStringLiteral("cannot write %1").arg(rest[0]));
        shell.print(QStringLiteral("saved \"%1\" to %2").arg(schema->name, rest[0]));
        return true;
    }
    if (sub == QLatin1String("use")) {
        ICMFManager* manager = requireManager();
        if (!manager || !shell.expectArgs(rest, 0, 0))
            return false;
        manager->setSchema(*schema);
        shell.print(QStringLiteral("schema \"%1\" in use").arg(schema->name));
        return true;
    }
    return shell.fail(QStringLiteral("unknown subcommand '%1' (try 'help cmf')").arg(sub));
}

} // namespace

void addCmfCommands(Shell& shell)
{
    auto commands = std::make_shared<CmfCommands>(CmfCommands{shell, {}});
    shell.addCommand("cmf", "cmf <subcommand> [args...]",
                     "material-information schema, edited as a draft: new <name> | load <file> | "
                     "edit [default] | current | show | name <text> | add <name> <kind> [true|false] | "
                     "set <index> name|kind|visible <value> | remove <index> | save <file> | use "
                     "(kind: a number up to 7, text or image)",
                     [commands](const QStringList& args) { return commands->run(args); });
}
