#include <zsg/lightlayer/ZLightLayerApi.h>

#include "lightlayer/HierarchyWalk.h"
#include "lightlayer/VisitedIds.h"

#include <zsg/scenegraph/Event.h>
#include <zsg/scenegraph/IEventQueue.h>

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <iostream>
#include <limits>
#include <new>
#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace zsg {

namespace {

constexpr std::size_t ReservedIds = 1024;
constexpr std::uint32_t HiddenFromLayerItems = 0x800;
constexpr std::uint32_t HiddenFromLayerIdMap = 0x4084800;
// The most visits a layer's item list may take. Groups shared over many levels
// list their objects once per path, soon more than any memory holds; such a
// list comes back empty, as a result that cannot be built.
constexpr std::uint64_t MaxItemVisits = std::numeric_limits<std::uint32_t>::max();
// Counting a walk's visits costs about as much as the walk: only a walk that
// has made this many visits already pays for the count.
constexpr std::uint64_t CountFromVisits = 1 << 20;

bool excluded(const orbObject& object)
{
    return object.light_flags & orbObject::ExcludedBit;
}

// The object's light layer mask; nothing when it cannot be read.
std::optional<std::uint32_t> maskOf(const orbObject& object)
{
    std::uint32_t mask;
    if (!object.read_data(orbObject::LightLayerMaskDatum, &mask, sizeof mask))
        return std::nullopt;
    return mask;
}

// Whether the object's shader asks to keep it out of light layer walks.
bool shaderOptsOut(const orbObject& object)
{
    return object.shader && orb_call_info_shader(object.shader, orb::ShaderInfoLightLayer) != nullptr;
}

const orbObject* objectOf(const orbGroup_item* item)
{
    return item && item->kind == orbGroup_item::Object ? item->object : nullptr;
}

const orbGroup* groupOf(const orbGroup_item* item)
{
    return item && item->kind == orbGroup_item::Group ? item->group : nullptr;
}

orb::GroupItemId idOf(const orbGroup_item* item)
{
    if (const orbObject* object = objectOf(item))
        return object->group_item_id;
    const orbGroup* group = groupOf(item);
    return group ? group->group_item_id : orb::InvalidId;
}

// Sorts ascending. A walk's ids often differ in their lowest byte only (layer
// ids always do); those are counted per byte value and written back in order,
// two passes where a comparison sort of a large scene costs a whole walk.
void sortIds(std::vector<std::uint32_t>& ids)
{
    const std::uint32_t high = ids.empty() ? 0 : ids.front() & ~0xFFu;
    std::uint32_t differing = 0;
    std::array<std::size_t, 256> count{};
    for (std::uint32_t id : ids) {
        differing |= (id & ~0xFFu) ^ high;
        ++count[id & 0xFF];
    }
    if (differing) {
        std::sort(ids.begin(), ids.end());
        return;
    }
    auto out = ids.begin();
    for (std::uint32_t low = 0; low < count.size(); ++low)
        out = std::fill_n(out, count[low], high | low);
}

void sortUnique(std::vector<std::uint32_t>& ids)
{
    sortIds(ids);
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
}

// Whether the walk from `root` takes more than MaxItemVisits visits: a shared
// group counts once per path; groups refused by `enters`, and a group met on
// its own path, are not entered. Each group is counted once: linear time.
template <typename Enters>
bool walkTooLong(const orbGroup* root, const Enters& enters)
{
    struct Frame {
        const orbGroup* group;
        const orbGroup_child* next;
        std::uint64_t visits;
    };
    std::unordered_map<const orbGroup*, std::uint64_t> counted;
    std::unordered_set<const orbGroup*> counting{root};
    std::vector<Frame> path{{root, root->children, 0}};
    for (;;) {
        if (Frame& top = path.back(); top.next) {
            const orbGroup* group = groupOf(top.next->item);
            top.next = top.next->next;
            ++top.visits;
            if (!group || !enters(*group) || counting.contains(group))
                continue;
            if (const auto done = counted.find(group); done != counted.end()) {
                top.visits += done->second;
            } else {
                counting.insert(group);
                path.push_back({group, group->children, 0});
            }
        } else {
            const Frame done = top;
            path.pop_back();
            counting.erase(done.group);
            counted.emplace(done.group, done.visits);
            if (path.empty())
                return false;
            path.back().visits += done.visits;
        }
        if (path.back().visits > MaxItemVisits)
            return true;
    }
}

} // namespace

