#pragma once

#include <zsg/lightlayer/ILightLayerController.h>

namespace zsg {

class ZUndoCommand;
class ZUndoStack;

/// The light layer controller over a light layer API. Neither pointer is
/// owned; the undo stack may be null.
class ZSG_EXPORT ZLightLayerController : public ILightLayerController
{
public:
    ZLightLayerController(ILightLayerApi* api, ZUndoStack* undoStack);
    ~ZLightLayerController() override;

    ZLightLayerController(const ZLightLayerController&) = delete;
    ZLightLayerController& operator=(const ZLightLayerController&) = delete;

    ILightLayerApi* lightLayerApi() const override;
    orb::LightLayerId createLayer(const std::string& name) override;
    void deleteLayer(orb::LightLayerId layer) override;
    void addLights(orb::LightLayerId layer, orb::Span<const orb::ObjectId> lights) override;
    void removeLights(orb::LightLayerId layer, orb::Span<const orb::ObjectId> lights) override;
    void setItemsLayer(orb::LightLayerId layer, orb::Span<const orb::GroupItemId> items) override;
    void setFlags(orb::LightLayerId layer, LightLayerFlags flags) override;

private:
    // Pushes the command, or without a stack runs it once and deletes it.
    void push(ZUndoCommand* command);
    void changeLights(orb::LightLayerId layer, orb::Span<const orb::ObjectId> lights, bool add);

    ILightLayerApi* m_api;
    ZUndoStack* m_undoStack;
};

} // namespace zsg
