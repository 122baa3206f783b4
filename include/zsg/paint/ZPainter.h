#pragma once

#include <zsg/Export.h>
#include <zsg/paint/IPainter.h>

#include <memory>

class orbRT_api;

namespace zsg {

class IEventQueue;
class ZPaintSurface;
class ZTaskQueue;
class ZUndoStack;

/// The painter over a renderer painter. When destroyed it waits for the task
/// queue (queued tasks hold renderer surfaces), then gives the renderer painter
/// back to the scene's painter factory; so it must not be destroyed by a task.
class ZSG_EXPORT ZPainter : public IPainter {
public:
    // Adopts every surface the renderer painter lists, in its order.
    ZPainter(orbPainter* painter, orbRT_api* rtApi, ZTaskQueue* taskQueue, IEventQueue* eventQueue,
             ZUndoStack* undoStack);
    ~ZPainter() override;

    void reload() override;
    std::vector<IPainterSurface*> surfaces() const override;
    IPainterSurface* surface(orb::SurfaceId id) const override;
    orb::SurfaceId createSurface(int resolution) override;
    orb::SurfaceId createSurface(int resolution, orb::SurfaceId source) override;
    void preview(IPainterBrush* brush, std::uint32_t width, std::uint32_t height, std::uint8_t* buffer) override;
    orbPainter* nativePainter() const override;
    bool changeResolution(orb::SurfaceId id, std::uint32_t resolution) override;

private:
    ZPaintSurface* adopt(orb::SurfaceId id);

    orbPainter* m_painter;
    orbRT_api* m_rtApi;
    ZTaskQueue* m_taskQueue;
    IEventQueue* m_eventQueue;
    ZUndoStack* m_undoStack;
    std::vector<std::unique_ptr<ZPaintSurface>> m_surfaces;  // adoption order
};

} // namespace zsg
