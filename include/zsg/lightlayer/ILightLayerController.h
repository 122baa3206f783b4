#pragma once

#include <zsg/Export.h>
#include <zsg/lightlayer/ILightLayerApi.h>

#include <string>

namespace zsg {

/// Every light layer edit a user makes, as a command on the application's undo
/// stack; layer flags are set without undo. Without an undo stack each command
/// runs once and is dropped, so nothing can be undone.
class ZSG_EXPORT ILightLayerController
{
public:
    virtual ~ILightLayerController() = default;

    virtual ILightLayerApi* lightLayerApi() const = 0;
    // The new layer's id, or InvalidId; the step stays on the stack either way.
    virtual orb::LightLayerId createLayer(const std::string& name) = 0;
    virtual void deleteLayer(orb::LightLayerId layer) = 0;
    // On a layer with LayerReversed set, adding removes and removing adds.
    // Consecutive changes of one layer in one direction are one step.
    virtual void addLights(orb::LightLayerId layer, orb::Span<const orb::ObjectId> lights) = 0;
    virtual void removeLights(orb::LightLayerId layer, orb::Span<const orb::ObjectId> lights) = 0;
    // Undo puts the objects back that the first redo recorded (excluded ones and
    // groups flagged 0x4084800 are not recorded; nothing over a foreign API).
    virtual void setItemsLayer(orb::LightLayerId layer, orb::Span<const orb::GroupItemId> items) = 0;
    virtual void setFlags(orb::LightLayerId layer, LightLayerFlags flags) = 0;
};

} // namespace zsg
