#include <zsg/scenegraph/Event.h>

#include <QHash>

#include <atomic>

namespace zsg {

namespace {
// Atomic, so events built on the render side cannot tear the counter.
std::atomic<std::uint32_t> g_nextSequence{0};
} // namespace

const char* eventTypeString(EventType type)
{
    // Built once, thread-safely, on first use; lives until program exit.
    static const QHash<EventType, const char*> names{
        {EventType::MaterialUpdated, "MaterialUpdated"},
        {EventType::MaterialDescriptionChanged, "MaterialDescriptionChanged"},
        {EventType::ShaderNodeChanged, "ShaderNodeChanged"},
        {EventType::CMFSchemaChanged, "CMFSchemaChanged"},
        {EventType::PaintLayersUpdated, "PaintLayersUpdated"},
        {EventType::ViewportToolStarted, "ViewportToolStarted"},
        {EventType::ColorCreated, "ColorCreated"},
        {EventType::ColorIdChanged, "ColorIdChangeEvent"},
        {EventType::ColorUpdated, "ColorUpdated"},
        {EventType::ColorSynced, "ColorSynced"},
        {EventType::ColorwaySynced, "ColorwaySynced"},
        {EventType::ColorwayUpdated, "ColorWayUpdated"},
    };
    return names.value(type, "Unknown event type");
}

Event::Event(EventType type)
    : m_type(type), m_sequence(g_nextSequence.fetch_add(1, std::memory_order_relaxed))
{
}

Event::~Event() = default;

MaterialUpdatedEvent::MaterialUpdatedEvent(MaterialId material)
    : Event(EventType::MaterialUpdated), m_material(material) {}

MaterialDescriptionChangedEvent::MaterialDescriptionChangedEvent(MaterialId material)
    : Event(EventType::MaterialDescriptionChanged), m_material(material) {}

ShaderNodeChangedEvent::ShaderNodeChangedEvent(MaterialId material, ShaderNodeId node)
    : Event(EventType::ShaderNodeChanged), m_material(material), m_node(node) {}

CMFSchemaChangedEvent::CMFSchemaChangedEvent() : Event(EventType::CMFSchemaChanged) {}

PaintLayersUpdatedEvent::PaintLayersUpdatedEvent(orb::SurfaceId surface)
    : Event(EventType::PaintLayersUpdated), m_surface(surface) {}

ViewportToolStartedEvent::ViewportToolStartedEvent(ToolType tool)
    : Event(EventType::ViewportToolStarted), m_tool(tool) {}

ColorEvent::ColorEvent(orb::ColorId color) : Event(EventType::ColorCreated), m_color(color) {}

ColorIdChangeEvent::ColorIdChangeEvent(orb::ColorId oldId, orb::ColorId newId)
    : Event(EventType::ColorIdChanged), m_old(oldId), m_new(newId) {}

ColorUpdatedEvent::ColorUpdatedEvent(orb::ColorId color) : Event(EventType::ColorUpdated), m_color(color) {}

ColorSyncedEvent::ColorSyncedEvent(orb::ColorId color) : Event(EventType::ColorSynced), m_color(color) {}

ColorwaySyncedEvent::ColorwaySyncedEvent(orb::ColorwayId colorway)
    : Event(EventType::ColorwaySynced), m_colorway(colorway) {}

ColorwayUpdatedEvent::ColorwayUpdatedEvent(orb::ColorwayId colorway)
    : Event(EventType::ColorwayUpdated), m_colorway(colorway) {}

LightLayerUpdatedEvent::LightLayerUpdatedEvent(orb::LightLayerId layer)
    : Event(EventType::LightLayerUpdated), m_layer(layer) {}

LightLayerSyncedEvent::LightLayerSyncedEvent() : Event(EventType::LightLayerSynced) {}

} // namespace zsg
