#include <zsg/lightlayer/ZChangeLightsInLightLayerCommand.h>

#include <zsg/lightlayer/ILightLayerApi.h>

#include <QCoreApplication>

namespace zsg {

ZChangeLightsInLightLayerCommand::ZChangeLightsInLightLayerCommand(ILightLayerApi* api,
                                                                   std::vector<orb::ObjectId> lights,
                                                                   orb::LightLayerId layer, std::uint32_t direction)
    : ZUndoCommand(Id, QCoreApplication::translate("ZUndoCommand", "Update light layer")),
      m_api(api),
      m_lights(std::move(lights)),
      m_layer(layer),
      m_direction(direction)
{
}

ZChangeLightsInLightLayerCommand::~ZChangeLightsInLightLayerCommand() = default;

bool ZChangeLightsInLightLayerCommand::undo()
{
    apply(m_direction != Add);
    return true;
}

bool ZChangeLightsInLightLayerCommand::redo()
{
    apply(m_direction == Add);
    return true;
}

void ZChangeLightsInLightLayerCommand::apply(bool add)
{
    const orb::Span<const orb::ObjectId> lights(m_lights.data(), m_lights.size());
    add ? m_api->addLights(m_layer, lights) : m_api->removeLights(m_layer, lights);
}

bool ZChangeLightsInLightLayerCommand::mergeWith(const ZUndoCommand* other)
{
    const auto* newer = dynamic_cast<const ZChangeLightsInLightLayerCommand*>(other);
    if (!newer || newer->id() != id() || newer->m_layer != m_layer || newer->m_direction != m_direction)
        return false;
    m_lights.insert(m_lights.end(), newer->m_lights.begin(), newer->m_lights.end());
    return true;
}

} // namespace zsg
