#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbPainter.h>
#include <zsg/platform/ZTask.h>

namespace zsg {

/// Sets a renderer layer's deleted flag.
/// Runs on the render thread with copies of everything it needs, taken when queued.
class ZSG_EXPORT ZDeleteLayerTask : public ZTask {
public:
    ZDeleteLayerTask(std::uint32_t index, orbPainter_surface* surface, bool deleted);
    void run() override;

private:
    std::uint32_t m_index;
    orbPainter_surface* m_surface;
    bool m_deleted;
};

} // namespace zsg
