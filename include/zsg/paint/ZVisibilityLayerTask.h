#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbPainter.h>
#include <zsg/platform/ZTask.h>

namespace zsg {

/// Shows or hides a renderer layer.
/// Runs on the render thread with copies of everything it needs, taken when queued.
class ZSG_EXPORT ZVisibilityLayerTask : public ZTask {
public:
    ZVisibilityLayerTask(std::uint32_t index, orbPainter_surface* surface, bool visible);
    void run() override;

private:
    std::uint32_t m_index;
    orbPainter_surface* m_surface;
    bool m_visible;
};

} // namespace zsg
