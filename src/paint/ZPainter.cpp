#include <zsg/paint/ZPainter.h>

#include <zsg/paint/ZPaintSurface.h>
#include <zsg/platform/ZTaskQueue.h>

#include <algorithm>

namespace zsg {

ZPainter::ZPainter(orbPainter* painter, orbRT_api* rtApi, ZTaskQueue* taskQueue, IEventQueue* eventQueue,
                   ZUndoStack* undoStack)
    : m_painter(painter), m_rtApi(rtApi), m_taskQueue(taskQueue), m_eventQueue(eventQueue), m_undoStack(undoStack)
{
    reload();
}

// Queued tasks hold the renderer's surfaces, which may go with the renderer
// painter: they run before it is given back.
ZPainter::~ZPainter()
{
    if (m_taskQueue)
        m_taskQueue->waitForIdle();
    if (orbPainter_factory* factory = orb_painter_factory(m_rtApi->scene()))
        factory->release(m_painter);
}

ZPaintSurface* ZPainter::adopt(orb::SurfaceId id)
{
    orbPainter_surface* native = m_painter->surface(id);
    if (!native)
        return nullptr;
    m_surfaces.push_back(
        std::make_unique<ZPaintSurface>(id, native, m_rtApi, m_taskQueue, m_eventQueue, m_undoStack));
    return m_surfaces.back().get();
}

// Without a renderer painter (a type the renderer does not offer) there are no surfaces.
void ZPainter::reload()
{
    if (!m_painter)
        return;
    const orb::Array<orbSurface_info> list = m_painter->surfaces();
    for (std::uint64_t i = 0; i < list.count; ++i) {
        if (!surface(list.data[i].id))
            adopt(list.data[i].id);
    }
    orb::Unique_array_helper::free(list.data);
}

std::vector<IPainterSurface*> ZPainter::surfaces() const
{
    std::vector<IPainterSurface*> list;
    list.reserve(m_surfaces.size());
    for (const auto& surface : m_surfaces)
        list.push_back(surface.get());
    return list;
}

IPainterSurface* ZPainter::surface(orb::SurfaceId id) const
{
    auto it = std::ranges::find_if(m_surfaces, [id](const auto& surface) { return surface->id() == id; });
    return it == m_surfaces.end() ? nullptr : it->get();
}

orb::SurfaceId ZPainter::createSurface(int resolution)
{
    if (!m_painter)
        return orb::InvalidId;
    const orb::SurfaceId id = m_painter->createSurface("", resolution);
    if (id != orb::InvalidId)
        adopt(id);
    return id;
}

orb::SurfaceId ZPainter::createSurface(int resolution, orb::SurfaceId source)
{
    const orb::SurfaceId id = createSurface(resolution);
    IPainterSurface* from = source == orb::InvalidId ? nullptr : surface(source);
    auto* to = static_cast<ZPaintSurface*>(surface(id));
    if (from && to)
        to->setupLayersAfterClone(from->layers());
    return id;
}

void ZPainter::preview(IPainterBrush*, std::uint32_t, std::uint32_t, std::uint8_t*) {}

orbPainter* ZPainter::nativePainter() const
{
    return m_painter;
}

bool ZPainter::changeResolution(orb::SurfaceId id, std::uint32_t resolution)
{
    return m_painter && m_painter->changeResolution(m_rtApi->scene(), id, resolution);
}

} // namespace zsg
