// The in-memory scene hierarchy and the light layer family of free functions.

#include "OrbHierarchy.h"

#include "OrbScene.h"

#include <cstring>
#include <mutex>
#include <unordered_set>

orbObject::~orbObject() = default;

namespace orbmem {

bool MemoryObject::read_data(std::uint32_t datum, void* out, std::size_t size) const
{
    if (datum != LightLayerMaskDatum || size != sizeof(std::uint32_t) || !out || !maskReadable)
        return false;
    std::uint32_t value = mask;
    if (m_lightOf) {
        value = 0;
        for (orb::LightLayerId layer = FirstMaskedLayer; layer <= LastMaskedLayer; ++layer)
            if (m_lightOf->contains(layer, group_item_id) && !(m_lightOf->get_flags(layer) & orb::LayerDeleted))
                value |= m_lightOf->layer_bitmask(layer);
    }
    std::memcpy(out, &value, sizeof value);
    return true;
}

Hierarchy::Hierarchy(const orbLight_layer_db& layers) : m_layers(layers)
{
    orbGroup_item& root = newItem();
    MemoryGroup& group = m_groups.emplace_back();
    group.group_item_id = rootId();
    root.kind = orbGroup_item::Group;
    root.group = &group;
    m_hierarchy.root = &root;
}

orbGroup_item& Hierarchy::newItem()
{
    orbGroup_item& item = m_items.emplace_back();
    m_byId.push_back(&item);
    return item;
}

orbGroup_item* Hierarchy::item(orb::GroupItemId id) const
{
    return id < m_byId.size() ? m_byId[id] : nullptr;
}

MemoryObject* Hierarchy::object(orb::GroupItemId id) const
{
    const orbGroup_item* found = item(id);
    return found && found->kind == orbGroup_item::Object ? static_cast<MemoryObject*>(found->object) : nullptr;
}

void Hierarchy::append(MemoryGroup& parent, orbGroup_item& child)
{
    orbGroup_child& cell = m_cells.emplace_back();
    cell.item = &child;
    (parent.last ? parent.last->next : parent.children) = &cell;
    parent.last = &cell;
}

orb::GroupItemId Hierarchy::addGroup(orb::GroupItemId parent, std::uint32_t flags)
{
    const orbGroup_item* to = item(parent);
    if (!to || to->kind != orbGroup_item::Group || m_byId.size() >= orb::InvalidId)
        return orb::InvalidId;
    const auto id = static_cast<orb::GroupItemId>(m_byId.size());
    MemoryGroup& group = m_groups.emplace_back();
    group.group_item_id = id;
    group.flags = flags;
    orbGroup_item& added = newItem();
    added.kind = orbGroup_item::Group;
    added.group = &group;
    append(static_cast<MemoryGroup&>(*to->group), added);
    return id;
}

orb::GroupItemId Hierarchy::addObject(orb::GroupItemId parent, bool light)
{
    const orbGroup_item* to = item(parent);
    if (!to || to->kind != orbGroup_item::Group || m_byId.size() >= orb::InvalidId)
        return orb::InvalidId;
    const auto id = static_cast<orb::GroupItemId>(m_byId.size());
    MemoryObject& object = m_objects.emplace_back(id, light ? &m_layers : nullptr);
    // Lights are members of layers, not items assigned to them.
    if (light)
        object.light_flags = orbObject::ExcludedBit;
    orbGroup_item& added = newItem();
    added.kind = orbGroup_item::Object;
    added.object = &object;
    append(static_cast<MemoryGroup&>(*to->group), added);
    return id;
}

// Depth first with a visited set: shared children would make a plain
// recursion exponential, and a deep chain would exhaust the stack.
bool Hierarchy::isBelow(const orbGroup_item& target, const orbGroup_item& start) const
{
    std::vector<const orbGroup_item*> pending{&start};
    std::unordered_set<const orbGroup_item*> seen;
    while (!pending.empty()) {
        const orbGroup_item* at = pending.back();
        pending.pop_back();
        if (at == &target)
            return true;
        if (at->kind != orbGroup_item::Group || !seen.insert(at).second)
            continue;
        for (const orbGroup_child* cell = at->group->children; cell; cell = cell->next)
            pending.push_back(cell->item);
    }
    return false;
}

bool Hierarchy::addChild(orb::GroupItemId parent, orb::GroupItemId child, bool cycleAllowed)
{
    orbGroup_item* to = item(parent);
    orbGroup_item* added = item(child);
    if (!to || !added || to->kind != orbGroup_item::Group || (!cycleAllowed && isBelow(*to, *added)))
        return false;
    append(static_cast<MemoryGroup&>(*to->group), *added);
    return true;
}

bool Hierarchy::setShader(orb::GroupItemId id, std::optional<std::uint32_t> answer)
{
    MemoryObject* found = object(id);
    if (!found)
        return false;
    if (!answer) {
        found->shader = nullptr;
        return true;
    }
    if (!found->shader)
        found->shader = &m_shaders.emplace_back();
    found->shader->lightLayerAnswer = *answer;
    return true;
}

void Hierarchy::clearMaskBits(std::uint32_t bits)
{
    for (MemoryObject& object : m_objects)
        object.mask &= ~bits;
}

void Hierarchy::assignMask(orb::Span<const orb::GroupItemId> ids, std::uint32_t mask)
{
    for (orb::GroupItemId id : ids)
        if (MemoryObject* found = object(id); found && !found->isLight())
            found->mask = mask;
}

} // namespace orbmem

void* orb_call_info_shader(orbShader* shader, int request)
{
    if (!shader || request != orb::ShaderInfoLightLayer)
        return nullptr;
    return reinterpret_cast<void*>(static_cast<std::uintptr_t>(shader->lightLayerAnswer));
}

orbLight_layer_db* orb_light_layer_db_get(orbScene* scene)
{
    return scene ? &scene->lightLayers() : nullptr;
}

orbGroup_item* orb_group_item_from_id(orbScene* scene, orb::GroupItemId id)
{
    if (!scene)
        return nullptr;
    std::lock_guard lock(scene->mutex());
    return scene->hierarchy().item(id);
}

orbScene_hierarchy* orb_scene_hierarchy_get(orbScene* scene)
{
    return scene ? scene->hierarchy().get() : nullptr;
}
