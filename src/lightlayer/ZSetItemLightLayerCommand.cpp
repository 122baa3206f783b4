#include <zsg/lightlayer/ZSetItemLightLayerCommand.h>

#include <zsg/lightlayer/ZLightLayerApi.h>

#include <QCoreApplication>

namespace zsg {

ZSetItemLightLayerCommand::ZSetItemLightLayerCommand(ILightLayerApi* api, orb::LightLayerId layer,
                                                     std::vector<orb::GroupItemId> items)
    : ZUndoCommand(Id, QCoreApplication::translate("ZUndoCommand", "Update light layer")),
      m_api(api),
      m_layer(layer),
      m_items(std::move(items))
{
}

ZSetItemLightLayerCommand::~ZSetItemLightLayerCommand() = default;

bool ZSetItemLightLayerCommand::undo()
{
    for (const auto& [layer, objects] : m_previous)
        m_api->setItemsLayer(layer, {objects.data(), objects.size()});
    return true;
}

bool ZSetItemLightLayerCommand::redo()
{
    const orb::Span<const orb::GroupItemId> items(m_items.data(), m_items.size());
    if (m_takePrevious) {
        // Only the library's own API can say where the objects are now.
        if (const auto* concrete = dynamic_cast<const ZLightLayerApi*>(m_api))
            m_previous = concrete->getLayerIdMap(items);
        m_takePrevious = false;
    }
    m_api->setItemsLayer(m_layer, items);
    return true;
}

} // namespace zsg
