#pragma once
// Shared by the light layer tests: a scene over a runtime that records the
// item assignments it receives, with the API, controller and event recorder.

#include "color/ColorTestSupport.h"
#include "support/EventRecorder.h"

#include <zsg/lightlayer/ZLightLayerApi.h>
#include <zsg/lightlayer/ZLightLayerController.h>
#include <zsg/platform/ZUndoStack.h>
#include <zsg/scenegraph/ZEventQueue.h>

#include <orbmem/MemoryRuntime.h>

#include <utility>
#include <vector>

namespace zsg::test {

using Ids = std::vector<std::uint32_t>;

inline QString layerUpdated(orb::LightLayerId id) { return QStringLiteral("LightLayerUpdated layer=%1").arg(id); }

inline orb::Span<const std::uint32_t> span(const Ids& ids) { return {ids.data(), ids.size()}; }

// Copies and frees an owning array.
inline Ids take(orb::Array<std::uint32_t> array)
{
    Ids ids(array.data, array.data + array.count);
    orb::Unique_array_helper::free(array.data);
    return ids;
}

class SpyRuntime : public orb::MemoryRuntime {
public:
    void assignItemsToLightLayer(orb::LightLayerId layer, orb::Span<const orb::ObjectId> items) override
    {
        assigned.emplace_back(layer, Ids(items.begin(), items.end()));
        MemoryRuntime::assignItemsToLightLayer(layer, items);
    }
    std::vector<std::pair<orb::LightLayerId, Ids>> assigned;
};

struct LightLayerScene {
    orb::LightLayerId layerOf(orb::GroupItemId object) const { return runtime.objectLayer(object); }
    std::uint32_t bit(orb::LightLayerId layer) const { return live.layer_bitmask(layer); }

    LeakCheck leaks;  // first, so that it checks after everything else is gone
    SpyRuntime runtime;
    orbLight_layer_db& live = *orb_light_layer_db_get(runtime.scene());
    ZEventQueue queue;
    EventRecorder events{&queue};
    ZLightLayerApi api{&queue, &runtime};
    ZUndoStack stack;
    ZLightLayerController controller{&api, &stack};
    const orb::GroupItemId root = runtime.hierarchyRoot();
};

} // namespace zsg::test
