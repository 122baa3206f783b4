// Random light layer sessions on a random hierarchy (nested and flagged
// groups, excluded, shader-marked and unreadable objects, shared children)
// against a small reference model: after every operation, undo and redo, both
// databases and every object's mask must equal the model's.
//
// What an undo gives back is not everything: undoing an added light removes it
// even if it was a member before, a created layer stays (marked deleted), and
// objects the recording walks do not see (excluded, shader-marked, unreadable,
// or below a group flagged 0x4084800) are moved by redo but not moved back.
// After undoing the whole session the test checks what is recoverable: every
// initial layer is live under its name, and every other object is back in its
// initial layer.

#include "LightLayerTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <iterator>
#include <map>
#include <random>
#include <set>

using namespace zsg;
using namespace zsg::test;

namespace {

constexpr orb::LightLayerId Default = 1;
constexpr std::uint32_t FlagsHidingFromMap = 0x4084800;

struct Tree {
    orb::GroupItemId root;
    std::map<orb::GroupItemId, Ids> children;  // groups
    std::map<orb::GroupItemId, std::uint32_t> groupFlags;
    std::set<orb::GroupItemId> objects, excluded, shaderOut, unreadable;
    Ids lights;
};

struct Model {
    struct Layer {
        std::string name;
        std::uint32_t flags = 0;
        Ids lights;
        bool operator==(const Layer&) const = default;
    };
    struct Step {
        enum Kind { Create, Delete, Lights, Items };
        Step(Kind k, orb::LightLayerId id, Ids list = {}, std::uint32_t dir = 0, std::string text = {})
            : kind(k), layer(id), name(std::move(text)), lights(std::move(list)), direction(dir)
        {
        }
        Kind kind;
        orb::LightLayerId layer;
        std::string name;
        Ids lights;  // Lights: the lights; Items: the items; Delete: the objects found
        std::uint32_t direction;
        std::map<orb::LightLayerId, Ids> previous;
        bool taken = false;
    };

    explicit Model(const Tree& t) : tree(t) {}

    const Tree& tree;
    std::map<orb::LightLayerId, Layer> layers{{Default, {"Default", 0, {}}}};
    std::map<orb::GroupItemId, std::uint32_t> masks;
    std::vector<Step> steps;
    std::size_t index = 0;

    bool live(orb::LightLayerId id) const { return layers.contains(id) && !(layers.at(id).flags & orb::LayerDeleted); }
    std::uint32_t bit(orb::LightLayerId id) const { return id == Default ? 0 : 1u << (id - 2); }
    orb::LightLayerId layerOf(std::uint32_t mask) const
    {
        const orb::LightLayerId id = mask ? 2 + std::countr_zero(mask) : Default;
        return live(id) ? id : Default;
    }

    // The renderer's side.
    orb::LightLayerId create(const std::string& wanted)
    {
        std::set<std::string> taken;
        for (const auto& entry : layers)
            taken.insert(entry.second.name);
        std::string name = wanted;
        for (int n = 1; taken.contains(name); ++n)
            name = wanted + ' ' + std::to_string(n);
        for (orb::LightLayerId id = 2; id <= 33; ++id)
            if (!layers.contains(id)) {
                layers[id].name = name;
                return id;
            }
        return orb::InvalidId;
    }
    void remove(orb::LightLayerId id)
    {
        if (id == Default || !layers.contains(id))
            return;
        layers[id].flags |= orb::LayerDeleted;
        for (auto& entry : masks)
            entry.second &= ~bit(id);
    }
    void setFlags(orb::LightLayerId id, std::uint32_t flags)
    {
        if (layers.contains(id) && !(id == Default && (flags & orb::LayerDeleted)))
            layers[id].flags = flags;
    }
    void restore(orb::LightLayerId id) { setFlags(id, layers.contains(id) ? layers[id].flags & ~orb::LayerDeleted : 0); }
    void changeLights(orb::LightLayerId id, const Ids& lights, bool add)
    {
        if (!layers.contains(id))
            return;
        Ids& list = layers[id].lights;
        for (std::uint32_t light : lights) {
            const bool member = std::ranges::find(list, light) != list.end();
            if (add && !member)
                list.push_back(light);
            if (!add)
                std::erase(list, light);
        }
    }
    void assign(orb::LightLayerId id, const std::set<orb::GroupItemId>& objects)
    {
        if (live(id))
            for (orb::GroupItemId object : objects)
                if (tree.objects.contains(object))  // lights keep their membership
                    masks[object] = bit(id);
    }

