// Light layers. 'hierarchy' builds the scene's groups, objects and lights on
// the renderer's side, as a host's scene would hold them; 'layer' drives the
// light layer controller (undoable: create, delete, add, remove, assign) and
// the API behind it (everything else).

#include "Shell.h"

#include <zsg/lightlayer/ILightLayerController.h>
#include <zsg/lightlayer/ZLightLayerApi.h>
#include <zsg/platform/OrbLightLayer.h>

#include <iostream>
#include <sstream>
#include <unordered_set>
#include <vector>

using namespace zsg;

namespace {

QString hex(std::uint32_t value)
{
    return QStringLiteral("0x") + QString::number(value, 16);
}

QString idList(const std::vector<std::uint32_t>& ids)
{
    QStringList words;
    for (std::uint32_t id : ids)
        words << QString::number(id);
    return words.isEmpty() ? QStringLiteral("none") : words.join(QLatin1Char(' '));
}

std::vector<std::uint32_t> takeArray(orb::Array<std::uint32_t> array)
{
    std::vector<std::uint32_t> ids(array.data, array.data + array.count);
    orb::Unique_array_helper::free(array.data);
    return ids;
}

orb::Span<const std::uint32_t> span(const std::vector<std::uint32_t>& ids)
{
    return {ids.data(), ids.size()};
}

struct LightLayerCommands {
    Shell& shell;

    ILightLayerController* requireController()
    {
        ISceneGraph* graph = shell.requireSceneGraph();
        if (graph && !graph->lightLayerController())
            shell.fail(QStringLiteral("the scene graph has no light layer controller"));
        return graph ? graph->lightLayerController() : nullptr;
    }

    // Runs `action` with the controller and the numbers of args[from...],
    // requiring at least `min` of them.
    template <typename Action>
    bool withIds(const QStringList& args, int min, Action action)
    {
        if (!shell.expectArgs(args, min, -1))
            return false;
        ILightLayerController* controller = requireController();
        if (!controller)
            return false;
        const std::optional<std::vector<std::uint32_t>> ids = shell.toIds(args);
        return ids && (action(*controller, *controller->lightLayerApi(), *ids), true);
    }

    // The layer id of args[0] and the numbers after it.
    template <typename Action>
    bool withLayer(const QStringList& args, Action action)
    {
        return withIds(args, 1, [&](ILightLayerController& c, ILightLayerApi& api, const std::vector<std::uint32_t>& ids) {
            action(c, api, ids[0], std::vector<std::uint32_t>(ids.begin() + 1, ids.end()));
        });
    }

    void show(ILightLayerApi& api, orb::LightLayerId id)
    {
        shell.print(QStringLiteral("layer %1 %2 flags=%3 lights=%4")
                        .arg(id)
                        .arg(quoted(api.layerName(id)))
                        .arg(hex(api.flags(id).bits))
                        .arg(idList(takeArray(api.lights(id)))));
    }

    // The hierarchy below `root`, one line per item, indented by depth. A group
    // met again (shared, or on its own path) is listed without its items, so
    // that the listing stays as long as the scene, whatever the renderer gives.
    void showHierarchy(const orbGroup_item* root)
    {
        std::unordered_set<const orbGroup*> listed;
        std::vector<std::pair<const orbGroup_item*, int>> pending{{root, 0}};
        while (!pending.empty()) {
            const auto [item, depth] = pending.back();
            pending.pop_back();
            const QString indent(2 * depth, QLatin1Char(' '));
            if (item->kind != orbGroup_item::Group) {
                showObject(*item->object, indent);
                continue;
            }
            const orbGroup& group = *item->group;
            const bool first = listed.insert(&group).second;
            shell.print(indent + QStringLiteral("group %1 flags=%2%3")
                                     .arg(group.group_item_id)
                                     .arg(hex(group.flags))
                                     .arg(first ? QString() : QStringLiteral(" (listed above)")));
            if (!first)
                continue;
            std::vector<const orbGroup_item*> children;
            for (const orbGroup_child* cell = group.children; cell; cell = cell->next)
                children.push_back(cell->item);
            for (auto child = children.rbegin(); child != children.rend(); ++child)
                pending.emplace_back(*child, depth + 1);
        }
    }

    void showObject(const orbObject& object, const QString& indent)
    {
        const std::optional<std::uint32_t> mask = shell.runtime().objectMask(object.group_item_id);
        QString text = indent + QStringLiteral("object %1 mask=%2 layer=%3")
                                    .arg(object.group_item_id)
                                    .arg(mask ? hex(*mask) : QStringLiteral("unreadable"))
                                    .arg(idText(shell.runtime().objectLayer(object.group_item_id)));
        if (object.light_flags & orbObject::ExcludedBit)
            text += QStringLiteral(" excluded");
        if (object.shader)
            text += QStringLiteral(" shader=%1").arg(reinterpret_cast<std::uintptr_t>(
                orb_call_info_shader(object.shader, orb::ShaderInfoLightLayer)));
        shell.print(text);
    }