ZLightLayerApi::ZLightLayerApi(IEventQueue* eventQueue, orbRT_api* rtApi)
    : m_eventQueue(eventQueue),
      m_rtApi(rtApi),
      m_live(orb_light_layer_db_get(scene())),
      m_environmentLightMask(m_live ? m_live->environment_light_mask : 0),
      m_mirror(std::make_unique<orbLight_layer_db>())
{
}

ZLightLayerApi::~ZLightLayerApi() = default;

orbScene* ZLightLayerApi::scene() const
{
    return m_rtApi ? m_rtApi->scene() : nullptr;
}

void ZLightLayerApi::postUpdated(orb::LightLayerId layer)
{
    if (m_eventQueue)
        m_eventQueue->postEvent(new LightLayerUpdatedEvent(layer));
}

void ZLightLayerApi::sync()
{
    if (m_live) {
        m_mirror->sync(*m_live);
        m_environmentLightMask = m_live->environment_light_mask;
    }
    if (m_eventQueue)
        m_eventQueue->postEvent(new LightLayerSyncedEvent());
}

// The renderer picks the id; the mirror takes the same one. When the renderer
// has none left, a synced mirror has none either; an unsynced one may take an
// id of its own, which the renderer has too, and the next sync replaces it.
orb::LightLayerId ZLightLayerApi::cloneLayer(orb::LightLayerId source)
{
    if (!m_live)
        return orb::InvalidId;
    const orb::LightLayerId id = m_live->create_layer("dummy", orb::InvalidId);
    m_mirror->create_layer("dummy", id);
    m_mirror->clone_layer(id, source);
    m_live->clone_layer(id, source);
    postUpdated(id);
    return id;
}

std::uint32_t ZLightLayerApi::layerCount()
{
    return m_mirror->layer_count();
}

orb::Array<orb::LightLayerId> ZLightLayerApi::layers()
{
    return m_mirror->get_layers();
}

orb::Array<orb::ObjectId> ZLightLayerApi::lights(orb::LightLayerId layer)
{
    return m_mirror->get_lights(layer);
}

std::vector<orb::LightLayerId> ZLightLayerApi::layersOfItems(orb::Span<const orb::GroupItemId> items)
{
    std::vector<orb::LightLayerId> collected;
    collected.reserve(ReservedIds);
    VisitedIds visited;
    orbScene* const scene = this->scene();
    // Exclusion bits and group flags are not consulted here.
    auto visit = [&](orb::GroupItemId id) -> const orbGroup* {
        if (!visited.insert(id))
            return nullptr;
        const orbGroup_item* item = orb_group_item_from_id(scene, id);
        if (const orbObject* object = objectOf(item)) {
            const std::optional<std::uint32_t> mask = maskOf(*object);
            if (m_live && mask && !shaderOptsOut(*object))
                collected.push_back(m_live->layer_id_from_mask(*mask));
            return nullptr;
        }
        return groupOf(item);
    };
    HierarchyWalk walk;
    for (orb::GroupItemId id : items)
        walk.children(visit(id), [&](const orbGroup_item* child) { return visit(idOf(child)); });
    sortUnique(collected);
    return collected;
}

bool ZLightLayerApi::contains(orb::LightLayerId layer, orb::ObjectId light)
{
    return m_mirror->contains(layer, light);
}

