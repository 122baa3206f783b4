#pragma once

#include <zsg/Export.h>
#include <zsg/paint/IPainterSurface.h>

#include <memory>
#include <string>

class orbRT_api;

namespace zsg {

class IEventQueue;
class ZTask;
class ZTaskQueue;
class ZUndoStack;

/// A renderer paint surface with its own copy of the layer list. Each edit runs
/// in three tiers: the public operation checks a list index and pushes an undo
/// command; the command calls an ...Internal operation with the layer id; that
/// changes the list at once and queues a render task that makes the same change
/// on the renderer's surface, without waiting for it.
/// The event queue and undo stack must not be null; the task queue may be for
/// background changes only. Layer names reach the renderer at once, at an index
/// taken from the list: a rename while an add or move is still queued can name
/// the wrong renderer layer. Undo commands reach the surface through handle(),
/// so a stack that outlives the surface undoes and redoes nothing.
class ZSG_EXPORT ZPaintSurface : public IPainterSurface {
public:
    // Reads the deleted flag, the layers and the edit layer from the renderer's surface.
    ZPaintSurface(orb::SurfaceId id, orbPainter_surface* surface, orbRT_api* rtApi, ZTaskQueue* taskQueue,
                  IEventQueue* eventQueue, ZUndoStack* undoStack);
    ~ZPaintSurface() override;

    orb::SurfaceId id() const override;
    void setDeleted(bool deleted) override;
    bool deleted() const override;
    std::vector<orbLayerInfo> layers() const override;
    void addLayer(int index) override;
    void setLayerDeleted(std::uint32_t index, bool deleted) override;
    void setLayerBlend(std::uint32_t index, orb::ColorBlendMode mode) override;
    void setLayerVisibility(std::uint32_t index, bool visible) override;
    void setLayerName(std::uint32_t index, const QString& name) override;
    void moveLayer(std::uint32_t from, std::uint32_t to) override;
    bool setLayerBackgroundColor(std::uint32_t index, orbColor_rgba color, bool undoable) override;
    void setEditLayer(std::uint32_t index) override;
    std::uint32_t editLayer() const override;

    // What undo commands hold instead of the surface: null once it is destroyed.
    using Handle = std::shared_ptr<ZPaintSurface* const>;
    Handle handle() const { return m_handle; }

    // The list index of the layer, or InvalidId.
    std::uint32_t idToIdx(std::uint32_t layerId) const;
    // Gives the renderer's layers of this (new, one-layer) surface the fields
    // of `source` (topmost first), adding layers as needed, then re-reads them.
    void setupLayersAfterClone(const std::vector<orbLayerInfo>& source);

    // The internal tier: by layer id; an unknown id does nothing. An index past
    // the list adds at its end (the bottom); the new layer's id is returned.
    std::uint32_t addLayerInternal(std::uint32_t index, const std::string& name);
    void setLayerDeletedInternal(std::uint32_t layerId, bool deleted);
    void setLayerBlendInternal(std::uint32_t layerId, orb::ColorBlendMode mode);
    void setLayerVisibilityInternal(std::uint32_t layerId, bool visible);
    void setLayerNameInternal(std::uint32_t layerId, const QString& name);
    // InvalidId as target stands for the topmost place.
    void moveLayerInternal(std::uint32_t layerId, std::uint32_t targetId);
    void setLayerBackgroundColorInternal(std::uint32_t layerId, orbColor_rgba color);

private:
    void readLayers();
    // The counter's id, or the next one that is neither InvalidId nor in use.
    std::uint32_t takeLayerId();
    std::uint32_t rendererIndex(std::uint32_t index) const;
    void queue(ZTask* task);
    // Asks for a render refresh, then announces the change.
    void refreshAndPost();
    void post();

    std::vector<orbLayerInfo> m_layers;  // topmost first
    std::uint32_t m_editLayer = 0;
    orb::SurfaceId m_id;
    orbPainter_surface* m_surface;
    orbRT_api* m_rtApi;
    bool m_deleted = false;
    ZTaskQueue* m_taskQueue;
    IEventQueue* m_eventQueue;
    ZUndoStack* m_undoStack;
    std::uint32_t m_nextLayerId = 0;
    std::shared_ptr<ZPaintSurface*> m_handle = std::make_shared<ZPaintSurface*>(this);
};

} // namespace zsg