    // Objects, groups and lights are the renderer's; they need no scene graph.
    bool added(orb::GroupItemId id, const char* what)
    {
        if (id == orb::InvalidId)
            return shell.fail(QStringLiteral("no group to add to"));
        shell.print(QStringLiteral("%1 %2").arg(QLatin1String(what)).arg(id));
        return true;
    }
    bool known(bool ok) { return ok || shell.fail(QStringLiteral("no such item")); }

    bool yesNo(const QString& word, bool& value)
    {
        if (word != QLatin1String("yes") && word != QLatin1String("no"))
            return shell.fail(QStringLiteral("expected yes or no, got '%1'").arg(word));
        value = word == QLatin1String("yes");
        return true;
    }

    // Standard output written by the API, printed in the transcript's order.
    template <typename Action>
    void captureStdout(Action action)
    {
        std::ostringstream text;
        std::streambuf* saved = std::cout.rdbuf(text.rdbuf());
        action();
        std::cout.rdbuf(saved);
        QString out = QString::fromStdString(text.str());
        if (out.endsWith(QLatin1Char('\n')))
            out.chop(1);
        shell.print(out);
    }
};

} // namespace

void addLightLayerCommands(Shell& shell)
{
    auto c = std::make_shared<LightLayerCommands>(LightLayerCommands{shell});
    using Args = const QStringList&;
    using Ids = const std::vector<std::uint32_t>&;
    auto ids = [&shell](Args args, int min) { return shell.expectArgs(args, min, -1) ? shell.toIds(args) : std::nullopt; };
    orb::MemoryRuntime* rt = &shell.runtime();

    shell.addCommand(
        "hierarchy", "the scene's items on the renderer's side",
        {
            {"show", "", [c, rt](Args) { c->showHierarchy(orb_group_item_from_id(rt->scene(), rt->hierarchyRoot())); return true; }},
            {"group", "<parent> [flags]", [c, ids, rt](Args args) {
                 const auto n = ids(args, 1);
                 return n && n->size() <= 2 && c->added(rt->addGroup((*n)[0], n->size() > 1 ? (*n)[1] : 0), "group");
             }},
            {"object", "<parent>", [c, ids, rt](Args args) {
                 const auto n = ids(args, 1);
                 return n && c->added(rt->addObject((*n)[0]), "object");
             }},
            {"light", "<parent>", [c, ids, rt](Args args) {
                 const auto n = ids(args, 1);
                 return n && c->added(rt->addLight((*n)[0]), "light");
             }},
            {"share", "<parent> <item>", [c, ids, rt](Args args) {
                 const auto n = ids(args, 2);
                 return n && c->known(rt->addChild((*n)[0], (*n)[1]));
             }},
            {"loop", "<parent> <item>", [c, ids, rt](Args args) {
                 const auto n = ids(args, 2);
                 return n && c->known(rt->addChildHostile((*n)[0], (*n)[1]));
             }},
            {"exclude", "<object> yes|no", [c, &shell, rt](Args args) {
                 bool on = false;
                 const auto id = shell.expectArgs(args, 2, 2) ? shell.toUInt(args[0]) : std::nullopt;
                 return id && c->yesNo(args[1], on) && c->known(rt->setExcluded(*id, on));
             }},
            {"shader", "<object> <answer>|none", [c, &shell, rt](Args args) {
                 const auto id = shell.expectArgs(args, 2, 2) ? shell.toUInt(args[0]) : std::nullopt;
                 if (!id)
                     return false;
                 std::optional<std::uint32_t> answer;
                 if (args[1] != QLatin1String("none") && !(answer = shell.toUInt(args[1])))
                     return false;
                 return c->known(rt->setShaderAnswer(*id, answer));
             }},
            {"mask", "<object> <mask>|unreadable", [c, &shell, rt](Args args) {
                 const auto id = shell.expectArgs(args, 2, 2) ? shell.toUInt(args[0]) : std::nullopt;
                 if (!id)
                     return false;
                 if (args[1] == QLatin1String("unreadable"))
                     return c->known(rt->setMaskReadable(*id, false));
                 const auto mask = shell.toUInt(args[1]);
                 return mask && c->known(rt->setMaskReadable(*id, true) && rt->setObjectMask(*id, *mask));
             }},
            {"environment", "<mask>", [&shell, rt](Args args) {
                 const auto mask = shell.expectArgs(args, 1, 1) ? shell.toUInt(args[0]) : std::nullopt;
                 if (mask)
                     rt->setEnvironmentLightMask(*mask);
                 return mask.has_value();
             }},
        });

    shell.addCommand(
        "layer", "light layers through the light layer controller and its API",
        {
            {"sync", "", [c](Args args) { return c->withIds(args, 0, [](auto&, ILightLayerApi& api, Ids) { api.sync(); }); }},
            {"list", "", [c](Args args) {
                 return c->withIds(args, 0, [c](auto&, ILightLayerApi& api, Ids) {
                     c->shell.print(QStringLiteral("%1 layers").arg(api.layerCount()));
                     for (orb::LightLayerId id : takeArray(api.layers()))
                         c->show(api, id);
                 });
             }},
            {"create", "<name>", [c](Args args) {
                 ILightLayerController* controller = c->shell.expectArgs(args, 1, 1) ? c->requireController() : nullptr;
                 if (controller)
                     c->shell.print(QStringLiteral("layer %1").arg(idText(controller->createLayer(args[0].toStdString()))));
                 return controller != nullptr;
             }},
            {"rename", "<layer> <name>", [c](Args args) {
                 return c->shell.expectArgs(args, 2, 2) && c->withIds(args.mid(0, 1), 1, [&](auto&, ILightLayerApi& api, Ids n) {
                     api.setLayerName(n[0], args[1].toStdString());
                 });
             }},
            {"clone", "<layer>", [c](Args args) {
                 return c->withLayer(args, [c](auto&, ILightLayerApi& api, orb::LightLayerId id, Ids) {
                     c->shell.print(QStringLiteral("layer %1").arg(idText(api.cloneLayer(id))));
                 });
             }},
            {"delete", "<layer>", [c](Args args) {
                 return c->withLayer(args, [](ILightLayerController& lc, auto&, orb::LightLayerId id, Ids) { lc.deleteLayer(id); });
             }},
            {"flags", "<layer> [flags]", [c](Args args) {
                 return c->withLayer(args, [c](ILightLayerController& lc, ILightLayerApi& api, orb::LightLayerId id, Ids rest) {
                     if (!rest.empty())
                         lc.setFlags(id, rest[0]);
                     c->show(api, id);
                 });
             }},
            {"add", "<layer> <lights...>", [c](Args args) {
                 return c->withLayer(args, [](ILightLayerController& lc, auto&, orb::LightLayerId id, Ids rest) { lc.addLights(id, span(rest)); });
             }},
            {"remove", "<layer> <lights...>", [c](Args args) {
                 return c->withLayer(args, [](ILightLayerController& lc, auto&, orb::LightLayerId id, Ids rest) { lc.removeLights(id, span(rest)); });
             }},
            {"from-lights", "<lights...>", [c](Args args) {
                 return c->withIds(args, 1, [](auto&, ILightLayerApi& api, Ids n) { api.createLayerFromLights(span(n)); });
             }},
            {"assign", "<layer> <items...>", [c](Args args) {
                 return c->withLayer(args, [](ILightLayerController& lc, auto&, orb::LightLayerId id, Ids rest) { lc.setItemsLayer(id, span(rest)); });
             }},
            {"contains", "<layer> <light>", [c](Args args) {
                 return c->withLayer(args, [c](auto&, ILightLayerApi& api, orb::LightLayerId id, Ids rest) {
                     for (orb::ObjectId light : rest)
                         c->shell.print(QStringLiteral("%1: %2").arg(light).arg(api.contains(id, light) ? "yes" : "no"));
                 });
             }},
            {"items", "<layer>", [c](Args args) {
                 return c->withLayer(args, [c](auto&, ILightLayerApi& api, orb::LightLayerId id, Ids) {
                     c->shell.print(QStringLiteral("items: %1").arg(idList(api.getLayerItems(id))));
                 });
             }},
            {"of", "<items...>", [c](Args args) {
                 return c->withIds(args, 1, [c](auto&, ILightLayerApi& api, Ids n) {
                     c->shell.print(QStringLiteral("layers: %1").arg(idList(api.layersOfItems(span(n)))));
                 });
             }},
            {"map", "<items...>", [c](Args args) {
                 return c->withIds(args, 1, [c](auto&, ILightLayerApi& api, Ids n) {
                     const auto* concrete = dynamic_cast<const ZLightLayerApi*>(&api);
                     if (!concrete)
                         return;
                     for (const auto& [layer, objects] : concrete->getLayerIdMap(span(n)))
                         c->shell.print(QStringLiteral("%1: %2").arg(layer).arg(idList(objects)));
                 });
             }},
            {"dump", "", [c](Args args) {
                 return c->withIds(args, 0, [c](auto&, ILightLayerApi& api, Ids) { c->captureStdout([&api] { api.dump(); }); });
             }},
        });
}
