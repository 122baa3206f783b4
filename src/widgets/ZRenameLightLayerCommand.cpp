#include "ZRenameLightLayerCommand.h"

#include <zsg/lightlayer/ILightLayerApi.h>

#include <QCoreApplication>

namespace zsg {

ZRenameLightLayerCommand::ZRenameLightLayerCommand(ILightLayerApi* api, orb::LightLayerId layer, std::string newName,
                                                   std::string oldName)
    : ZUndoCommand(-1, QCoreApplication::translate("zsg::ZRenameLightLayerCommand", "Rename Light Layer (%1)")
                           .arg(QString::fromStdString(newName))),
      m_api(api),
      m_layer(layer),
      m_newName(std::move(newName)),
      m_oldName(std::move(oldName))
{
}

bool ZRenameLightLayerCommand::undo()
{
    m_api->setLayerName(m_layer, m_oldName);
    return true;
}

bool ZRenameLightLayerCommand::redo()
{
    m_api->setLayerName(m_layer, m_newName);
    return true;
}

} // namespace zsg
