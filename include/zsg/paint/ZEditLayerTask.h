#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbPainter.h>
#include <zsg/platform/ZTask.h>

namespace zsg {

/// Makes a renderer layer the one painted on.
/// Runs on the render thread with copies of everything it needs, taken when queued.
class ZSG_EXPORT ZEditLayerTask : public ZTask {
public:
    ZEditLayerTask(std::uint32_t index, orbPainter_surface* surface);
    void run() override;

private:
    std::uint32_t m_index;
    orbPainter_surface* m_surface;
};

} // namespace zsg
