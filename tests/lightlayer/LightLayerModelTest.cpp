// Random light layer sessions on a random hierarchy (nested and flagged
// groups, excluded, shader-marked and unreadable objects, shared children)
// against a small reference model: after every operation, undo and redo, both
// databases and every object's mask must equal the model's.
//
// Undo is knowingly not exact: undoing an added light removes it even if it
// was a member before, a created layer stays (marked deleted), and objects the
// recording walks skip (excluded, shader-marked, unreadable, or below a group
// flagged 0x4084800) are moved by redo but not back. After undoing the whole
// session the test checks what is recoverable: every initial layer is live
// under its name, every other object is back in its initial layer.

#include "LightLayerTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <map>
#include <random>
#include <set>

using namespace zsg;
using namespace zsg::test;

namespace {

using Set = std::set<orb::GroupItemId>;

struct Tree {
    orb::GroupItemId root;
    std::map<orb::GroupItemId, Ids> children;            // groups
    std::map<orb::GroupItemId, std::uint32_t> flags;     // groups
    Set objects, excluded, shaderOut, unreadable;        // lights are in none
};

struct Layer {
    std::string name;
    std::uint32_t flags = 0;
    Ids lights;
    bool operator==(const Layer&) const = default;
};

struct Step {
    enum Kind { Create, Delete, Lights, Items } kind;
    orb::LightLayerId layer;
    Ids ids{};  // the lights, the items, or the objects a delete found
    std::uint32_t direction = 0;
    std::string name{};
    std::map<orb::LightLayerId, Ids> previous{};
    bool taken = false;
};

struct Model {
    const Tree& tree;
    std::map<orb::LightLayerId, Layer> layers{};
    std::map<orb::GroupItemId, std::uint32_t> masks{};
    std::vector<Step> steps{};
    std::size_t index = 0;

    bool live(orb::LightLayerId id) const { return layers.contains(id) && !(layers.at(id).flags & orb::LayerDeleted); }
    static std::uint32_t bit(orb::LightLayerId id) { return id == 1 ? 0 : 1u << (id - 2); }
    orb::LightLayerId layerOf(std::uint32_t mask) const
    {
        const orb::LightLayerId id = mask ? 2 + std::countr_zero(mask) : 1;
        return live(id) ? id : 1;
    }
    orb::LightLayerId create(const std::string& wanted)
    {
        auto taken = [&](const std::string& name) {
            return std::ranges::any_of(layers, [&](const auto& l) { return l.second.name == name; });
        };
        std::string name = wanted;
        for (int n = 1; taken(name); ++n)
            name = wanted + ' ' + std::to_string(n);
        for (orb::LightLayerId id = 2; id <= 33; ++id)
            if (!layers.contains(id))
                return layers[id].name = name, id;
        return orb::InvalidId;
    }
    void remove(orb::LightLayerId id)
    {
        if (id != 1 && layers.contains(id)) {
            layers[id].flags |= orb::LayerDeleted;
            for (auto& entry : masks)
                entry.second &= ~bit(id);
        }
    }
    void setFlags(orb::LightLayerId id, std::uint32_t flags)
    {
        if (layers.contains(id) && !(id == 1 && (flags & orb::LayerDeleted)))
            layers[id].flags = flags;
    }
    void restore(orb::LightLayerId id) { setFlags(id, layers.contains(id) ? layers[id].flags & ~orb::LayerDeleted : 0); }
    void changeLights(orb::LightLayerId id, const Ids& lights, bool add)
    {
        if (!layers.contains(id))
            return;
        Ids& list = layers[id].lights;
        for (std::uint32_t light : lights)
            if (!add)
                std::erase(list, light);
            else if (std::ranges::find(list, light) == list.end())
                list.push_back(light);
    }
    void assign(orb::LightLayerId id, const Set& objects)
    {
        for (orb::GroupItemId object : objects)
            if (live(id) && tree.objects.contains(object))
                masks[object] = bit(id);
    }

    // The walks, by plain recursion over the small tree.
    void under(orb::GroupItemId item, Set& found) const
    {
        found.insert(item);
        if (tree.children.contains(item))
            for (orb::GroupItemId child : tree.children.at(item))
                under(child, found);
    }
    bool visible(orb::GroupItemId object) const
    {
        return !tree.excluded.contains(object) && !tree.shaderOut.contains(object) && !tree.unreadable.contains(object);
    }
    void itemsOf(orb::GroupItemId item, std::uint32_t mask, Ids& found) const
    {
        if (tree.children.contains(item) && !(tree.flags.at(item) & 0x800))
            for (orb::GroupItemId child : tree.children.at(item))
                itemsOf(child, mask, found);
        if (tree.objects.contains(item) && visible(item) && masks.at(item) == mask)
            found.push_back(item);
    }
    void mapOf(orb::GroupItemId item, Set& seen, std::map<orb::LightLayerId, Ids>& map) const
    {
        if (tree.children.contains(item) && !(tree.flags.at(item) & 0x4084800) && seen.insert(item).second)
            for (orb::GroupItemId child : tree.children.at(item))
                mapOf(child, seen, map);
        if (tree.objects.contains(item) && !tree.excluded.contains(item))
            map[layerOf(tree.unreadable.contains(item) ? 0 : masks.at(item))].push_back(item);
    }

