#include <zsg/paint/ZPaintSurface.h>

#include <zsg/paint/ZAddLayerCommand.h>
#include <zsg/paint/ZAddLayerTask.h>
#include <zsg/paint/ZBackgroundTask.h>
#include <zsg/paint/ZBlendModeTask.h>
#include <zsg/paint/ZDeleteLayerCommand.h>
#include <zsg/paint/ZDeleteLayerTask.h>
#include <zsg/paint/ZEditLayerTask.h>
#include <zsg/paint/ZLayerBackgroundCommand.h>
#include <zsg/paint/ZLayerBlendCommand.h>
#include <zsg/paint/ZLayerNameCommand.h>
#include <zsg/paint/ZLayerVisibilityCommand.h>
#include <zsg/paint/ZMoveLayerCommand.h>
#include <zsg/paint/ZMoveLayerTask.h>
#include <zsg/paint/ZVisibilityLayerTask.h>
#include <zsg/platform/ZTaskQueue.h>
#include <zsg/platform/ZUndoStack.h>
#include <zsg/scenegraph/Event.h>
#include <zsg/scenegraph/IEventQueue.h>

#include <algorithm>

namespace zsg {

namespace {
bool sameColor(const orbColor_rgba& a, const orbColor_rgba& b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}
} // namespace

ZPaintSurface::ZPaintSurface(orb::SurfaceId id, orbPainter_surface* surface, orbRT_api* rtApi,
                             ZTaskQueue* taskQueue, IEventQueue* eventQueue, ZUndoStack* undoStack)
    : m_id(id),
      m_surface(surface),
      m_rtApi(rtApi),
      m_taskQueue(taskQueue),
      m_eventQueue(eventQueue),
      m_undoStack(undoStack)
{
    m_deleted = m_surface->deleted();
    readLayers();
    // Counted in 64 bits: after the largest id the counter wraps to 0 (takeLayerId
    // then skips the ids in use), rather than the sum wrapping to a low id.
    std::uint64_t next = 1;
    for (const orbLayerInfo& layer : m_layers)
        next = std::max<std::uint64_t>(next, std::uint64_t(layer.id) + 1);
    m_nextLayerId = std::uint32_t(next);
}

ZPaintSurface::~ZPaintSurface()
{
    *m_handle = nullptr;
}

std::uint32_t ZPaintSurface::takeLayerId()
{
    while (m_nextLayerId == orb::InvalidId || idToIdx(m_nextLayerId) != orb::InvalidId)
        ++m_nextLayerId;
    return m_nextLayerId++;
}

// The renderer lists its layers bottom first; the list keeps them topmost first.
// Its edit layer is stored as the renderer reports it.
void ZPaintSurface::readLayers()
{
    const orb::Array<orbLayerInfo> layers = m_surface->layers();
    m_layers.assign(layers.data, layers.data + layers.count);
    orb::Unique_array_helper::free(layers.data);
    std::reverse(m_layers.begin(), m_layers.end());
    m_editLayer = m_surface->editLayer();
}

orb::SurfaceId ZPaintSurface::id() const
{
    return m_id;
}

void ZPaintSurface::setDeleted(bool deleted)
{
    m_deleted = deleted;
    m_surface->setDeleted(deleted);
}

bool ZPaintSurface::deleted() const
{
    return m_deleted;
}

std::vector<orbLayerInfo> ZPaintSurface::layers() const
{
    return m_layers;
}

std::uint32_t ZPaintSurface::idToIdx(std::uint32_t layerId) const
{
    auto it = std::ranges::find(m_layers, layerId, &orbLayerInfo::id);
    return it == m_layers.end() ? orb::InvalidId : std::uint32_t(it - m_layers.begin());
}

std::uint32_t ZPaintSurface::rendererIndex(std::uint32_t index) const
{
    return std::uint32_t(m_layers.size()) - 1 - index;
}

void ZPaintSurface::queue(ZTask* task)
{
    task->setDeleteOnDone(true);
    m_taskQueue->addBlockingRenderTask(task);
}

void ZPaintSurface::post()
{
    m_eventQueue->postEvent(new PaintLayersUpdatedEvent(m_surface->id()));
}

void ZPaintSurface::refreshAndPost()
{
    m_rtApi->refreshRender(0);
    post();
}

// Public tier: checks, then one undo command.

void ZPaintSurface::addLayer(int index)
{
    const auto clamped = std::uint32_t(std::clamp<qsizetype>(index, 0, qsizetype(m_layers.size())));
    m_undoStack->push(new ZAddLayerCommand(this, clamped));
}

void ZPaintSurface::setLayerDeleted(std::uint32_t index, bool deleted)
{
    if (index >= m_layers.size() || m_layers[index].deleted == deleted)
        return;
    m_undoStack->push(new ZDeleteLayerCommand(this, m_layers[index].id));
}

void ZPaintSurface::setLayerBlend(std::uint32_t index, orb::ColorBlendMode mode)
{
    if (index >= m_layers.size() || m_layers[index].blendMode == mode)
        return;
    m_undoStack->push(new ZLayerBlendCommand(this, m_layers[index].id, mode, m_layers[index].blendMode));
}

void ZPaintSurface::setLayerVisibility(std::uint32_t index, bool visible)
{
    if (index >= m_layers.size() || m_layers[index].visible == visible)
        return;
    m_undoStack->push(new ZLayerVisibilityCommand(this, m_layers[index].id, visible));
}

void ZPaintSurface::setLayerName(std::uint32_t index, const QString& name)
{
    if (index >= m_layers.size())
        return;
    const char* old = m_layers[index].name;
    m_undoStack->push(new ZLayerNameCommand(this, m_layers[index].id, name, QString::fromUtf8(old ? old : "")));
}

void ZPaintSurface::moveLayer(std::uint32_t from, std::uint32_t to)
{
    if (from == to || from >= m_layers.size() || to >= m_layers.size())
        return;
    const std::uint32_t neighbour = from == 0 ? orb::InvalidId : m_layers[from - 1].id;
    m_undoStack->push(new ZMoveLayerCommand(this, m_layers[from].id, neighbour, m_layers[to].id));
}

bool ZPaintSurface::setLayerBackgroundColor(std::uint32_t index, orbColor_rgba color, bool undoable)
{
    if (index >= m_layers.size() || sameColor(m_layers[index].background, color))
        return false;
    if (!undoable)
        setLayerBackgroundColorInternal(m_layers[index].id, color);
    else
        m_undoStack->push(new ZLayerBackgroundCommand(this, m_layers[index].id, color, m_layers[index].background));
    return true;
}

void ZPaintSurface::setEditLayer(std::uint32_t index)
{
    if (index == m_editLayer)
        return;
    m_editLayer = index;
    queue(new ZEditLayerTask(rendererIndex(index), m_surface));
}

std::uint32_t ZPaintSurface::editLayer() const
{
    return m_editLayer;
}

void ZPaintSurface::setupLayersAfterClone(const std::vector<orbLayerInfo>& source)
{
    const auto n = std::uint32_t(source.size());
    for (std::uint32_t i = 0; i < n; ++i) {
        const orbLayerInfo& from = source[n - 1 - i];
        if (i > 0)
            m_surface->addLayer(i, takeLayerId());
        m_surface->setLayerBlendMode(i, from.blendMode);
        m_surface->setLayerDeleted(i, from.deleted);
        m_surface->setLayerVisible(i, from.visible);
        m_surface->setLayerName(i, from.name);
        m_surface->setLayerBackgroundColor(i, from.background);
    }
    readLayers();
}

// Internal tier: the list at once, the renderer through a task.

std::uint32_t ZPaintSurface::addLayerInternal(std::uint32_t index, const std::string& name)
{
    index = std::min(index, std::uint32_t(m_layers.size()));
    orbLayerInfo layer;
    layer.name = orb_string_dup(m_rtApi->scene(), name.c_str());
    layer.id = takeLayerId();
    m_layers.insert(m_layers.begin() + index, layer);
    m_editLayer = index;
    queue(new ZAddLayerTask(rendererIndex(index), layer.id, m_surface, name));
    post();
    return layer.id;
}

void ZPaintSurface::setLayerDeletedInternal(std::uint32_t layerId, bool deleted)
{
    const std::uint32_t index = idToIdx(layerId);
    if (index == orb::InvalidId)
        return;
    m_layers[index].deleted = deleted;
    queue(new ZDeleteLayerTask(rendererIndex(index), m_surface, deleted));

    // The edit layer moves to the nearest layer left at or above the changed
    // one, else to the nearest below it.
    auto nearestAlive = [this, index]() -> std::uint32_t {
        for (std::uint32_t i = index + 1; i-- > 0;)
            if (!m_layers[i].deleted)
                return i;
        for (std::uint32_t i = index + 1; i < m_layers.size(); ++i)
            if (!m_layers[i].deleted)
                return i;
        return orb::InvalidId;
    };
    const std::uint32_t edit = nearestAlive();
    if (edit != orb::InvalidId) {
        m_editLayer = edit;
        queue(new ZEditLayerTask(rendererIndex(edit), m_surface));
    }
    refreshAndPost();
}

void ZPaintSurface::setLayerBlendInternal(std::uint32_t layerId, orb::ColorBlendMode mode)
{
    const std::uint32_t index = idToIdx(layerId);
    if (index == orb::InvalidId)
        return;
    m_layers[index].blendMode = mode;
    queue(new ZBlendModeTask(rendererIndex(index), m_surface, mode));
    refreshAndPost();
}

void ZPaintSurface::setLayerVisibilityInternal(std::uint32_t layerId, bool visible)
{
    const std::uint32_t index = idToIdx(layerId);
    if (index == orb::InvalidId)
        return;
    m_layers[index].visible = visible;
    queue(new ZVisibilityLayerTask(rendererIndex(index), m_surface, visible));
    refreshAndPost();
}

// Names go to the renderer at once, not through a task.
void ZPaintSurface::setLayerNameInternal(std::uint32_t layerId, const QString& name)
{
    const std::uint32_t index = idToIdx(layerId);
    if (index == orb::InvalidId)
        return;
    const QByteArray utf8 = name.toUtf8();
    const char* text = name.isEmpty() ? nullptr : utf8.constData();
    m_layers[index].name = text ? orb_string_dup(m_rtApi->scene(), text) : nullptr;
    m_surface->setLayerName(rendererIndex(index), text);
    post();
}

void ZPaintSurface::moveLayerInternal(std::uint32_t layerId, std::uint32_t targetId)
{
    const std::uint32_t from = idToIdx(layerId);
    const std::uint32_t to = targetId == orb::InvalidId ? 0 : idToIdx(targetId);
    if (from == orb::InvalidId || to == orb::InvalidId)
        return;
    const auto first = m_layers.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
    queue(new ZMoveLayerTask(rendererIndex(from), rendererIndex(to), m_surface));
    refreshAndPost();
}

void ZPaintSurface::setLayerBackgroundColorInternal(std::uint32_t layerId, orbColor_rgba color)
{
    const std::uint32_t index = idToIdx(layerId);
    if (index == orb::InvalidId)
        return;
    m_layers[index].background = color;
    if (!m_taskQueue)
        return;
    queue(new ZBackgroundTask(rendererIndex(index), m_surface, color));
    refreshAndPost();
}

} // namespace zsg
