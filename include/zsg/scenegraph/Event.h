#pragma once

#include <zsg/Export.h>
#include <zsg/material/MaterialId.h>
#include <zsg/platform/OrbTypes.h>
#include <zsg/scenegraph/EventType.h>

#include <cstdint>

namespace zsg {

using ShaderNodeId = std::uint32_t;

/// Event and the fourteen event classes. Events are created on the heap by the
/// component that posts them; IEventQueue::postEvent takes ownership, delivers
/// them synchronously and deletes them. A listener must not keep the pointer.
class ZSG_EXPORT Event {
public:
    explicit Event(EventType type);
    virtual ~Event();
    // Owned through a base pointer by the queue: copying would slice.
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    EventType type() const { return m_type; }
    // Process-wide construction order of events, starting at 0 and wrapping at 2^32.
    std::uint32_t sequenceNumber() const { return m_sequence; }

private:
    EventType m_type;
    std::uint32_t m_sequence;
};

/// Posted by the host when a material changed.
class ZSG_EXPORT MaterialUpdatedEvent : public Event {
public:
    explicit MaterialUpdatedEvent(MaterialId material);
    MaterialId materialId() const { return m_material; }

private:
    MaterialId m_material;
};

/// Posted by the material handler after it wrote a material's description.
class ZSG_EXPORT MaterialDescriptionChangedEvent : public Event {
public:
    explicit MaterialDescriptionChangedEvent(MaterialId material);
    MaterialId materialId() const { return m_material; }

private:
    MaterialId m_material;
};

/// Posted by the host when a shader node of a material changed.
class ZSG_EXPORT ShaderNodeChangedEvent : public Event {
public:
    ShaderNodeChangedEvent(MaterialId material, ShaderNodeId node);
    MaterialId materialId() const { return m_material; }
    ShaderNodeId shaderNodeId() const { return m_node; }

private:
    MaterialId m_material;
    ShaderNodeId m_node;
};

/// Posted by the CMF manager whenever its schema is set, changed or not.
class ZSG_EXPORT CMFSchemaChangedEvent : public Event {
public:
    CMFSchemaChangedEvent();
};

/// Posted by a paint surface after any change of its layers.
class ZSG_EXPORT PaintLayersUpdatedEvent : public Event {
public:
    explicit PaintLayersUpdatedEvent(orb::SurfaceId surface);
    orb::SurfaceId surfaceId() const { return m_surface; }

private:
    orb::SurfaceId m_surface;
};

/// Posted by the host when a viewport tool starts.
class ZSG_EXPORT ViewportToolStartedEvent : public Event {
public:
    enum ToolType : std::uint32_t {};  // values belong to the host
    explicit ViewportToolStartedEvent(ToolType tool);
    ToolType toolType() const { return m_tool; }

private:
    ToolType m_tool;
};

/// Posted by the colour database for each colour it created (type ColorCreated).
class ZSG_EXPORT ColorEvent : public Event {
public:
    explicit ColorEvent(orb::ColorId color);
    orb::ColorId colorId() const { return m_color; }

private:
    orb::ColorId m_color;
};

/// Posted by the host when a colour's id was replaced.
class ZSG_EXPORT ColorIdChangeEvent : public Event {
public:
    ColorIdChangeEvent(orb::ColorId oldId, orb::ColorId newId);
    orb::ColorId oldColorId() const { return m_old; }
    orb::ColorId newColorId() const { return m_new; }

private:
    orb::ColorId m_old;
    orb::ColorId m_new;
};

/// Posted by the colour database when a colour's record changed or must be re-read.
class ZSG_EXPORT ColorUpdatedEvent : public Event {
public:
    explicit ColorUpdatedEvent(orb::ColorId color);
    orb::ColorId colorId() const { return m_color; }

private:
    orb::ColorId m_color;
};

/// Posted by the scene graph, one per colour, for the renderer's notification 5006.
class ZSG_EXPORT ColorSyncedEvent : public Event {
public:
    explicit ColorSyncedEvent(orb::ColorId color);
    orb::ColorId colorId() const { return m_color; }

private:
    orb::ColorId m_color;
};

/// Posted by the colour database on the main thread, after a colorway's update
/// was delivered: never inside the push that caused it.
class ZSG_EXPORT ColorwaySyncedEvent : public Event {
public:
    explicit ColorwaySyncedEvent(orb::ColorwayId colorway);
    orb::ColorwayId colorwayId() const { return m_colorway; }

private:
    orb::ColorwayId m_colorway;
};

/// Posted by the colour database after it committed a change of a colorway.
class ZSG_EXPORT ColorwayUpdatedEvent : public Event {
public:
    explicit ColorwayUpdatedEvent(orb::ColorwayId colorway);
    orb::ColorwayId colorwayId() const { return m_colorway; }

private:
    orb::ColorwayId m_colorway;
};

/// Posted by the light layer API after it changed a layer or its members.
class ZSG_EXPORT LightLayerUpdatedEvent : public Event {
public:
    explicit LightLayerUpdatedEvent(orb::LightLayerId layer);
    orb::LightLayerId lightLayerId() const { return m_layer; }

private:
    orb::LightLayerId m_layer;
};

/// Posted by the light layer API after its copy of the light layers was synchronised
/// with the renderer's.
class ZSG_EXPORT LightLayerSyncedEvent : public Event {
public:
    LightLayerSyncedEvent();
};

} // namespace zsg
