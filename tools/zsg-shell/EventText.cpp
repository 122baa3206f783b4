#include "EventText.h"

#include <zsg/scenegraph/Event.h>

using namespace zsg;

namespace {
const char* typeName(EventType type)
{
    static const char* const names[] = {
        "MaterialUpdated", "MaterialDescriptionChanged", "ShaderNodeChanged", "CMFSchemaChanged",
        "PaintLayersUpdated", "ViewportToolStarted", "ColorCreated", "ColorIdChanged", "ColorUpdated",
        "ColorSynced", "ColorwaySynced", "ColorwayUpdated", "LightLayerUpdated", "LightLayerSynced",
    };
    auto index = static_cast<std::uint32_t>(type);
    return index < std::size(names) ? names[index] : "Unknown";
}

QString id(const char* key, std::uint32_t value)
{
    return QStringLiteral(" %1=%2").arg(QLatin1String(key)).arg(value);
}
} // namespace

QString eventText(const Event& event)
{
    QString text = QLatin1String(typeName(event.type()));
    switch (event.type()) {
    case EventType::MaterialUpdated:
        return text + id("material", static_cast<const MaterialUpdatedEvent&>(event).materialId());
    case EventType::MaterialDescriptionChanged:
        return text + id("material", static_cast<const MaterialDescriptionChangedEvent&>(event).materialId());
    case EventType::ShaderNodeChanged: {
        const auto& e = static_cast<const ShaderNodeChangedEvent&>(event);
        return text + id("material", e.materialId()) + id("node", e.shaderNodeId());
    }
    case EventType::PaintLayersUpdated:
        return text + id("surface", static_cast<const PaintLayersUpdatedEvent&>(event).surfaceId());
    case EventType::ViewportToolStarted:
        return text + id("tool", static_cast<const ViewportToolStartedEvent&>(event).toolType());
    case EventType::ColorCreated:
        return text + id("color", static_cast<const ColorEvent&>(event).colorId());
    case EventType::ColorIdChanged: {
        const auto& e = static_cast<const ColorIdChangeEvent&>(event);
        return text + id("old", e.oldColorId()) + id("new", e.newColorId());
    }
    case EventType::ColorUpdated:
        return text + id("color", static_cast<const ColorUpdatedEvent&>(event).colorId());
    case EventType::ColorSynced:
        return text + id("color", static_cast<const ColorSyncedEvent&>(event).colorId());
    case EventType::ColorwaySynced:
        return text + id("colorway", static_cast<const ColorwaySyncedEvent&>(event).colorwayId());
    case EventType::ColorwayUpdated:
        return text + id("colorway", static_cast<const ColorwayUpdatedEvent&>(event).colorwayId());
    case EventType::LightLayerUpdated:
        return text + id("layer", static_cast<const LightLayerUpdatedEvent&>(event).lightLayerId());
    case EventType::CMFSchemaChanged:
    case EventType::LightLayerSynced:
        return text;
    }
    return text;
}
