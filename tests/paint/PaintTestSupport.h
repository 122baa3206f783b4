#pragma once
// A paint surface over the in-memory renderer; both layer lists as text, topmost
// first, the events, and every call that reached the renderer's surface.

#include "color/ColorTestSupport.h"
#include "support/EventRecorder.h"

#include <zsg/paint/ZPaintSurface.h>
#include <zsg/platform/ZTaskQueue.h>
#include <zsg/platform/ZUndoStack.h>
#include <zsg/scenegraph/ZEventQueue.h>

#include <orbmem/MemoryRuntime.h>

#include <QStringList>

#include <memory>
#include <mutex>

namespace zsg::test {

// "<id> <name or ->" and the fields that differ from a new layer's.
inline QString layerText(const orb::PaintLayer& layer)
{
    QString text = QStringLiteral("%1 %2").arg(layer.id).arg(layer.name ? QString::fromStdString(*layer.name) : "-");
    text += QString(layer.deleted ? " deleted" : "") + (layer.visible ? "" : " hidden");
    if (layer.blendMode != orb::ColorBlendMode::Normal)
        text += QStringLiteral(" blend=%1").arg(int(layer.blendMode));
    const orbColor_rgba& c = layer.background;
    if (c.r != 0 || c.g != 0 || c.b != 0 || c.a != 0)
        text += QStringLiteral(" bg=%1,%2,%3,%4").arg(c.r).arg(c.g).arg(c.b).arg(c.a);
    return text;
}

inline QStringList listText(const IPainterSurface& surface)
{
    QStringList list;
    for (const orbLayerInfo& l : surface.layers())
        list << layerText({l.id, l.name ? std::optional<std::string>(l.name) : std::nullopt, l.deleted, l.visible,
                           l.blendMode, l.background});
    return list;
}

inline QStringList rendererText(const orb::MemoryRuntime& runtime, orb::SurfaceId id)
{
    QStringList list;
    const auto surface = runtime.paintSurface(id);  // kept: the loop must not outlive it
    for (const orb::PaintLayer& layer : surface->layers)
        list.prepend(layerText(layer));
    return list;
}

// Forwards to a renderer surface and logs each change as one line.
class RecordingSurface : public orbPainter_surface {
public:
    explicit RecordingSurface(orbPainter_surface* inner) : m_inner(inner) {}

    orb::SurfaceId id() const override { return m_inner->id(); }
    bool deleted() const override { return m_inner->deleted(); }
    void setDeleted(bool d) override { log("surfaceDeleted", d), m_inner->setDeleted(d); }
    orb::Array<orbLayerInfo> layers() const override { return m_inner->layers(); }
    std::uint32_t editLayer() const override { return m_inner->editLayer(); }
    void addLayer(std::uint32_t i, std::uint32_t id) override { log("add", i, id), m_inner->addLayer(i, id); }
    void setEditLayer(std::uint32_t i) override { log("edit", i), m_inner->setEditLayer(i); }
    void setLayerName(std::uint32_t i, const char* n) override
    {
        log("name", i, n ? QStringLiteral("\"%1\"").arg(n) : QStringLiteral("null")), m_inner->setLayerName(i, n);
    }
    void setLayerDeleted(std::uint32_t i, bool d) override { log("deleted", i, d), m_inner->setLayerDeleted(i, d); }
    void setLayerVisible(std::uint32_t i, bool v) override { log("visible", i, v), m_inner->setLayerVisible(i, v); }
    void setLayerBlendMode(std::uint32_t i, orb::ColorBlendMode m) override { log("blend", i, int(m)), m_inner->setLayerBlendMode(i, m); }
    void setLayerBackgroundColor(std::uint32_t i, orbColor_rgba c) override { log("background", i, int(c.r * 100)), m_inner->setLayerBackgroundColor(i, c); }
    void moveLayer(std::uint32_t a, std::uint32_t b) override { log("move", a, b), m_inner->moveLayer(a, b); }

    QStringList take() { std::lock_guard lock(m_mutex); return std::exchange(m_calls, {}); }

private:
    template <typename... Args>
    void log(const char* what, Args... args)
    {
        QString line = QLatin1String(what);
        ((line += QStringLiteral(" %1").arg(args)), ...);
        std::lock_guard lock(m_mutex);
        m_calls << line;
    }

    orbPainter_surface* m_inner;
    std::mutex m_mutex;  // tasks log on the render thread
    QStringList m_calls;
};

// The list as a listener reads it inside each event: the change must already be in it.
struct ListAtEvent : IEventListener {
    ListAtEvent(IEventQueue* queue, const IPainterSurface& surface) : queue(queue), surface(surface)
    {
        queue->addListener(this, EventType::PaintLayersUpdated);
    }
    ~ListAtEvent() override { queue->removeListener(this); }
    void handleEvent(Event*) override { lists << listText(surface).join(", "); }

    IEventQueue* queue;
    const IPainterSurface& surface;
    QStringList lists;
};

// A renderer surface and a ZPaintSurface over it (through a RecordingSurface).
struct PaintScene {
    explicit PaintScene(orb::PaintSurfaceContent content, bool withTaskQueue = true)
        : painter(orb_painter_factory(runtime.scene())->create("svdag_painter")),
          id(runtime.createPaintSurface(std::move(content))),
          recording(painter->surface(id)),
          surface(id, &recording, &runtime, withTaskQueue ? &tasks : nullptr, &events, &stack)
    {
    }
    ~PaintScene()
    {
        tasks.waitForIdle();
        orb_painter_factory(runtime.scene())->release(painter);
    }

    QStringList list() { return listText(surface); }
    QStringList renderer() { return tasks.waitForIdle(), rendererText(runtime, id); }
    // Undoes or redoes every step; before a rename goes to the renderer the
    // queued adds and moves must have reached it (see ZPaintSurface).
    void undoAll() { while (settleBeforeRename(stack.undoText()), stack.undo()) {} }
    void redoAll() { while (settleBeforeRename(stack.redoText()), stack.redo()) {} }
    void settleBeforeRename(const QString& step) { if (step == "3D Paint change layer name") tasks.waitForIdle(); }
    QStringList calls() { return tasks.waitForIdle(), recording.take(); }

    LeakCheck leaks;
    orb::MemoryRuntime runtime;
    ZTaskQueue tasks;
    ZUndoStack stack;
    ZEventQueue events;
    EventRecorder recorder{&events};
    orbPainter* painter;
    orb::SurfaceId id;
    RecordingSurface recording;
    ZPaintSurface surface;
    ListAtEvent seen{&events, surface};
};

// Renderer layers, bottom first, from "<id> <name>" texts; deleted when the
// text ends in '!'.
inline std::vector<orb::PaintLayer> layersFrom(const QStringList& texts)
{
    std::vector<orb::PaintLayer> layers;
    for (QString text : texts) {
        orb::PaintLayer layer;
        layer.deleted = text.endsWith('!');
        text.remove('!');
        const qsizetype space = text.indexOf(' ');
        layer.id = text.left(space).toUInt();
        if (space > 0)
            layer.name = text.mid(space + 1).toStdString();
        layers.push_back(layer);
    }
    return layers;
}

} // namespace zsg::test
