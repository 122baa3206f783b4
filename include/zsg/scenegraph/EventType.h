#pragma once

#include <zsg/Export.h>

#include <cstdint>
#include <functional>

namespace zsg {

/// What an event announces; each value has exactly one event class.
enum class EventType : std::uint32_t {
    MaterialUpdated = 0,
    MaterialDescriptionChanged = 1,
    ShaderNodeChanged = 2,
    CMFSchemaChanged = 3,
    PaintLayersUpdated = 4,
    ViewportToolStarted = 5,
    ColorCreated = 6,
    ColorIdChanged = 7,
    ColorUpdated = 8,
    ColorSynced = 9,
    ColorwaySynced = 10,
    ColorwayUpdated = 11,
    LightLayerUpdated = 12,
    LightLayerSynced = 13,
};

// The display text of a type; a static string the caller must not free.
// Types without a text of their own (the light layer ones and anything
// outside the enumeration) give "Unknown event type".
ZSG_EXPORT const char* eventTypeString(EventType type);

inline std::size_t qHash(EventType type, std::size_t seed = 0) noexcept
{
    return std::hash<std::uint32_t>{}(static_cast<std::uint32_t>(type)) ^ seed;
}

} // namespace zsg
