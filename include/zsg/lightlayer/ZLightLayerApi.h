#pragma once

#include <zsg/lightlayer/ILightLayerApi.h>

#include <map>
#include <memory>
#include <vector>

class orbRT_api;

namespace zsg {

class IEventQueue;

/// The light layer API over a renderer runtime. The live database is the
/// scene's, fetched once at construction; the mirror is owned and starts in the
/// renderer's default state. The event queue may be null (nothing is posted).
class ZSG_EXPORT ZLightLayerApi : public ILightLayerApi
{
public:
    using LayerIdMap = std::map<orb::LightLayerId, std::vector<orb::GroupItemId>>;

    ZLightLayerApi(IEventQueue* eventQueue, orbRT_api* rtApi);
    ~ZLightLayerApi() override;

    ZLightLayerApi(const ZLightLayerApi&) = delete;
    ZLightLayerApi& operator=(const ZLightLayerApi&) = delete;

    void sync() override;
    orb::LightLayerId cloneLayer(orb::LightLayerId source) override;
    std::uint32_t layerCount() override;
    orb::Array<orb::LightLayerId> layers() override;
    orb::Array<orb::ObjectId> lights(orb::LightLayerId layer) override;
    std::vector<orb::LightLayerId> layersOfItems(orb::Span<const orb::GroupItemId> items) override;
    bool contains(orb::LightLayerId layer, orb::ObjectId light) override;
    std::vector<orb::GroupItemId> getLayerItems(orb::LightLayerId layer) override;
    orb::LightLayerId createLayer(const std::string& name) override;
    void deleteLayer(orb::LightLayerId layer) override;
    void setLayerName(orb::LightLayerId layer, const std::string& name) override;
    std::string layerName(orb::LightLayerId layer) override;
    void createLayerFromLights(orb::Span<const orb::ObjectId> lights) override;
    void setItemsLayer(orb::LightLayerId layer, orb::Span<const orb::GroupItemId> items) override;
    void addLights(orb::LightLayerId layer, orb::Span<const orb::ObjectId> lights) override;
    void removeLights(orb::LightLayerId layer, orb::Span<const orb::ObjectId> lights) override;
    void setFlags(orb::LightLayerId layer, LightLayerFlags flags) override;
    LightLayerFlags flags(orb::LightLayerId layer) override;
    void dump() override;

    // For every object under the items (excluded objects and groups flagged
    // 0x4084800 left out), the layer its mask maps to in the mirror; an
    // unreadable mask counts as 0. Lists are in scene order.
    LayerIdMap getLayerIdMap(orb::Span<const orb::GroupItemId> items) const;

private:
    orbScene* scene() const;
    void postUpdated(orb::LightLayerId layer);

    IEventQueue* m_eventQueue;
    orbRT_api* m_rtApi;
    orbLight_layer_db* m_live;
    std::uint32_t m_environmentLightMask = 0;
    std::unique_ptr<orbLight_layer_db> m_mirror;
};

} // namespace zsg