    // The walks, by plain recursion over the small tree.
    void under(orb::GroupItemId item, std::set<orb::GroupItemId>& found) const
    {
        if (tree.objects.contains(item) || std::ranges::find(tree.lights, item) != tree.lights.end())
            found.insert(item);
        if (tree.children.contains(item))
            for (orb::GroupItemId child : tree.children.at(item))
                under(child, found);
    }
    void itemsOf(orb::GroupItemId item, std::uint32_t mask, Ids& found) const
    {
        if (tree.children.contains(item)) {
            if (!(tree.groupFlags.at(item) & 0x800))
                for (orb::GroupItemId child : tree.children.at(item))
                    itemsOf(child, mask, found);
        } else if (tree.objects.contains(item) && !tree.excluded.contains(item) && !tree.shaderOut.contains(item)
                   && !tree.unreadable.contains(item) && masks.at(item) == mask) {
            found.push_back(item);
        }
    }
    void mapOf(orb::GroupItemId item, std::set<orb::GroupItemId>& seen, std::map<orb::LightLayerId, Ids>& map) const
    {
        if (tree.children.contains(item)) {
            if (!(tree.groupFlags.at(item) & FlagsHidingFromMap) && seen.insert(item).second)
                for (orb::GroupItemId child : tree.children.at(item))
                    mapOf(child, seen, map);
        } else if (tree.objects.contains(item) && !tree.excluded.contains(item)) {
            map[layerOf(tree.unreadable.contains(item) ? 0 : masks.at(item))].push_back(item);
        }
    }

    // The commands.
    void redo(Step& s)
    {
        switch (s.kind) {
        case Step::Create:
            if (s.layer == orb::InvalidId)
                s.layer = s.name.empty() ? orb::InvalidId : create(s.name);
            else
                restore(s.layer);
            break;
        case Step::Delete:
            if (s.lights.empty())
                itemsOf(tree.root, layers.contains(s.layer) ? bit(s.layer) : orb::InvalidId, s.lights);
            remove(s.layer);
            break;
        case Step::Lights: changeLights(s.layer, s.lights, s.direction == 0); break;
        case Step::Items: {
            std::set<orb::GroupItemId> seen, objects;
            if (!std::exchange(s.taken, true))
                for (orb::GroupItemId item : s.lights)
                    mapOf(item, seen, s.previous);
            for (orb::GroupItemId item : s.lights)
                under(item, objects);
            assign(s.layer, objects);
        }
        }
    }
    void undo(Step& s)
    {
        switch (s.kind) {
        case Step::Create: remove(s.layer); break;
        case Step::Delete:
            restore(s.layer);
            assign(s.layer, {s.lights.begin(), s.lights.end()});
            break;
        case Step::Lights: changeLights(s.layer, s.lights, s.direction != 0); break;
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
            && last->direction == s.direction) {
            last->lights.insert(last->lights.end(), s.lights.begin(), s.lights.end());
            return;
        }
        steps.push_back(std::move(s));
        ++index;
    }
};

class LightLayerModelTest : public ::testing::Test, public LightLayerScene {
protected:
    // Groups with assorted flags, objects of every kind, lights, shared
    // children and three layers holding some objects.
    void build()
    {
        const std::uint32_t groupFlags[] = {0, 0, 0, 0x800, 0x4000, 0x80000, 0x4000000, 0x20};
        tree.root = root;
        tree.children[root];
        tree.groupFlags[root] = 0;
        Ids groups{root};
        for (int i = 0; i < 10; ++i) {
            // Every flag at least once, in random places.
            const std::uint32_t flags = groupFlags[i < int(std::size(groupFlags)) ? i : random() % std::size(groupFlags)];
            const orb::GroupItemId parent = groups[random() % groups.size()];
            const orb::GroupItemId group = runtime.addGroup(parent, flags);
            tree.children[parent].push_back(group);
            tree.children[group];
            tree.groupFlags[group] = flags;
            groups.push_back(group);
        }
        for (const char* name : {"Key", "Fill", "Rim"})
            live.create_layer(name, orb::InvalidId);
        for (int i = 0; i < 40; ++i) {
            const orb::GroupItemId parent = groups[random() % groups.size()];
            const orb::GroupItemId object = runtime.addObject(parent);
            tree.children[parent].push_back(object);
            tree.objects.insert(object);
            const std::uint32_t kind = random() % 20;
            if (kind == 0 && runtime.setExcluded(object, true))
                tree.excluded.insert(object);
            if (kind == 1 && runtime.setShaderAnswer(object, 3))
                tree.shaderOut.insert(object);
            if (kind == 2)
                runtime.setShaderAnswer(object, 0);
            if (kind == 3 && runtime.setMaskReadable(object, false))
                tree.unreadable.insert(object);
            const orb::LightLayerId layer = random() % 4 + 1;
            runtime.setObjectMask(object, bit(layer));
            model.masks[object] = bit(layer);
        }
        for (int i = 0; i < 5; ++i) {
            const orb::GroupItemId parent = groups[random() % groups.size()];
            tree.lights.push_back(runtime.addLight(parent));
            tree.children[parent].push_back(tree.lights.back());
        }
        for (int i = 0; i < 8; ++i) {
            const orb::GroupItemId parent = groups[random() % groups.size()];
            const orb::GroupItemId child = random() % 2 ? groups[random() % groups.size()] : *tree.objects.begin() + i;
            if (runtime.addChild(parent, child))
                tree.children[parent].push_back(child);
        }
        for (orb::LightLayerId id : take(live.get_layers()))
            model.layers[id] = {live.get_layer_name(id), 0, take(live.get_lights(id))};
        api.sync();
    }

