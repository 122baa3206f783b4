#pragma once
// The renderer's painter as the library sees it: the painter factory, the
// painter with its paint surfaces, and the layer record exchanged by value.
// Surface layer operations take renderer indices: 0 is the bottom layer.
// Painters and surfaces belong to the renderer; the factory hands painters
// out and takes them back.

#include <zsg/platform/OrbRuntime.h>

#include <cstddef>
#include <cstdint>

namespace orb {
/// How a layer combines with the layers below it.
enum class ColorBlendMode : std::int32_t {
    Normal = 0,
    Multiply = 1,
    Screen = 2,
    Overlay = 3,
    Add = 4,
    Subtract = 5,
};
} // namespace orb

/// One layer of a paint surface.
struct orbLayerInfo {
    orb::ColorBlendMode blendMode = orb::ColorBlendMode::Normal;
    bool deleted = false;
    bool visible = true;
    std::uint8_t reserved0[2] = {};
    const char* name = nullptr;  // UTF-8 in the scene's string storage; null: no name
    orbColor_rgba background = {0, 0, 0, 0};
    std::uint32_t id = 0;        // unique within the surface
    std::uint32_t reserved1 = 0;
};
static_assert(offsetof(orbLayerInfo, blendMode) == 0);
static_assert(offsetof(orbLayerInfo, deleted) == 4);
static_assert(offsetof(orbLayerInfo, visible) == 5);
static_assert(offsetof(orbLayerInfo, name) == 8);
static_assert(offsetof(orbLayerInfo, background) == 16);
static_assert(offsetof(orbLayerInfo, id) == 32);
static_assert(sizeof(orbLayerInfo) == 40);
static_assert(sizeof(orb::ColorBlendMode) == 4 && sizeof(bool) == 1);

/// An entry of the painter's surface list; the name belongs to the painter.
struct orbSurface_info {
    orb::SurfaceId id = orb::InvalidId;
    const char* name = nullptr;
};

/// A paint surface: a stack of layers and the layer being painted on. Its
/// operations may be called from the render thread and the main thread at once.
/// Indices beyond the layer stack are ignored.
class ORB_EXPORT orbPainter_surface {
public:
    virtual ~orbPainter_surface();

    virtual orb::SurfaceId id() const = 0;
    virtual bool deleted() const = 0;
    virtual void setDeleted(bool deleted) = 0;
    // A copy of the layers, bottom first; release `data` with Unique_array_helper::free.
    virtual orb::Array<orbLayerInfo> layers() const = 0;
    // The edit layer counted from the top layer (0 = topmost).
    virtual std::uint32_t editLayer() const = 0;

    // A new layer with the given id at `index` (at most the layer count): not
    // deleted, visible, normal blend, no name, transparent black background.
    virtual void addLayer(std::uint32_t index, std::uint32_t id) = 0;
    virtual void setEditLayer(std::uint32_t index) = 0;
    // Copies `name` into the scene's string storage; null clears the name.
    virtual void setLayerName(std::uint32_t index, const char* name) = 0;
    virtual void setLayerDeleted(std::uint32_t index, bool deleted) = 0;
    virtual void setLayerVisible(std::uint32_t index, bool visible) = 0;
    virtual void setLayerBlendMode(std::uint32_t index, orb::ColorBlendMode mode) = 0;
    virtual void setLayerBackgroundColor(std::uint32_t index, orbColor_rgba color) = 0;
    // The layer at `from` ends at `to`; the layers between shift by one.
    virtual void moveLayer(std::uint32_t from, std::uint32_t to) = 0;
};

/// The renderer's painter: it owns the paint surfaces. Main thread only.
class ORB_EXPORT orbPainter {
public:
    virtual ~orbPainter();

    // The surfaces in creation order; release `data` with Unique_array_helper::free.
    virtual orb::Array<orbSurface_info> surfaces() const = 0;
    // The surface object, owned by the painter; null for an unknown id.
    virtual orbPainter_surface* surface(orb::SurfaceId id) const = 0;
    // A new surface holding one layer; InvalidId when it cannot be made.
    virtual orb::SurfaceId createSurface(const char* name, int resolution) = 0;
    // False for an unknown surface or a resolution the painter refuses.
    virtual bool changeResolution(orbScene* scene, orb::SurfaceId id, std::uint32_t resolution) = 0;
};

/// Makes painters by type name for a scene and takes them back.
class ORB_EXPORT orbPainter_factory {
public:
    virtual ~orbPainter_factory();

    // Null for a type the renderer does not know.
    virtual orbPainter* create(const char* typeName) = 0;
    virtual void release(orbPainter* painter) = 0;
};
