#include <zsg/paint/ZPainterManager.h>

#include <zsg/paint/ZPainter.h>
#include <zsg/paint/ZPainterBrush.h>

namespace zsg {

ZPainterManager::ZPainterManager(orbRT_api* rtApi, ZTaskQueue* taskQueue, IEventQueue* eventQueue,
                                 ZUndoStack* undoStack)
    : m_rtApi(rtApi), m_taskQueue(taskQueue), m_eventQueue(eventQueue), m_undoStack(undoStack)
{
    orbPainter_factory* factory = orb_painter_factory(rtApi->scene());
    orbPainter* native = factory ? factory->create("svdag_painter") : nullptr;
    try {
        m_painter = std::make_unique<ZPainter>(native, rtApi, taskQueue, eventQueue, undoStack);
    } catch (...) {
        // A painter that was never built cannot give the renderer painter back.
        if (native)
            factory->release(native);
        throw;
    }
}

// The painter gives the renderer painter back itself; releasing it here too
// would hand the factory the same painter twice.
ZPainterManager::~ZPainterManager() = default;

IPainter* ZPainterManager::painter() const
{
    return m_painter.get();
}

std::unique_ptr<IPainterBrush> ZPainterManager::loadBrush(orb::painter::orbBrush_node* node, orb::MaterialId materialId)
{
    return std::make_unique<ZPainterBrush>(node, m_rtApi, materialId);
}

std::unique_ptr<IPainterBrush> ZPainterManager::createBrush(float size, orb::MaterialId materialId)
{
    return loadBrush(ZPainterBrush::createDefaultGraph(m_rtApi, size), materialId);
}

} // namespace zsg
