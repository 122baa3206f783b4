#include <zsg/lightlayer/ZCreateLightLayerCommand.h>

#include <zsg/lightlayer/ILightLayerApi.h>

#include <QCoreApplication>

namespace zsg {

ZCreateLightLayerCommand::ZCreateLightLayerCommand(ILightLayerApi* api, std::string name)
    : ZUndoCommand(Id, QCoreApplication::translate("ZUndoCommand", "Create light layer")),
      m_api(api),
      m_name(std::move(name))
{
}

ZCreateLightLayerCommand::~ZCreateLightLayerCommand() = default;

bool ZCreateLightLayerCommand::undo()
{
    m_api->deleteLayer(*m_layer);
    return true;
}

bool ZCreateLightLayerCommand::redo()
{
    orb::LightLayerId& layer = *m_layer;
    if (layer == orb::InvalidId) {
        layer = m_api->createLayer(m_name);
        if (layer != orb::InvalidId)
            setText(QCoreApplication::translate("ZUndoCommand", "Create Light Layer (%1)")
                        .arg(QString::fromStdString(m_api->layerName(layer))));
        return true;
    }
    // The layer undo deleted is still there, marked; unmarking restores it.
    m_api->setFlags(layer, m_api->flags(layer).setFlag(orb::LayerDeleted, false));
    return true;
}

} // namespace zsg
