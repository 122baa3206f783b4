#include "OrbScene.h"

#include <orbmem/MemoryRuntime.h>

#include <atomic>
#include <mutex>

orbRT_api::~orbRT_api() = default;
orbScene_api::~orbScene_api() = default;

namespace orb {

struct MemoryRuntime::Private {
    orbScene scene;
    std::recursive_mutex mutex;
    std::atomic<int> lockDepth{0};
    std::atomic<int> sceneChanged{0};
    std::atomic<int> renderRefreshes{0};
};

MemoryRuntime::MemoryRuntime() : d(std::make_unique<Private>()) {}
MemoryRuntime::~MemoryRuntime() = default;

orbScene* MemoryRuntime::scene() { return &d->scene; }

void MemoryRuntime::lock()
{
    d->mutex.lock();
    ++d->lockDepth;
}

void MemoryRuntime::unlock()
{
    --d->lockDepth;
    d->mutex.unlock();
}

void MemoryRuntime::sceneChanged(int) { ++d->sceneChanged; }
void MemoryRuntime::refreshRender(int) { ++d->renderRefreshes; }

int MemoryRuntime::lockDepth() const { return d->lockDepth; }
int MemoryRuntime::sceneChangedCount() const { return d->sceneChanged; }
int MemoryRuntime::renderRefreshCount() const { return d->renderRefreshes; }

// The records, materials, light layers and brush graphs below are not kept by
// this runtime yet: every request reports "none" and every write fails.
orb::Record* MemoryRuntime::colorRecord(orb::ColorId) { return nullptr; }
orb::Record* MemoryRuntime::colorwayRecord(orb::ColorwayId) { return nullptr; }
orb::Record* MemoryRuntime::colorSettingsRecord() { return nullptr; }
bool MemoryRuntime::commitColor(orb::Record*) { return false; }
bool MemoryRuntime::commitColorway(orb::Record*) { return false; }
bool MemoryRuntime::commitColorSettings(orb::Record*) { return false; }
void MemoryRuntime::releaseColor(orb::Record*) {}
void MemoryRuntime::releaseColorway(orb::Record*) {}
void MemoryRuntime::releaseColorSettings(orb::Record*) {}
orb::Record* MemoryRuntime::copyRecord(const orb::Record*, int) { return nullptr; }
bool MemoryRuntime::setMaterialMetaData(orb::MaterialId, const orb::MetaData&) { return false; }
void MemoryRuntime::setLightLayerMembership(orb::LightLayerId, orb::Span<const orb::ObjectId>, bool) {}
void MemoryRuntime::assignItemsToLightLayer(orb::LightLayerId, orb::Span<const orb::ObjectId>) {}
void MemoryRuntime::setLightLayerFlags(orb::LightLayerId, std::uint32_t) {}
void* MemoryRuntime::brushNodeRecord(orb::painter::orbBrush_node*) { return nullptr; }
void MemoryRuntime::brushNodeChanged(orb::painter::orbBrush_node*) {}

} // namespace orb