    // The commands.
    void redo(Step& s)
    {
        Set seen, objects;
        switch (s.kind) {
        case Step::Create:
            if (s.layer != orb::InvalidId)
                restore(s.layer);
            else if (!s.name.empty())
                s.layer = create(s.name);
            break;
        case Step::Delete:
            if (s.ids.empty())
                itemsOf(tree.root, layers.contains(s.layer) ? bit(s.layer) : orb::InvalidId, s.ids);
            remove(s.layer);
            break;
        case Step::Lights: changeLights(s.layer, s.ids, s.direction == 0); break;
        case Step::Items:
            for (orb::GroupItemId item : s.ids) {
                if (!s.taken)
                    mapOf(item, seen, s.previous);
                under(item, objects);
            }
            s.taken = true;
            assign(s.layer, objects);
        }
    }
    void undo(Step& s)
    {
        switch (s.kind) {
        case Step::Create: remove(s.layer); break;
        case Step::Delete: restore(s.layer), assign(s.layer, {s.ids.begin(), s.ids.end()}); break;
        case Step::Lights: changeLights(s.layer, s.ids, s.direction != 0); break;
        case Step::Items:
            for (const auto& [layer, objects] : s.previous)
                assign(layer, {objects.begin(), objects.end()});
        }
    }
    void push(Step s)
    {
        redo(s);
        steps.erase(steps.begin() + static_cast<std::ptrdiff_t>(index), steps.end());
        Step* last = index ? &steps[index - 1] : nullptr;
        if (s.kind == Step::Lights && last && last->kind == Step::Lights && last->layer == s.layer
            && last->direction == s.direction)
            return last->ids.insert(last->ids.end(), s.ids.begin(), s.ids.end()), void();
        steps.push_back(std::move(s));
        ++index;
    }
};

class LightLayerModelTest : public ::testing::Test, public LightLayerScene {
protected:
    std::uint32_t pick(std::uint32_t n) { return random() % n; }
    template <typename T>
    T pick(const std::vector<T>& from) { return from[pick(std::uint32_t(from.size()))]; }

    // Every group flag at least once, objects of every kind, lights, shared
    // children, and three layers holding some objects.
    void build()
    {
        const std::uint32_t groupFlags[] = {0, 0, 0x800, 0x4000, 0x80000, 0x4000000, 0x20};
        tree.root = root;
        tree.flags[root] = 0;
        Ids groups{root};
        for (std::uint32_t i = 0; i < 10; ++i) {
            const std::uint32_t flags = groupFlags[i < std::size(groupFlags) ? i : pick(std::size(groupFlags))];
            const orb::GroupItemId parent = pick(groups), group = runtime.addGroup(parent, flags);
            groups.push_back(group), tree.children[parent].push_back(group), tree.children[group], tree.flags[group] = flags;
        }
        for (const char* name : {"Key", "Fill", "Rim"})
            live.create_layer(name, orb::InvalidId);
        for (int i = 0; i < 45; ++i) {
            const orb::GroupItemId parent = pick(groups);
            const bool light = i % 9 == 0;
            const orb::GroupItemId object = light ? runtime.addLight(parent) : runtime.addObject(parent);
            tree.children[parent].push_back(object);
            if (light && (lights.push_back(object), true))
                continue;
            tree.objects.insert(object);
            switch (pick(10)) {
            case 0: if (runtime.setExcluded(object, true)) tree.excluded.insert(object); break;
            case 1: if (runtime.setShaderAnswer(object, 3)) tree.shaderOut.insert(object); break;
            case 2: if (runtime.setMaskReadable(object, false)) tree.unreadable.insert(object); break;
            case 3: runtime.setShaderAnswer(object, 0); break;
            }
            runtime.setObjectMask(object, model.masks[object] = bit(pick(4) + 1));
        }
        for (int i = 0; i < 8; ++i) {
            const orb::GroupItemId parent = pick(groups);
            const orb::GroupItemId child = pick(2) ? pick(groups) : *std::next(tree.objects.begin(), i);
            if (runtime.addChild(parent, child))
                tree.children[parent].push_back(child);
        }
        for (orb::LightLayerId id : take(live.get_layers()))
            model.layers[id] = {live.get_layer_name(id), 0, take(live.get_lights(id))};
        api.sync();
    }

