#include "OrbScene.h"

#include <orbmem/MemoryRuntime.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <vector>

orbRT_api::~orbRT_api() = default;
orbScene_api::~orbScene_api() = default;

using namespace orbmem;

namespace orb {

struct MemoryRuntime::Private {
    orbScene scene;
    std::atomic<int> lockDepth{0};
    std::atomic<int> sceneChanged{0};
    std::vector<int> renderRefreshes;  // under the scene's lock: tasks may ask from the render thread

    std::unique_lock<std::recursive_mutex> locked() { return std::unique_lock(scene.mutex()); }
};

MemoryRuntime::MemoryRuntime() : d(std::make_unique<Private>()) {}
MemoryRuntime::~MemoryRuntime() = default;

orbScene* MemoryRuntime::scene() { return &d->scene; }

void MemoryRuntime::lock()
{
    d->scene.mutex().lock();
    ++d->lockDepth;
}

void MemoryRuntime::unlock()
{
    --d->lockDepth;
    d->scene.mutex().unlock();
}

// The notices carry no data this scene acts on; they are counted for hosts and tests.
void MemoryRuntime::sceneChanged(int) { ++d->sceneChanged; }
void MemoryRuntime::refreshRender(int what)
{
    auto lock = d->locked();
    d->renderRefreshes.push_back(what);
}

int MemoryRuntime::lockDepth() const { return d->lockDepth; }
int MemoryRuntime::sceneChangedCount() const { return d->sceneChanged; }
std::vector<int> MemoryRuntime::renderRefreshes() const
{
    auto lock = d->locked();
    return d->renderRefreshes;
}

orb::Record* MemoryRuntime::colorRecord(orb::ColorId id)
{
    auto lock = d->locked();
    const orb::Record* record = d->scene.color(id);
    return record ? d->scene.handOut(*record) : nullptr;
}

orb::Record* MemoryRuntime::colorwayRecord(orb::ColorwayId id)
{
    auto lock = d->locked();
    const orb::Record* record = d->scene.colorway(id);
    return record ? d->scene.handOut(*record) : nullptr;
}

orb::Record* MemoryRuntime::colorSettingsRecord()
{
    auto lock = d->locked();
    const orb::Record* record = d->scene.settings();
    return record ? d->scene.handOut(*record) : nullptr;
}

bool MemoryRuntime::commitColor(orb::Record* record)
{
    auto lock = d->locked();
    return record && d->scene.commit(*record, orb::ColorRecord);
}

bool MemoryRuntime::commitColorway(orb::Record* record)
{
    auto lock = d->locked();
    return record && d->scene.commit(*record, orb::ColorwayRecord);
}

bool MemoryRuntime::commitColorSettings(orb::Record* record)
{
    auto lock = d->locked();
    return record && d->scene.commit(*record, orb::ColorSettingsRecord);
}

// Any record this scene handed out may come back through any of the three.
void MemoryRuntime::releaseColor(orb::Record* record)
{
    auto lock = d->locked();
    d->scene.release(record);
}

void MemoryRuntime::releaseColorway(orb::Record* record) { releaseColor(record); }
void MemoryRuntime::releaseColorSettings(orb::Record* record) { releaseColor(record); }

// Flags 1 asks for a deep copy that keeps the id; no other copy is offered.
orb::Record* MemoryRuntime::copyRecord(const orb::Record* record, int flags)
{
    if (!record || flags != 1)
        return nullptr;
    auto lock = d->locked();
    return d->scene.handOut(*record);
}

bool MemoryRuntime::setMaterialMetaData(orb::MaterialId id, const orb::MetaData& value)
{
    auto lock = d->locked();
    Material* material = d->scene.material(id);
    if (!material)
        return false;
    material->setMetaData(value);
    return true;
}


orb::ColorId MemoryRuntime::createColor(const std::string& name, orbColor_rgba value)
{
    auto lock = d->locked();
    orb::Record* record = d->scene.addColor(orb::InvalidId, name);
    if (!record)
        return orb::InvalidId;
    put(record->fields[ColorValue], value);
    return record->id;
}

orb::ColorId MemoryRuntime::createMultiColor(const std::string& name, const std::vector<orb::ColorId>& subColors,
                                             orb::ColorId active)
{
    auto lock = d->locked();
    if (active == orb::InvalidId && !subColors.empty())
        active = subColors.front();
    if (!d->scene.allColorsExist(subColors)
        || (active != orb::InvalidId && std::ranges::find(subColors, active) == subColors.end()))
        return orb::InvalidId;
    orb::Record* record = d->scene.addColor(orb::InvalidId, name);
    if (!record)
        return orb::InvalidId;
    put(record->fields[ColorFlags], MultiColorFlag);
    updateList(record->fields[ColorSubColors], subColors, Heap::Scene);
    put(record->fields[ColorActiveSub], active);
    if (const orb::Record* shown = d->scene.color(active))
        put(record->fields[ColorValue], get<orbColor_rgba>(shown->fields[ColorValue]));
    return record->id;
}

orb::ColorwayId MemoryRuntime::createColorway(const std::string& name, const std::vector<orb::ColorId>& multiColors,
                                              const std::vector<orb::ColorId>& subColors)
{
    auto lock = d->locked();
    orb::Record* record = d->scene.addColorway(orb::InvalidId, name);
    if (!record)
        return orb::InvalidId;
    updateList(record->fields[ColorwayMultiColors], multiColors, Heap::Scene);
    updateList(record->fields[ColorwaySubColors], subColors, Heap::Scene);
    return record->id;
}

bool MemoryRuntime::setColorValue(orb::ColorId id, orbColor_rgba value)
{
    auto lock = d->locked();
    orb::Record* record = d->scene.color(id);
    if (!record)
        return false;
    if (update(record->fields[ColorValue], value))
        d->scene.colorsChanged();
    return true;
}

bool MemoryRuntime::setColorName(orb::ColorId id, const std::string& name)
{
    auto lock = d->locked();
    orb::Record* record = d->scene.color(id);
    if (!record)
        return false;
    if (d->scene.updateText(record->fields[ColorName], name))
        d->scene.colorsChanged();
    return true;
}

bool MemoryRuntime::activateColorway(orb::ColorwayId id)
{
    auto lock = d->locked();
    return d->scene.activateColorway(id);
}

void MemoryRuntime::setColorSettingsPresent(bool present)
{
    auto lock = d->locked();
    d->scene.setSettingsPresent(present);
}

orb::MaterialId MemoryRuntime::createMaterial(MaterialContent content)
{
    auto lock = d->locked();
    if (!d->scene.allColorsExist(content.colors))
        return orb::InvalidId;
    return d->scene.addMaterial(std::move(content));
}

orb::MaterialId MemoryRuntime::createMaterial(std::string name, std::vector<orb::ColorId> colors)
{
    MaterialContent content;
    content.name = std::move(name);
    content.colors = std::move(colors);
    return createMaterial(std::move(content));
}

bool MemoryRuntime::setMaterialColors(orb::MaterialId id, std::vector<orb::ColorId> colors)
{
    auto lock = d->locked();
    Material* material = d->scene.material(id);
    if (!material || !d->scene.allColorsExist(colors))
        return false;
    material->colors = std::move(colors);
    return true;
}

std::vector<orb::ColorId> MemoryRuntime::materialColors(orb::MaterialId id) const
{
    auto lock = d->locked();
    const Material* material = d->scene.material(id);
    return material ? material->colors : std::vector<orb::ColorId>();
}

std::optional<MaterialContent> MemoryRuntime::materialContent(orb::MaterialId id) const
{
    auto lock = d->locked();
    const Material* material = d->scene.material(id);
    return material ? std::optional(material->content()) : std::nullopt;
}

bool MemoryRuntime::removeMaterial(orb::MaterialId id)
{
    auto lock = d->locked();
    return d->scene.removeMaterial(id);
}

// Light layers: the runtime's operations act on the live database and the
// objects' masks; items are only assigned to layers that exist and are not
// deleted.
void MemoryRuntime::setLightLayerMembership(orb::LightLayerId layer, orb::Span<const orb::ObjectId> lights,
                                            bool remove)
{
    auto lock = d->locked();
    orbLight_layer_db& db = d->scene.lightLayers();
    remove ? db.remove_lights(layer, lights) : db.add_lights(layer, lights);
}

void MemoryRuntime::assignItemsToLightLayer(orb::LightLayerId layer, orb::Span<const orb::ObjectId> items)
{
    auto lock = d->locked();
    const orbLight_layer_db& db = d->scene.lightLayers();
    const std::uint32_t mask = db.layer_bitmask(layer);
    if (mask != orb::InvalidId && !(db.get_flags(layer) & orb::LayerDeleted))
        d->scene.hierarchy().assignMask(items, mask);
}

void MemoryRuntime::setLightLayerFlags(orb::LightLayerId layer, std::uint32_t flags)
{
    auto lock = d->locked();
    d->scene.lightLayers().set_flags(layer, flags);
}

orb::GroupItemId MemoryRuntime::hierarchyRoot() const
{
    return d->scene.hierarchy().rootId();
}

orb::GroupItemId MemoryRuntime::addGroup(orb::GroupItemId parent, std::uint32_t flags)
{
    auto lock = d->locked();
    return d->scene.hierarchy().addGroup(parent, flags);
}

orb::GroupItemId MemoryRuntime::addObject(orb::GroupItemId parent)
{
    auto lock = d->locked();
    return d->scene.hierarchy().addObject(parent, false);
}

orb::ObjectId MemoryRuntime::addLight(orb::GroupItemId parent)
{
    auto lock = d->locked();
    const orb::ObjectId id = d->scene.hierarchy().addObject(parent, true);
    if (id != orb::InvalidId)
        d->scene.lightLayers().add_lights(orbLight_layer_db::DefaultLayer, {&id, 1});
    return id;
}

bool MemoryRuntime::addChild(orb::GroupItemId parent, orb::GroupItemId item)
{
    auto lock = d->locked();
    return d->scene.hierarchy().addChild(parent, item, false);
}

bool MemoryRuntime::addChildHostile(orb::GroupItemId parent, orb::GroupItemId item)
{
    auto lock = d->locked();
    return d->scene.hierarchy().addChild(parent, item, true);
}

bool MemoryRuntime::setExcluded(orb::GroupItemId object, bool excluded)
{
    auto lock = d->locked();
    MemoryObject* found = d->scene.hierarchy().object(object);
    if (found)
        found->light_flags = excluded ? found->light_flags | orbObject::ExcludedBit
                                      : found->light_flags & ~orbObject::ExcludedBit;
    return found;
}

bool MemoryRuntime::setShaderAnswer(orb::GroupItemId object, std::optional<std::uint32_t> answer)
{
    auto lock = d->locked();
    return d->scene.hierarchy().setShader(object, answer);
}

bool MemoryRuntime::setObjectMask(orb::GroupItemId object, std::uint32_t mask)
{
    auto lock = d->locked();
    MemoryObject* found = d->scene.hierarchy().object(object);
    if (found)
        found->mask = mask;
    return found;
}

bool MemoryRuntime::setMaskReadable(orb::GroupItemId object, bool readable)
{
    auto lock = d->locked();
    MemoryObject* found = d->scene.hierarchy().object(object);
    if (found)
        found->maskReadable = readable;
    return found;
}

std::optional<std::uint32_t> MemoryRuntime::objectMask(orb::GroupItemId object) const
{
    auto lock = d->locked();
    const MemoryObject* found = d->scene.hierarchy().object(object);
    std::uint32_t mask;
    if (!found || !found->read_data(orbObject::LightLayerMaskDatum, &mask, sizeof mask))
        return std::nullopt;
    return mask;
}

orb::LightLayerId MemoryRuntime::objectLayer(orb::GroupItemId object) const
{
    const std::optional<std::uint32_t> mask = objectMask(object);
    auto lock = d->locked();
    return mask ? d->scene.lightLayers().layer_id_from_mask(*mask) : orb::InvalidId;
}

void MemoryRuntime::setEnvironmentLightMask(std::uint32_t mask)
{
    auto lock = d->locked();
    d->scene.lightLayers().environment_light_mask = mask;
}

// Paint surfaces.
orb::SurfaceId MemoryRuntime::createPaintSurface(PaintSurfaceContent content)
{
    return d->scene.painterFactory().painter().addSurface(std::move(content));
}

std::optional<PaintSurfaceContent> MemoryRuntime::paintSurface(orb::SurfaceId id) const
{
    const PaintSurface* surface = d->scene.painterFactory().painter().surface(id);
    return surface ? std::optional(surface->content()) : std::nullopt;
}

void MemoryRuntime::setPaintWorkTime(std::chrono::microseconds time)
{
    d->scene.painterFactory().painter().setWorkTime(time);
}

// Brush nodes.
orb::painter::orbBrush_node_record* MemoryRuntime::brushNodeRecord(orb::painter::orbBrush_node* node)
{
    auto lock = d->locked();
    orb::painter::orbBrush_node* known = d->scene.brushNodes().find(node);
    return known ? &known->record : nullptr;
}

void MemoryRuntime::brushNodeChanged(orb::painter::orbBrush_node* node)
{
    auto lock = d->locked();
    if (orb::painter::orbBrush_node* known = d->scene.brushNodes().find(node))
        ++known->changeCount;
}

void MemoryRuntime::setLengthUnitScale(float scale)
{
    auto lock = d->locked();
    d->scene.brushNodes().lengthUnitScale = scale;
}

int MemoryRuntime::brushNodeChangedCount(orb::painter::orbBrush_node* node) const
{
    auto lock = d->locked();
    const orb::painter::orbBrush_node* known = d->scene.brushNodes().find(node);
    return known ? known->changeCount : 0;
}

} // namespace orb
