#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbPainter.h>

#include <QString>

#include <cstdint>
#include <vector>

namespace zsg {

/// A paint surface's layers, topmost first, and their undoable edits. Indices
/// are list indices (0 = topmost); out-of-range indices and unchanged values
/// push nothing. Edits change the list at once and reach the renderer later,
/// through render tasks; layer names reach it at once. Main thread only.
class ZSG_EXPORT IPainterSurface {
public:
    virtual ~IPainterSurface() = default;

    virtual orb::SurfaceId id() const = 0;
    virtual void setDeleted(bool deleted) = 0;
    virtual bool deleted() const = 0;
    virtual std::vector<orbLayerInfo> layers() const = 0;

    // A layer named "Layer N" (N one above the highest such number) at the
    // index, clamped to 0 ... count; it becomes the edit layer.
    virtual void addLayer(int index) = 0;
    // Layers are never removed: deletion sets the layer's flag.
    virtual void setLayerDeleted(std::uint32_t index, bool deleted) = 0;
    virtual void setLayerBlend(std::uint32_t index, orb::ColorBlendMode mode) = 0;
    virtual void setLayerVisibility(std::uint32_t index, bool visible) = 0;
    virtual void setLayerName(std::uint32_t index, const QString& name) = 0;
    virtual void moveLayer(std::uint32_t from, std::uint32_t to) = 0;
    // True when the colour changed. Undoable changes of one layer in a row
    // merge into one undo step.
    virtual bool setLayerBackgroundColor(std::uint32_t index, orbColor_rgba color, bool undoable) = 0;
    // Not undoable and unchecked against the layer count.
    virtual void setEditLayer(std::uint32_t index) = 0;
    virtual std::uint32_t editLayer() const = 0;
};

} // namespace zsg
