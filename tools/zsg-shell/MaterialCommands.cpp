// Materials through the scene graph's material handler. 'material edit <id>'
// takes a descriptor of the material; the editing commands change that
// descriptor, and 'material apply <id>' writes it back. 'material create' and
// 'material record' work on the renderer directly, as a host's scene would.

#include "Shell.h"

#include <zsg/material/IMaterialHandler.h>

#include <map>
#include <memory>
#include <stdexcept>
#include <variant>

using namespace zsg;

namespace {

QString json(const orb::MetaData& value)
{
    return QString::fromStdString(value.dump(-1, ' ', false, orb::MetaData::error_handler_t::replace));
}

QString idList(const std::vector<orb::MaterialId>& ids)
{
    QStringList words;
    for (orb::MaterialId id : ids)
        words << QString::number(id);
    return words.isEmpty() ? QStringLiteral("none") : words.join(QLatin1Char(' '));
}

// A metadata key: its text, or "cmf:" and a CMFKey name or number.
using Key = std::variant<std::string, CMFKey>;

struct MaterialCommands {
    Shell& shell;
    std::map<orb::MaterialId, std::unique_ptr<IMaterialDescriptor>> drafts;

    bool run(const QStringList& args);
    bool create(const QStringList& args);
    bool record(const QStringList& args);
    void show(const IMaterialDescriptor& d, const QString& name, bool edited);

