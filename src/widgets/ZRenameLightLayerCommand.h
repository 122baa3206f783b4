#pragma once

#include <zsg/platform/OrbTypes.h>
#include <zsg/platform/ZUndoCommand.h>

#include <string>

namespace zsg {

class ILightLayerApi;

/// Renames a light layer and back: the light layer controller offers no
/// undoable rename. The API makes each name unique and announces the change.
class ZRenameLightLayerCommand : public ZUndoCommand
{
public:
    ZRenameLightLayerCommand(ILightLayerApi* api, orb::LightLayerId layer, std::string newName, std::string oldName);

    bool undo() override;
    bool redo() override;

private:
    ILightLayerApi* m_api;
    orb::LightLayerId m_layer;
    std::string m_newName;
    std::string m_oldName;
};

} // namespace zsg