    // Objects whose layer every undo gives back: seen by every recording walk.
    std::set<orb::GroupItemId> recoverable() const
    {
        std::set<orb::GroupItemId> hidden = tree.excluded;
        hidden.insert(tree.shaderOut.begin(), tree.shaderOut.end());
        hidden.insert(tree.unreadable.begin(), tree.unreadable.end());
        for (const auto& [group, flags] : tree.groupFlags)
            if (flags & FlagsHidingFromMap)
                model.under(group, hidden);
        std::set<orb::GroupItemId> result;
        std::ranges::set_difference(tree.objects, hidden, std::inserter(result, result.end()));
        return result;
    }

    void expectModel(const std::string& where)
    {
        SCOPED_TRACE(where);
        Ids ids;
        for (const auto& entry : model.layers)
            ids.push_back(entry.first);
        ASSERT_EQ(take(live.get_layers()), ids);
        ASSERT_EQ(take(api.layers()), ids);
        for (const auto& [id, layer] : model.layers) {
            const Model::Layer inLive{live.get_layer_name(id), live.get_flags(id), take(live.get_lights(id))};
            const Model::Layer inMirror{api.layerName(id), api.flags(id).bits, take(api.lights(id))};
            ASSERT_EQ(inLive, layer) << "layer " << id;
            ASSERT_EQ(inMirror, layer) << "layer " << id;
        }
        for (orb::GroupItemId object : tree.objects) {
            runtime.setMaskReadable(object, true);
            ASSERT_EQ(runtime.objectMask(object), model.masks.at(object)) << "object " << object;
            runtime.setMaskReadable(object, !tree.unreadable.contains(object));
        }
    }

    orb::LightLayerId anyLayer() { return random() % 36 + 1; }  // unknown ids included
    Ids anyOf(const std::vector<std::uint32_t>& pool, std::uint32_t unknown)
    {
        Ids picked;
        for (std::uint32_t n = random() % 4; n > 0; --n)
            picked.push_back(random() % 10 ? pool[random() % pool.size()] : unknown);
        return picked;
    }

    void operate()
    {
        const std::uint32_t choice = random() % 100;
        Ids items(tree.objects.begin(), tree.objects.end());
        for (const auto& entry : tree.children)
            items.push_back(entry.first);
        if (choice < 4) {
            const char* names[] = {"Key", "Back", ""};
            const std::string name = names[random() % 3];
            const orb::LightLayerId id = controller.createLayer(name);
            model.push({Model::Step::Create, orb::InvalidId, {}, 0, name});
            EXPECT_EQ(id, model.steps[model.index - 1].layer);
        } else if (choice < 10) {
            const orb::LightLayerId layer = anyLayer();
            controller.deleteLayer(layer);
            model.push({Model::Step::Delete, layer});
        } else if (choice < 35) {
            const orb::LightLayerId layer = anyLayer();
            const Ids lights = anyOf(tree.lights, 9999);
            const bool add = random() % 2;
            const bool reversed = model.layers.contains(layer) && (model.layers[layer].flags & orb::LayerReversed);
            add ? controller.addLights(layer, span(lights)) : controller.removeLights(layer, span(lights));
            model.push({Model::Step::Lights, layer, lights, add == reversed ? 1u : 0u});
        } else if (choice < 65) {
            const orb::LightLayerId layer = anyLayer();
            const Ids chosen = anyOf(items, 9999);
            controller.setItemsLayer(layer, span(chosen));
            model.push({Model::Step::Items, layer, chosen});
        } else if (choice < 70) {
            const orb::LightLayerId layer = anyLayer();
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
    Model model{tree};
};

TEST_F(LightLayerModelTest, RandomSessionsFollowTheModel)
{
    build();
    expectModel("built");
    const auto initialLayers = model.layers;
    const auto initialMasks = model.masks;
    for (int step = 0; step < 3000; ++step) {
        operate();
        expectModel("step " + std::to_string(step));
        if (HasFatalFailure())
            return;
    }
    ASSERT_EQ(stack.count(), static_cast<int>(model.steps.size()));
    while (stack.undo())
        model.undo(model.steps[--model.index]);
    expectModel("undone");
    for (const auto& [id, layer] : initialLayers) {
        EXPECT_EQ(model.layers.at(id).name, layer.name);
        EXPECT_FALSE(model.layers.at(id).flags & orb::LayerDeleted) << id;
    }
    for (orb::GroupItemId object : recoverable())
        EXPECT_EQ(model.masks.at(object), initialMasks.at(object)) << object;
    while (stack.redo())
        model.redo(model.steps[model.index++]);
    expectModel("redone");
}

} // namespace
