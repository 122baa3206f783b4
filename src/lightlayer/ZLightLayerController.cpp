#include <zsg/lightlayer/ZLightLayerController.h>

#include <zsg/lightlayer/ZChangeLightsInLightLayerCommand.h>
#include <zsg/lightlayer/ZCreateLightLayerCommand.h>
#include <zsg/lightlayer/ZDeleteLightLayerCommand.h>
#include <zsg/lightlayer/ZSetItemLightLayerCommand.h>
#include <zsg/platform/ZUndoStack.h>

#include <memory>

namespace zsg {

namespace {
template <typename T>
std::vector<T> toVector(orb::Span<const T> ids)
{
    return std::vector<T>(ids.begin(), ids.end());
}
} // namespace

ZLightLayerController::ZLightLayerController(ILightLayerApi* api, ZUndoStack* undoStack)
    : m_api(api), m_undoStack(undoStack)
{
}

ZLightLayerController::~ZLightLayerController() = default;

ILightLayerApi* ZLightLayerController::lightLayerApi() const
{
    return m_api;
}

void ZLightLayerController::push(ZUndoCommand* command)
{
    if (m_undoStack) {
        m_undoStack->push(command);
        return;
    }
    std::unique_ptr<ZUndoCommand> owned(command);
    owned->redo();
}

orb::LightLayerId ZLightLayerController::createLayer(const std::string& name)
{
    auto* command = new ZCreateLightLayerCommand(m_api, name);
    // Taken before the push: a host's slot on the stack may delete the command
    // before push returns.
    const std::shared_ptr<const orb::LightLayerId> created = command->layerId();
    push(command);
    return *created;
}

void ZLightLayerController::deleteLayer(orb::LightLayerId layer)
{
    push(new ZDeleteLightLayerCommand(m_api, layer));
}

void ZLightLayerController::changeLights(orb::LightLayerId layer, orb::Span<const orb::ObjectId> lights, bool add)
{
    const bool reversed = m_api->flags(layer).testFlag(orb::LayerReversed);
    const std::uint32_t direction = add == reversed ? ZChangeLightsInLightLayerCommand::Remove
                                                    : ZChangeLightsInLightLayerCommand::Add;
    push(new ZChangeLightsInLightLayerCommand(m_api, toVector(lights), layer, direction));
}

void ZLightLayerController::addLights(orb::LightLayerId layer, orb::Span<const orb::ObjectId> lights)
{
    changeLights(layer, lights, true);
}

void ZLightLayerController::removeLights(orb::LightLayerId layer, orb::Span<const orb::ObjectId> lights)
{
    changeLights(layer, lights, false);
}

void ZLightLayerController::setItemsLayer(orb::LightLayerId layer, orb::Span<const orb::GroupItemId> items)
{
    push(new ZSetItemLightLayerCommand(m_api, layer, toVector(items)));
}

void ZLightLayerController::setFlags(orb::LightLayerId layer, LightLayerFlags flags)
{
    m_api->setFlags(layer, flags);
}

} // namespace zsg
