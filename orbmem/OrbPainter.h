#pragma once
// The in-memory painter: paint surfaces with their layer stacks, the painter
// that owns them and the factory that hands the painter out. Private to orbmem.
//
// A surface guards its state with a mutex of its own, because tasks change it
// on the render thread while the main thread names layers and reads it back.
// The painter's surface list is changed and read on the main thread only.

#include <orbmem/MemoryRuntime.h>
#include <zsg/platform/OrbPainter.h>

#include <atomic>
#include <chrono>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace orbmem {

class Painter;

class PaintSurface final : public orbPainter_surface {
public:
    PaintSurface(const Painter& painter, orb::SurfaceId id, orb::PaintSurfaceContent content);

    orb::SurfaceId id() const override { return m_id; }
    bool deleted() const override;
    void setDeleted(bool deleted) override;
    orb::Array<orbLayerInfo> layers() const override;
    std::uint32_t editLayer() const override;

    void addLayer(std::uint32_t index, std::uint32_t id) override;
    void setEditLayer(std::uint32_t index) override;
    void setLayerName(std::uint32_t index, const char* name) override;
    void setLayerDeleted(std::uint32_t index, bool deleted) override;
    void setLayerVisible(std::uint32_t index, bool visible) override;
    void setLayerBlendMode(std::uint32_t index, orb::ColorBlendMode mode) override;
    void setLayerBackgroundColor(std::uint32_t index, orbColor_rgba color) override;
    void moveLayer(std::uint32_t from, std::uint32_t to) override;

    const std::string& name() const { return m_name; }
    orb::PaintSurfaceContent content() const;
    void setResolution(int resolution);

private:
    // Runs `change` on the layer at `index` under the lock, after the
    // renderer's simulated work time; an index beyond the stack is ignored.
    template <typename Change>
    void changeLayer(std::uint32_t index, Change change);
    void work() const;

    const Painter& m_painter;
    const orb::SurfaceId m_id;
    const std::string m_name;
    mutable std::mutex m_mutex;
    int m_resolution;
    bool m_deleted;
    std::vector<orbLayerInfo> m_layers;  // bottom first
    std::uint32_t m_editLayer;           // renderer index
};

class Painter final : public orbPainter {
public:
    explicit Painter(orbScene& scene) : m_scene(scene) {}

    orb::Array<orbSurface_info> surfaces() const override;
    PaintSurface* surface(orb::SurfaceId id) const override;
    orb::SurfaceId createSurface(const char* name, int resolution) override;
    bool changeResolution(orbScene* scene, orb::SurfaceId id, std::uint32_t resolution) override;

    orbScene& scene() const { return m_scene; }
    orb::SurfaceId addSurface(orb::PaintSurfaceContent content);
    // Time each layer change of a task takes on the render thread.
    void setWorkTime(std::chrono::microseconds time) { m_workTime = time; }
    std::chrono::microseconds workTime() const { return m_workTime; }

private:
    orbScene& m_scene;
    std::map<orb::SurfaceId, std::unique_ptr<PaintSurface>> m_surfaces;  // ids in creation order
    orb::SurfaceId m_nextId = 1;
    std::atomic<std::chrono::microseconds> m_workTime{std::chrono::microseconds(0)};
};

// The scene has one painter of the type "svdag_painter", made with the scene
// so that hosts can set surfaces up before asking for it. The factory counts
// the handles it gave out; a release without a live handle is ignored.
class PainterFactory final : public orbPainter_factory {
public:
    explicit PainterFactory(orbScene& scene) : m_painter(scene) {}

    orbPainter* create(const char* typeName) override;
    void release(orbPainter* painter) override;

    Painter& painter() { return m_painter; }

private:
    Painter m_painter;
    int m_handles = 0;
};

} // namespace orbmem
