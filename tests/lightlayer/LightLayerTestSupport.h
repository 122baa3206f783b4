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

inline QString layerLine(orb::LightLayerId id, const char* name, std::uint32_t flags, const Ids& lights)
{
    QStringList words{QString::number(id), QString::fromUtf8(name ? name : "-"), QString::number(flags)};
    for (std::uint32_t light : lights)
        words << QString::number(light);
    return words.join(QLatin1Char(' '));
}

// Every layer, "id name flags lights...", of a database or of the API's mirror,
// so that a test compares both sides at any time, synced or not.
inline QStringList layersOf(const orbLight_layer_db& db)
{
    QStringList lines;
    for (orb::LightLayerId id : take(db.get_layers()))
        lines << layerLine(id, db.get_layer_name(id), db.get_flags(id), take(db.get_lights(id)));
    return lines;
}

inline QStringList layersOf(ILightLayerApi& api)
{
    QStringList lines;
    for (orb::LightLayerId id : take(api.layers())) {
        const std::string name = api.layerName(id);
        lines << layerLine(id, name.empty() ? nullptr : name.c_str(), api.flags(id).bits, take(api.lights(id)));
    }
    return lines;
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
