#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbPainter.h>
#include <zsg/platform/ZTask.h>

namespace zsg {

/// Sets a renderer layer's blend mode.
/// Runs on the render thread with copies of everything it needs, taken when queued.
class ZSG_EXPORT ZBlendModeTask : public ZTask {
public:
    ZBlendModeTask(std::uint32_t index, orbPainter_surface* surface, orb::ColorBlendMode mode);
    void run() override;

private:
    std::uint32_t m_index;
    orbPainter_surface* m_surface;
    orb::ColorBlendMode m_mode;
};

} // namespace zsg
