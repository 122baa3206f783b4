#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbTypes.h>
#include <zsg/platform/ZUndoCommand.h>

#include <cstdint>
#include <vector>

namespace zsg {

class ILightLayerApi;

/// Adds lights to a layer or removes them; undo does the opposite. A newer
/// change of the same layer in the same direction merges into it, its lights
/// appended (duplicates kept).
class ZSG_EXPORT ZChangeLightsInLightLayerCommand : public ZUndoCommand
{
public:
    static constexpr ZCommandId Id = 185;

    enum Direction : std::uint32_t {
        Add = 0,     // redo adds, undo removes
        Remove = 1,  // redo removes, undo adds
    };

    ZChangeLightsInLightLayerCommand(ILightLayerApi* api, std::vector<orb::ObjectId> lights, orb::LightLayerId layer,
                                     std::uint32_t direction);
    ~ZChangeLightsInLightLayerCommand() override;

    bool undo() override;
    bool redo() override;
    bool mergeWith(const ZUndoCommand* other) override;

    const std::vector<orb::ObjectId>& lights() const { return m_lights; }

private:
    void apply(bool add);

    ILightLayerApi* m_api;
    std::vector<orb::ObjectId> m_lights;
    orb::LightLayerId m_layer;
    std::uint32_t m_direction;
};

} // namespace zsg
