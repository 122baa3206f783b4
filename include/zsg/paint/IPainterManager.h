#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbPainter.h>

#include <memory>

namespace zsg {

class IPainter;
class IPainterBrush;

/// The paint component of the scene graph: it owns the painter and makes
/// brushes. Main thread only.
class ZSG_EXPORT IPainterManager {
public:
    virtual ~IPainterManager() = default;

    virtual IPainter* painter() const = 0;
    // A brush over an existing node graph; nothing is made in the renderer.
    virtual std::unique_ptr<IPainterBrush> loadBrush(orb::painter::orbBrush_node* node,
                                                     orb::MaterialId materialId) = 0;
    // A brush over a new default node graph for a brush of `size` scene units.
    virtual std::unique_ptr<IPainterBrush> createBrush(float size, orb::MaterialId materialId) = 0;
};

} // namespace zsg
