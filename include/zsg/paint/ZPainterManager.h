#pragma once

#include <zsg/Export.h>
#include <zsg/paint/IPainterManager.h>

class orbRT_api;

namespace zsg {

class IEventQueue;
class ZPainter;
class ZTaskQueue;
class ZUndoStack;

/// Creates the renderer painter of the type "svdag_painter" for the current
/// scene and owns the painter over it.
class ZSG_EXPORT ZPainterManager : public IPainterManager {
public:
    ZPainterManager(orbRT_api* rtApi, ZTaskQueue* taskQueue, IEventQueue* eventQueue, ZUndoStack* undoStack);
    ~ZPainterManager() override;

    IPainter* painter() const override;
    std::unique_ptr<IPainterBrush> loadBrush(orb::painter::orbBrush_node* node, orb::MaterialId materialId) override;
    std::unique_ptr<IPainterBrush> createBrush(float size, orb::MaterialId materialId) override;

private:
    std::unique_ptr<ZPainter> m_painter;
    orbRT_api* m_rtApi;
    ZTaskQueue* m_taskQueue;
    IEventQueue* m_eventQueue;
    ZUndoStack* m_undoStack;
};

} // namespace zsg
