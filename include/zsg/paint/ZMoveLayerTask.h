#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbPainter.h>
#include <zsg/platform/ZTask.h>

namespace zsg {

/// Moves a renderer layer from one index to another.
/// Runs on the render thread with copies of everything it needs, taken when queued.
class ZSG_EXPORT ZMoveLayerTask : public ZTask {
public:
    ZMoveLayerTask(std::uint32_t from, std::uint32_t to, orbPainter_surface* surface);
    void run() override;

private:
    std::uint32_t m_from;
    std::uint32_t m_to;
    orbPainter_surface* m_surface;
};

} // namespace zsg