std::vector<orb::GroupItemId> ZLightLayerApi::getLayerItems(orb::LightLayerId layer)
{
    std::vector<orb::GroupItemId> result;
    result.reserve(ReservedIds);
    const std::uint32_t layerMask = m_mirror->layer_bitmask(layer);
    const auto enters = [](const orbGroup& group) { return !(group.flags & HiddenFromLayerItems); };
    const orbGroup* root = nullptr;
    std::uint64_t visits = 0;
    bool tooLong = false;
    auto visit = [&](const orbGroup_item* item) -> const orbGroup* {
        if (++visits == CountFromVisits)
            tooLong = walkTooLong(root, enters);
        if (tooLong)
            return nullptr;
        if (const orbGroup* group = groupOf(item))
            return enters(*group) ? group : nullptr;
        const orbObject* object = objectOf(item);
        if (object && !excluded(*object) && maskOf(*object) == layerMask && !shaderOptsOut(*object))
            result.push_back(object->group_item_id);
        return nullptr;
    };
    const orbScene_hierarchy* hierarchy = orb_scene_hierarchy_get(scene());
    root = hierarchy ? visit(hierarchy->root) : nullptr;
    try {
        HierarchyWalk().children(root, visit);
    } catch (const std::bad_alloc&) {
        return {};
    }
    if (tooLong)
        result.clear();
    return result;
}

orb::LightLayerId ZLightLayerApi::createLayer(const std::string& name)
{
    if (name.empty() || !m_live)
        return orb::InvalidId;
    const std::string unique = m_live->find_unique_name(name.c_str());
    const orb::LightLayerId id = m_live->create_layer(unique.c_str(), orb::InvalidId);
    m_mirror->create_layer(unique.c_str(), id);
    postUpdated(id);
    return id;
}

void ZLightLayerApi::deleteLayer(orb::LightLayerId layer)
{
    m_mirror->delete_layer(layer);
    if (m_live)
        m_live->delete_n_remap_layer(scene(), layer);
    postUpdated(layer);
}

void ZLightLayerApi::setLayerName(orb::LightLayerId layer, const std::string& name)
{
    if (name.empty() || layerName(layer) == name || !m_live)
        return;
    const std::string unique = m_live->find_unique_name(name.c_str());
    m_mirror->set_layer_name(layer, unique.c_str());
    m_live->set_layer_name(layer, unique.c_str());
    postUpdated(layer);
}

std::string ZLightLayerApi::layerName(orb::LightLayerId layer)
{
    const char* name = m_mirror->get_layer_name(layer);
    return name ? std::string(name) : std::string();
}

void ZLightLayerApi::createLayerFromLights(orb::Span<const orb::ObjectId> lights)
{
    std::vector<orb::ObjectId> kept;
    for (orb::ObjectId light : lights)
        if (m_live && m_live->contains(orbLight_layer_db::DefaultLayer, light))
            kept.push_back(light);
    if (kept.empty())
        return;
    const orb::Span<const orb::ObjectId> span(kept.data(), kept.size());
    addLights(orbLight_layer_db::DefaultLayer, span);
    // A default name, translated like every name the library gives.
    const orb::LightLayerId layer = createLayer(QCoreApplication::translate("QObject", "New Layer").toStdString());
    addLights(layer, span);
}

void ZLightLayerApi::setItemsLayer(orb::LightLayerId layer, orb::Span<const orb::GroupItemId> items)
{
    std::vector<orb::ObjectId> objects;
    orbScene* const scene = this->scene();
    // Every object counts here, excluded or not. The ids are sorted and made
    // unique, so each group is walked once: shared groups would otherwise be
    // walked once per path.
    VisitedIds groups;
    auto visit = [&](const orbGroup_item* item) -> const orbGroup* {
        if (const orbObject* object = objectOf(item))
            objects.push_back(object->group_item_id);
        const orbGroup* group = groupOf(item);
        return group && groups.insert(group->group_item_id) ? group : nullptr;
    };
    HierarchyWalk walk;
    for (orb::GroupItemId id : items)
        walk.children(visit(orb_group_item_from_id(scene, id)), visit);
    sortUnique(objects);
    if (m_rtApi)
        m_rtApi->assignItemsToLightLayer(layer, {objects.data(), objects.size()});
    postUpdated(layer);
}