    void expectModel(const std::string& where)
    {
        SCOPED_TRACE(where);
        Ids ids;
        for (const auto& [id, layer] : model.layers) {
            ids.push_back(id);
            ASSERT_EQ((Layer{live.get_layer_name(id), live.get_flags(id), take(live.get_lights(id))}), layer) << id;
            ASSERT_EQ((Layer{api.layerName(id), api.flags(id).bits, take(api.lights(id))}), layer) << id;
        }
        ASSERT_EQ(take(live.get_layers()), ids);
        ASSERT_EQ(take(api.layers()), ids);
        for (orb::GroupItemId object : tree.objects) {
            runtime.setMaskReadable(object, true);
            ASSERT_EQ(runtime.objectMask(object), model.masks.at(object)) << "object " << object;
            runtime.setMaskReadable(object, !tree.unreadable.contains(object));
        }
    }

    Ids some(const Ids& pool)
    {
        Ids picked;
        for (std::uint32_t n = pick(4); n > 0; --n)
            picked.push_back(pick(10) ? pick(pool) : 9999);
        return picked;
    }

    void operate()
    {
        const std::uint32_t choice = pick(100);
        const orb::LightLayerId layer = pick(36) + 1;  // unknown ids included
        Ids items{tree.objects.begin(), tree.objects.end()};
        for (const auto& entry : tree.children)
            items.push_back(entry.first);
        if (choice < 4) {
            const std::string name = pick(std::vector<std::string>{"Key", "Back", ""});
            const orb::LightLayerId id = controller.createLayer(name);
            model.push({Step::Create, orb::InvalidId, {}, 0, name});
            EXPECT_EQ(id, model.steps[model.index - 1].layer);
        } else if (choice < 10) {
            controller.deleteLayer(layer);
            model.push({Step::Delete, layer});
        } else if (choice < 35) {
            const Ids chosen = some(lights);
            const bool add = pick(2);
            const bool reversed = model.layers.contains(layer) && (model.layers.at(layer).flags & orb::LayerReversed);
            add ? controller.addLights(layer, span(chosen)) : controller.removeLights(layer, span(chosen));
            model.push({Step::Lights, layer, chosen, add == reversed ? 1u : 0u});
        } else if (choice < 65) {
            const Ids chosen = some(items);
            controller.setItemsLayer(layer, span(chosen));
            model.push({Step::Items, layer, chosen});
        } else if (choice < 70) {
            const std::uint32_t flags = api.flags(layer).bits ^ orb::LayerReversed;
            controller.setFlags(layer, flags);
            model.setFlags(layer, flags);
        } else if (choice < 85) {
            EXPECT_EQ(stack.undo(), model.index > 0);
            if (model.index > 0)
                model.undo(model.steps[--model.index]);
        } else {
            EXPECT_EQ(stack.redo(), model.index < model.steps.size());
            if (model.index < model.steps.size())
                model.redo(model.steps[model.index++]);
        }
    }

    std::mt19937 random{20261207};
    Tree tree;
    Ids lights;
    Model model{tree};
};

TEST_F(LightLayerModelTest, RandomSessionsFollowTheModel)
{
    build();
    expectModel("built");
    const auto initialLayers = model.layers;
    const auto initialMasks = model.masks;
    for (int step = 0; step < 3000 && !HasFatalFailure(); ++step) {
        operate();
        expectModel("step " + std::to_string(step));
    }
    ASSERT_EQ(stack.count(), static_cast<int>(model.steps.size()));
    while (stack.undo())
        model.undo(model.steps[--model.index]);
    expectModel("undone");
    for (const auto& [id, layer] : initialLayers)
        EXPECT_EQ(model.layers.at(id).name + (model.live(id) ? "" : " deleted"), layer.name);
    Set hidden = tree.excluded;  // what the recording walks skip
    hidden.insert(tree.shaderOut.begin(), tree.shaderOut.end());
    hidden.insert(tree.unreadable.begin(), tree.unreadable.end());
    for (const auto& [group, flags] : tree.flags)
        if (flags & 0x4084800)
            model.under(group, hidden);
    for (orb::GroupItemId object : tree.objects)
        EXPECT_TRUE(hidden.contains(object) || model.masks.at(object) == initialMasks.at(object)) << object;
    while (stack.redo())
        model.redo(model.steps[model.index++]);
    expectModel("redone");
}

} // namespace
