#include <zsg/lightlayer/ZDeleteLightLayerCommand.h>

#include <zsg/lightlayer/ILightLayerApi.h>

#include <QCoreApplication>

namespace zsg {

ZDeleteLightLayerCommand::ZDeleteLightLayerCommand(ILightLayerApi* api, orb::LightLayerId layer)
    : ZUndoCommand(Id, QCoreApplication::translate("ZUndoCommand", "Delete light layer")),
      m_api(api),
      m_layer(layer)
{
    setText(QCoreApplication::translate("ZUndoCommand", "Delete Light Layer (%1)")
                .arg(QString::fromStdString(m_api->layerName(m_layer))));
}

ZDeleteLightLayerCommand::~ZDeleteLightLayerCommand() = default;

bool ZDeleteLightLayerCommand::undo()
{
    m_api->setFlags(m_layer, m_api->flags(m_layer).setFlag(orb::LayerDeleted, false));
    m_api->setItemsLayer(m_layer, {m_items.data(), m_items.size()});
    return true;
}

bool ZDeleteLightLayerCommand::redo()
{
    // An empty record is taken again at every redo.
    if (m_items.empty())
        m_items = m_api->getLayerItems(m_layer);
    m_api->deleteLayer(m_layer);
    return true;
}

} // namespace zsg
