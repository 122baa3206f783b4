#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbLightLayer.h>

#include <cstdint>
#include <string>
#include <vector>

namespace zsg {

using LightLayerFlags = orb::Flags<orb::layerFlags>;

/// The library's single entry to the renderer's light layers. Queries answer
/// from a private mirror of the database, which follows the renderer only at
/// sync(); every change is announced with LightLayerUpdatedEvent. No undo.
class ZSG_EXPORT ILightLayerApi
{
public:
    virtual ~ILightLayerApi() = default;

    // Makes the mirror a copy of the renderer's database; LightLayerSyncedEvent.
    virtual void sync() = 0;
    // A new layer "dummy" with the source's lights and flags; InvalidId when the
    // renderer has no id left (the event is posted with InvalidId all the same).
    virtual orb::LightLayerId cloneLayer(orb::LightLayerId source) = 0;
    virtual std::uint32_t layerCount() = 0;
    // Owning arrays: release with orb::Unique_array_helper::free.
    virtual orb::Array<orb::LightLayerId> layers() = 0;
    virtual orb::Array<orb::ObjectId> lights(orb::LightLayerId layer) = 0;
    // The layers of the objects under the items, ascending, each once.
    virtual std::vector<orb::LightLayerId> layersOfItems(orb::Span<const orb::GroupItemId> items) = 0;
    virtual bool contains(orb::LightLayerId layer, orb::ObjectId light) = 0;
    // The objects whose mask is the layer's, in walk order (shared ones repeated,
    // a group on its own path not re-entered); empty when too many to list.
    virtual std::vector<orb::GroupItemId> getLayerItems(orb::LightLayerId layer) = 0;
    // A layer with a unique name derived from `name`; InvalidId for an empty name
    // (nothing posted) or when the renderer has no id left (posted all the same).
    virtual orb::LightLayerId createLayer(const std::string& name) = 0;
    // The layer stays, marked deleted; its objects go to the default layer.
    virtual void deleteLayer(orb::LightLayerId layer) = 0;
    // Empty or unchanged names do nothing; others are made unique.
    virtual void setLayerName(orb::LightLayerId layer, const std::string& name) = 0;
    virtual std::string layerName(orb::LightLayerId layer) = 0;
    // Lights the renderer lists in the default layer join a new layer named after
    // "New Layer"; they stay in the default layer as well.
    virtual void createLayerFromLights(orb::Span<const orb::ObjectId> lights) = 0;
    // Every object under the items (exclusion not consulted) goes into the
    // layer; the mirror follows at the next sync(). Each group is walked once.
    virtual void setItemsLayer(orb::LightLayerId layer, orb::Span<const orb::GroupItemId> items) = 0;
    virtual void addLights(orb::LightLayerId layer, orb::Span<const orb::ObjectId> lights) = 0;
    virtual void removeLights(orb::LightLayerId layer, orb::Span<const orb::ObjectId> lights) = 0;
    // Every bit reaches the mirror and the renderer unchanged.
    virtual void setFlags(orb::LightLayerId layer, LightLayerFlags flags) = 0;
    virtual LightLayerFlags flags(orb::LightLayerId layer) = 0;
    // The mirror's layers, the environment light mask of the last sync and every
    // layer's flags and lights, as text on standard output.
    virtual void dump() = 0;
};

} // namespace zsg