    IMaterialHandler* requireHandler()
    {
        ISceneGraph* graph = shell.requireSceneGraph();
        if (graph && !graph->materialHandler())
            shell.fail(QStringLiteral("the scene graph has no material handler"));
        return graph ? graph->materialHandler() : nullptr;
    }
    IMaterialDescriptor* requireDraft(orb::MaterialId id)
    {
        auto it = drafts.find(id);
        if (it == drafts.end()) {
            shell.fail(QStringLiteral("material %1 is not being edited (use 'material edit %1')").arg(id));
            return nullptr;
        }
        return it->second.get();
    }
    std::optional<Key> key(const QString& word)
    {
        if (!word.startsWith(QLatin1String("cmf:")))
            return word.toStdString();
        static const QMap<QString, CMFKey> names = {
            {"Name", CMFKey::Name},     {"Color", CMFKey::Color},   {"Material", CMFKey::Material},
            {"Finish", CMFKey::Finish}, {"Vendor", CMFKey::Vendor}, {"Notes", CMFKey::Notes},
            {"Thumbnail", CMFKey::Thumbnail},
        };
        const QString name = word.mid(4);
        if (names.contains(name))
            return names.value(name);
        bool ok = false;
        const int number = name.toInt(&ok);
        if (!ok) {
            shell.fail(QStringLiteral("unknown CMF key '%1'").arg(name));
            return std::nullopt;
        }
        return CMFKey(number);
    }
    // Runs a metadata operation; a CMFKey outside the table is reported.
    template <typename Operation>
    bool withKey(const QString& word, Operation operation)
    {
        const std::optional<Key> k = key(word);
        if (!k)
            return false;
        try {
            std::visit(operation, *k);
        } catch (const std::out_of_range& e) {
            return shell.fail(QStringLiteral("no CMF key %1 (%2)").arg(word.mid(4), QLatin1String(e.what())));
        }
        return true;
    }
};

bool MaterialCommands::create(const QStringList& args)
{
    if (!shell.expectArgs(args, 1, -1))
        return false;
    orb::MaterialContent content;
    content.name = args[0].toStdString();
    for (const QString& word : args.mid(1)) {
        const qsizetype equals = word.indexOf(QLatin1Char('='));
        if (equals >= 0) {
            content.keyValues.emplace_back(word.left(equals).toStdString(), word.mid(equals + 1).toStdString());
        } else if (const std::optional<std::uint32_t> id = shell.toUInt(word)) {
            content.materialIds.push_back(*id);
        } else {
            return shell.fail(QStringLiteral("expected a material id or <key>=<value>, got '%1'").arg(word));
        }
    }
    const orb::MaterialId id = shell.runtime().createMaterial(std::move(content));
    if (id == orb::InvalidId)
        return shell.fail(QStringLiteral("the renderer refused the material"));
    shell.print(QStringLiteral("renderer made material %1").arg(id));
    return true;
}

bool MaterialCommands::record(const QStringList& args)
{
    const std::optional<std::uint32_t> id = shell.expectArgs(args, 1, 1) ? shell.toUInt(args[0]) : std::nullopt;
    if (!id)
        return false;
    const std::optional<orb::MaterialContent> content = shell.runtime().materialContent(*id);
    if (!content)
        return shell.fail(QStringLiteral("the renderer has no material %1").arg(*id));
    shell.print(QStringLiteral("record %1 %2 ids: %3")
                    .arg(*id)
                    .arg(quoted(content->name), idList(content->materialIds)));
    for (const auto& [k, v] : content->keyValues)
        shell.print(QStringLiteral("  %1 = %2").arg(quoted(k), quoted(v)));
    shell.print(QStringLiteral("  meta-data %1").arg(json(content->metaData)));
    return true;
}

void MaterialCommands::show(const IMaterialDescriptor& d, const QString& name, bool edited)
{
    std::vector<orb::MaterialId> ids(d.materialIds().begin(), d.materialIds().end());
    shell.print(QStringLiteral("material %1 \"%2\"%3 ids: %4")
                    .arg(orb::MaterialId(d.materialId()))
                    .arg(name, edited ? QStringLiteral(" (edited)") : QString(), idList(ids)));
    const MaterialMetaData& metaData = d.metaData();
    for (auto it = metaData.cbegin(); it != metaData.cend(); ++it)
        shell.print(QStringLiteral("  %1 = %2").arg(quoted(it.key()), quoted(it.value())));
    shell.print(QStringLiteral("  properties %1").arg(json(d.properties())));
}

bool MaterialCommands::run(const QStringList& args)
{
    if (args.isEmpty())
        return shell.fail(QStringLiteral("missing subcommand (try 'help material')"));
    const QString sub = args[0];
    const QStringList rest = args.mid(1);
    if (sub == QLatin1String("create"))
        return create(rest);
    if (sub == QLatin1String("record"))
        return record(rest);
    static const QStringList others = {"edit", "show", "get", "apply", "set", "remove", "set-property",
                                       "remove-property"};
    if (!others.contains(sub))
        return shell.fail(QStringLiteral("unknown subcommand '%1' (try 'help material')").arg(sub));

    if (rest.isEmpty())
        return shell.fail(QStringLiteral("wrong number of arguments"));
    const std::optional<std::uint32_t> id = shell.toUInt(rest[0]);
    if (!id)
        return false;
    if (sub == QLatin1String("edit")) {
        IMaterialHandler* handler = requireHandler();
        if (!handler || !shell.expectArgs(rest, 1, 1))
            return false;
        std::unique_ptr<IMaterialDescriptor> d = handler->descriptor(*id);
        if (!d)
            return shell.fail(QStringLiteral("no material %1").arg(*id));
        drafts[*id] = std::move(d);
        shell.print(QStringLiteral("editing material %1").arg(*id));
        return true;
    }
    if (sub == QLatin1String("show") || sub == QLatin1String("get")) {
        const int count = sub == QLatin1String("show") ? 1 : 2;
        IMaterialHandler* handler = requireHandler();
        if (!handler || !shell.expectArgs(rest, count, count))
            return false;
        // Without an edit in progress, read the material afresh.
        std::unique_ptr<IMaterialDescriptor> fresh;
        const IMaterialDescriptor* d = drafts.contains(*id) ? drafts[*id].get() : nullptr;
        if (!d) {
            fresh = handler->descriptor(*id);
            if (!fresh)
                return shell.fail(QStringLiteral("no material %1").arg(*id));
            d = fresh.get();
        }
        if (sub == QLatin1String("get"))
            return withKey(rest[1], [&](const auto& k) { shell.print(quoted(d->metaData(k))); });
        show(*d, handler->materialName(*id), !fresh);
        return true;
    }
    if (sub == QLatin1String("apply")) {
        IMaterialHandler* handler = requireHandler();
        if (!handler || !shell.expectArgs(rest, 1, 1) || !requireDraft(*id))
            return false;
        // Announced also when the material went away since the edit began.
        handler->applyDescriptor(*drafts[*id]);
        drafts.erase(*id);
        return true;
    }

    IMaterialDescriptor* d = requireDraft(*id);
    if (!d)
        return false;
    if (sub == QLatin1String("set")) {
        return shell.expectArgs(rest, 3, 3)
               && withKey(rest[1], [&](const auto& k) { d->setMetaData(k, rest[2].toStdString()); });
    }
    if (sub == QLatin1String("set-property")) {
        if (!shell.expectArgs(rest, 3, 3))
            return false;
        const orb::MetaData value = orb::MetaData::parse(rest[2].toStdString(), nullptr, false);
        if (value.is_discarded())
            return shell.fail(QStringLiteral("malformed JSON value '%1'").arg(rest[2]));
        d->setProperty(rest[1].toStdString(), value);
        return true;
    }
    if (sub == QLatin1String("remove-property")) {
        if (!shell.expectArgs(rest, 2, 2))
            return false;
        d->removeProperty(rest[1].toStdString());
        return true;
    }
    // remove
    return shell.expectArgs(rest, 2, 2) && withKey(rest[1], [&](const auto& k) { d->removeMetaData(k); });
}

} // namespace

void addMaterialCommands(Shell& shell)
{
    auto commands = std::make_shared<MaterialCommands>(MaterialCommands{shell, {}});
    shell.addCommand("material", "material <subcommand> [args...]",
                     "materials through the material handler: create <name> [<material id>...] [<key>=<value>...] "
                     "(on the renderer) | "
                     "record <id> (the renderer's record) | edit <id> | show <id> | get <id> <key> | "
                     "set <id> <key> <value> | remove <id> <key> | set-property <id> <key> <json> | "
                     "remove-property <id> <key> | apply <id> (key: a text, or cmf:<Name|Color|Material|"
                     "Finish|Vendor|Notes|Thumbnail> or cmf:<number>)",
                     [commands](const QStringList& args) { return commands->run(args); });
}