void ZLightLayerApi::addLights(orb::LightLayerId layer, orb::Span<const orb::ObjectId> lights)
{
    m_mirror->add_lights(layer, lights);
    if (m_rtApi)
        m_rtApi->setLightLayerMembership(layer, lights, false);
    postUpdated(layer);
}

void ZLightLayerApi::removeLights(orb::LightLayerId layer, orb::Span<const orb::ObjectId> lights)
{
    m_mirror->remove_lights(layer, lights);
    if (m_rtApi)
        m_rtApi->setLightLayerMembership(layer, lights, true);
    postUpdated(layer);
}

void ZLightLayerApi::setFlags(orb::LightLayerId layer, LightLayerFlags flags)
{
    m_mirror->set_flags(layer, flags.bits);
    if (m_rtApi)
        m_rtApi->setLightLayerFlags(layer, flags.bits);
    postUpdated(layer);
}

LightLayerFlags ZLightLayerApi::flags(orb::LightLayerId layer)
{
    return m_mirror->get_flags(layer);
}

void ZLightLayerApi::dump()
{
    const orb::Array<orb::LightLayerId> ids = m_mirror->get_layers();
    const orb::Span<const orb::LightLayerId> layers(ids.data, ids.count);
    std::ostream& out = std::cout;
    for (orb::LightLayerId id : layers)
        out << "Layer ID: " << id << ", Name: " << layerName(id) << '\n';
    out << "Environment Light Mask: " << m_environmentLightMask << '\n' << "Light Layers:\n";
    for (orb::LightLayerId id : layers) {
        out << "  Layer ID: " << id << ", Name: " << layerName(id) << '\n';
        out << "    Flags: " << flags(id).bits << '\n';
        out << "    Lights: ";
        const orb::Array<orb::ObjectId> lights = m_mirror->get_lights(id);
        for (orb::ObjectId light : orb::Span<const orb::ObjectId>(lights.data, lights.count))
            out << light << ' ';
        out << '\n';
        orb::Unique_array_helper::free(lights.data);
    }
    orb::Unique_array_helper::free(ids.data);
}

ZLightLayerApi::LayerIdMap ZLightLayerApi::getLayerIdMap(orb::Span<const orb::GroupItemId> items) const
{
    LayerIdMap result;
    // Neighbouring objects mostly share a layer: keep its list at hand rather
    // than look the layer up in the map for every object.
    orb::LightLayerId lastLayer = orb::InvalidId;
    std::vector<orb::GroupItemId>* lastList = nullptr;
    VisitedIds visitedGroups;
    auto visit = [&](const orbGroup_item* item) -> const orbGroup* {
        if (const orbGroup* group = groupOf(item)) {
            const bool enter = !(group->flags & HiddenFromLayerIdMap) && visitedGroups.insert(group->group_item_id);
            return enter ? group : nullptr;
        }
        const orbObject* object = objectOf(item);
        if (!object || excluded(*object))
            return nullptr;
        const orb::LightLayerId layer = m_mirror->layer_id_from_mask(maskOf(*object).value_or(0));
        if (!lastList || layer != lastLayer) {
            lastList = &result[layer];
            lastLayer = layer;
        }
        lastList->push_back(object->group_item_id);
        return nullptr;
    };
    orbScene* const scene = this->scene();
    HierarchyWalk walk;
    for (orb::GroupItemId id : items)
        walk.children(visit(orb_group_item_from_id(scene, id)), visit);
    return result;
}

} // namespace zsg
