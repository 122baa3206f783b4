#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbTypes.h>
#include <zsg/platform/ZUndoCommand.h>

#include <memory>
#include <string>

namespace zsg {

class ILightLayerApi;

/// Creates a layer at its first redo and keeps its id; undo deletes the layer
/// and later redos restore it by clearing LayerDeleted. The text names the
/// layer by the unique name it was given.
class ZSG_EXPORT ZCreateLightLayerCommand : public ZUndoCommand
{
public:
    static constexpr ZCommandId Id = 184;

    ZCreateLightLayerCommand(ILightLayerApi* api, std::string name);
    ~ZCreateLightLayerCommand() override;

    bool undo() override;
    bool redo() override;

    // Where the command keeps the created id (InvalidId until a redo creates the
    // layer); it outlives the command, which a stack may delete at any time.
    std::shared_ptr<const orb::LightLayerId> layerId() const { return m_layer; }

private:
    ILightLayerApi* m_api;
    std::string m_name;
    std::shared_ptr<orb::LightLayerId> m_layer = std::make_shared<orb::LightLayerId>(orb::InvalidId);
};

} // namespace zsg
