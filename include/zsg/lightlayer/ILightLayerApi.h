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
    // A new layer with the source's content, named "dummy"; InvalidId when
    // the renderer has no layer left.
    virtual orb::LightLayerId cloneLayer(orb::LightLayerId source) = 0;
    virtual std::uint32_t layerCount() = 0;
    // Owning arrays: release with orb::Unique_array_helper::free.
    virtual orb::Array<orb::LightLayerId> layers() = 0;
    virtual orb::Array<orb::ObjectId> lights(orb::LightLayerId layer) = 0;
    // The layers of the objects under the items, ascending, each once.
    virtual std::vector<orb::LightLayerId> layersOfItems(orb::Span<const orb::GroupItemId> items) = 0;
    virtual bool contains(orb::LightLayerId layer, orb::ObjectId light) = 0;
    // The objects whose mask is the layer's, in scene order.
    virtual std::vector<orb::GroupItemId> getLayerItems(orb::LightLayerId layer) = 0;
    // A layer with a unique name derived from `name`; InvalidId for an empty name.
    virtual orb::LightLayerId createLayer(const std::string& name) = 0;
    // The layer stays, marked deleted; its objects go to the default layer.
    virtual void deleteLayer(orb::LightLayerId layer) = 0;
    // Empty or unchanged names do nothing; others are made unique.
    virtual void setLayerName(orb::LightLayerId layer, const std::string& name) = 0;
    virtual std::string layerName(orb::LightLayerId layer) = 0;
    // Lights of the default layer among `lights` move into a new layer "New Layer".
    virtual void createLayerFromLights(orb::Span<const orb::ObjectId> lights) = 0;
    // Every object under the items (exclusion not consulted) goes into the
    // layer. The mirror is not written: it follows at the next sync().
    virtual void setItemsLayer(orb::LightLayerId layer, orb::Span<const orb::GroupItemId> items) = 0;
    virtual void addLights(orb::LightLayerId layer, orb::Span<const orb::ObjectId> lights) = 0;
    virtual void removeLights(orb::LightLayerId layer, orb::Span<const orb::ObjectId> lights) = 0;
    virtual void setFlags(orb::LightLayerId layer, LightLayerFlags flags) = 0;
    virtual LightLayerFlags flags(orb::LightLayerId layer) = 0;
    // The layers, the environment light mask and every layer's flags and
    // lights, as text on standard output.
    virtual void dump() = 0;
};

} // namespace zsg
