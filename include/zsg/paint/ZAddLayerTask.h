#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbPainter.h>
#include <zsg/platform/ZTask.h>

#include <string>

namespace zsg {

/// Adds a layer on the renderer's surface, makes it the edit layer and names it.
/// Runs on the render thread with copies of everything it needs, taken when queued.
class ZSG_EXPORT ZAddLayerTask : public ZTask {
public:
    ZAddLayerTask(std::uint32_t index, std::uint32_t layerId, orbPainter_surface* surface, std::string name);
    void run() override;

private:
    std::uint32_t m_index;
    std::uint32_t m_layerId;
    orbPainter_surface* m_surface;
    std::string m_name;
};

} // namespace zsg
