// The light layer database of the in-memory renderer. Layers are never
// removed, only marked deleted, so an id and its mask bit stay with one layer
// for the database's life; 32 bits leave room for layers 2 to 33.

#include "OrbScene.h"
#include "UniqueName.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <map>
#include <new>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

using orbmem::FirstMaskedLayer;
using orbmem::LastMaskedLayer;

struct Layer {
    std::optional<std::string> name;
    std::uint32_t flags = 0;
    std::vector<orb::ObjectId> lights;  // list order, each once
};

// An owning array of `values`, counted until Unique_array_helper::free.
template <typename T, typename Range>
orb::Array<T> handOutArray(const Range& values)
{
    const std::size_t count = std::size(values);
    if (count == 0)
        return {};
    auto* data = static_cast<T*>(std::calloc(count, sizeof(T)));
    if (!data)
        throw std::bad_alloc();
    std::copy(std::begin(values), std::end(values), data);
    ++orb::g_arrays;
    return {data, count};
}

} // namespace

struct orbLight_layer_db::Data {
    std::map<orb::LightLayerId, Layer> layers;

    Layer* find(orb::LightLayerId id)
    {
        auto it = layers.find(id);
        return it == layers.end() ? nullptr : &it->second;
    }
    const Layer* find(orb::LightLayerId id) const { return const_cast<Data*>(this)->find(id); }
};

orbLight_layer_db::orbLight_layer_db() : d(std::make_unique<Data>())
{
    d->layers[DefaultLayer].name = "Default";
}

orbLight_layer_db::~orbLight_layer_db() = default;

orb::LightLayerId orbLight_layer_db::create_layer(const char* name, orb::LightLayerId id)
{
    if (id == orb::InvalidId) {
        id = FirstMaskedLayer;
        while (d->layers.contains(id))
            ++id;
    }
    if (id < FirstMaskedLayer || id > LastMaskedLayer || d->layers.contains(id))
        return orb::InvalidId;
    Layer& layer = d->layers[id];
    if (name)
        layer.name = name;
    return id;
}

bool orbLight_layer_db::clone_layer(orb::LightLayerId target, orb::LightLayerId source)
{
    Layer* to = d->find(target);
    const Layer* from = d->find(source);
    if (!to || !from || to == from)
        return false;
    to->flags = from->flags;
    to->lights = from->lights;
    return true;
}

bool orbLight_layer_db::delete_layer(orb::LightLayerId id)
{
    Layer* layer = id == DefaultLayer ? nullptr : d->find(id);
    if (!layer)
        return false;
    layer->flags |= orb::LayerDeleted;
    return true;
}

bool orbLight_layer_db::delete_n_remap_layer(orbScene* scene, orb::LightLayerId id)
{
    if (!delete_layer(id))
        return false;
    if (scene) {
        std::lock_guard lock(scene->mutex());
        scene->hierarchy().clearMaskBits(layer_bitmask(id));
    }
    return true;
}

bool orbLight_layer_db::set_layer_name(orb::LightLayerId id, const char* name)
{
    Layer* layer = d->find(id);
    if (!layer)
        return false;
    layer->name = name ? std::optional<std::string>(name) : std::nullopt;
    return true;
}

const char* orbLight_layer_db::get_layer_name(orb::LightLayerId id) const
{
    const Layer* layer = d->find(id);
    return layer && layer->name ? layer->name->c_str() : nullptr;
}

// The numbering of colour names: "Key" and "Key 4" both count from "Key 1".
std::string orbLight_layer_db::find_unique_name(const char* name) const
{
    std::unordered_set<std::string_view> taken;
    for (const auto& [id, layer] : d->layers)
        if (layer.name)
            taken.insert(*layer.name);
    return orbmem::uniqueName(name ? name : "", [&](std::string_view n) { return taken.contains(n); });
}

void orbLight_layer_db::add_lights(orb::LightLayerId id, orb::Span<const orb::ObjectId> lights)
{
    if (Layer* layer = d->find(id))
        for (orb::ObjectId light : lights)
            if (std::ranges::find(layer->lights, light) == layer->lights.end())
                layer->lights.push_back(light);
}

void orbLight_layer_db::remove_lights(orb::LightLayerId id, orb::Span<const orb::ObjectId> lights)
{
    if (Layer* layer = d->find(id))
        std::erase_if(layer->lights, [&](orb::ObjectId light) { return std::ranges::find(lights, light) != lights.end(); });
}

bool orbLight_layer_db::contains(orb::LightLayerId id, orb::ObjectId light) const
{
    const Layer* layer = d->find(id);
    return layer && std::ranges::find(layer->lights, light) != layer->lights.end();
}

bool orbLight_layer_db::set_flags(orb::LightLayerId id, std::uint32_t flags)
{
    Layer* layer = d->find(id);
    // The default layer is never deleted, not even through its flags.
    if (!layer || (id == DefaultLayer && (flags & orb::LayerDeleted)))
        return false;
    layer->flags = flags;
    return true;
}

std::uint32_t orbLight_layer_db::get_flags(orb::LightLayerId id) const
{
    const Layer* layer = d->find(id);
    return layer ? layer->flags : 0;
}

std::uint32_t orbLight_layer_db::layer_bitmask(orb::LightLayerId id) const
{
    if (id == DefaultLayer)
        return 0;
    return d->find(id) ? 1u << (id - FirstMaskedLayer) : orb::InvalidId;
}

orb::LightLayerId orbLight_layer_db::layer_id_from_mask(std::uint32_t mask) const
{
    if (mask == 0)
        return DefaultLayer;
    const orb::LightLayerId id = FirstMaskedLayer + std::countr_zero(mask);
    const Layer* layer = d->find(id);
    return layer && !(layer->flags & orb::LayerDeleted) ? id : DefaultLayer;
}

std::uint32_t orbLight_layer_db::layer_count() const
{
    return static_cast<std::uint32_t>(d->layers.size());
}

orb::Array<orb::LightLayerId> orbLight_layer_db::get_layers() const
{
    std::vector<orb::LightLayerId> ids;
    for (const auto& entry : d->layers)
        ids.push_back(entry.first);
    return handOutArray<orb::LightLayerId>(ids);
}

orb::Array<orb::ObjectId> orbLight_layer_db::get_lights(orb::LightLayerId id) const
{
    const Layer* layer = d->find(id);
    return layer ? handOutArray<orb::ObjectId>(layer->lights) : orb::Array<orb::ObjectId>{};
}

void orbLight_layer_db::sync(const orbLight_layer_db& source)
{
    if (&source == this)
        return;
    d->layers = source.d->layers;
    environment_light_mask = source.environment_light_mask;
}
