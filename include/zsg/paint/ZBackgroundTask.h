#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbPainter.h>
#include <zsg/platform/ZTask.h>

namespace zsg {

/// Sets a renderer layer's background colour.
/// Runs on the render thread with copies of everything it needs, taken when queued.
class ZSG_EXPORT ZBackgroundTask : public ZTask {
public:
    ZBackgroundTask(std::uint32_t index, orbPainter_surface* surface, orbColor_rgba color);
    void run() override;

private:
    std::uint32_t m_index;
    orbPainter_surface* m_surface;
    orbColor_rgba m_color;
};

} // namespace zsg
