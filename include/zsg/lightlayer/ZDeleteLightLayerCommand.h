#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbTypes.h>
#include <zsg/platform/ZUndoCommand.h>

#include <vector>

namespace zsg {

class ILightLayerApi;

/// Deletes a layer, recording the objects in it the first time it finds any;
/// undo restores the layer and puts those objects back into it.
class ZSG_EXPORT ZDeleteLightLayerCommand : public ZUndoCommand
{
public:
    static constexpr ZCommandId Id = 185;

    ZDeleteLightLayerCommand(ILightLayerApi* api, orb::LightLayerId layer);
    ~ZDeleteLightLayerCommand() override;

    bool undo() override;
    bool redo() override;

    const std::vector<orb::GroupItemId>& items() const { return m_items; }

private:
    ILightLayerApi* m_api;
    orb::LightLayerId m_layer;
    std::vector<orb::GroupItemId> m_items;
};

} // namespace zsg
