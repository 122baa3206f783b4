#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbTypes.h>
#include <zsg/platform/ZUndoCommand.h>

#include <map>
#include <vector>

namespace zsg {

class ILightLayerApi;

/// Moves the objects under the items into a layer. The first redo records
/// which layer each object was in (through ZLightLayerApi::getLayerIdMap; an
/// API of another class records nothing), and undo moves them back.
class ZSG_EXPORT ZSetItemLightLayerCommand : public ZUndoCommand
{
public:
    static constexpr ZCommandId Id = 185;
    using LayerIdMap = std::map<orb::LightLayerId, std::vector<orb::GroupItemId>>;

    ZSetItemLightLayerCommand(ILightLayerApi* api, orb::LightLayerId layer, std::vector<orb::GroupItemId> items);
    ~ZSetItemLightLayerCommand() override;

    bool undo() override;
    bool redo() override;

    const LayerIdMap& previous() const { return m_previous; }

private:
    ILightLayerApi* m_api;
    orb::LightLayerId m_layer;
    std::vector<orb::GroupItemId> m_items;
    LayerIdMap m_previous;
    bool m_takePrevious = true;
};

} // namespace zsg
