#pragma once

#include <zsg/platform/OrbBrush.h>
#include <zsg/platform/OrbPainter.h>
#include <zsg/platform/OrbRuntime.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orb {

/// Live counts: handed out and not yet given back. Strings live in the scene's
/// storage and go with the scene.
struct MemoryStats {
    std::int64_t allocations = 0;         // orb_malloc blocks (arrays excluded)
    std::int64_t alignedAllocations = 0;  // orb_malloc_aligned blocks
    std::int64_t arrays = 0;              // owning id arrays (Unique_array_helper::free)
    std::int64_t records = 0;             // colour, colorway and settings records
    std::int64_t strings = 0;             // orb_string_dup copies
    std::int64_t painters = 0;            // painters from orb_painter_factory not yet released

    bool operator==(const MemoryStats&) const = default;
};

// Process-wide, since the memory functions take no runtime.
ORB_EXPORT MemoryStats memoryStats();

/// A material as a host sets it up and reads it back.
struct MaterialContent {
    std::string name;                    // empty: the material has no name
    std::vector<ColorId> colors;         // may repeat a colour (one per parameter)
    std::vector<MaterialId> materialIds;
    std::vector<std::pair<std::string, std::string>> keyValues;  // in list order, as given
    MetaData metaData;
};

/// One layer of a paint surface as a host sets it up and reads it back.
struct PaintLayer {
    std::uint32_t id = 0;
    std::optional<std::string> name;  // none: the layer has no name
    bool deleted = false;
    bool visible = true;
    ColorBlendMode blendMode = ColorBlendMode::Normal;
    orbColor_rgba background = {0, 0, 0, 0};
};

/// A paint surface as a host sets it up and reads it back.
struct PaintSurfaceContent {
    std::string name;
    int resolution = 1024;
    bool deleted = false;
    std::vector<PaintLayer> layers;  // renderer order: bottom first
    std::uint32_t editLayer = 0;     // renderer index
};

/// orb::MemoryRuntime: a complete renderer runtime kept in memory, for hosts and
/// tests that run the library without a GPU. It counts every allocation, array,
/// record and string it hands out and gets back (memoryStats), so a test can
/// assert that everything fetched was released.
class ORB_EXPORT MemoryRuntime : public orbRT_api {
public:
    MemoryRuntime();
    ~MemoryRuntime() override;
    MemoryRuntime(const MemoryRuntime&) = delete;
    MemoryRuntime& operator=(const MemoryRuntime&) = delete;

    orbScene* scene() override;
    // A recursive lock: the library nests ScopedRTApiLock on one thread.
    void lock() override;
    void unlock() override;
    void sceneChanged(int what) override;
    void refreshRender(int what) override;

    orb::Record* colorRecord(orb::ColorId id) override;
    orb::Record* colorwayRecord(orb::ColorwayId id) override;
    orb::Record* colorSettingsRecord() override;
    bool commitColor(orb::Record* record) override;
    bool commitColorway(orb::Record* record) override;
    bool commitColorSettings(orb::Record* record) override;
    void releaseColor(orb::Record* record) override;
    void releaseColorway(orb::Record* record) override;
    void releaseColorSettings(orb::Record* record) override;
    orb::Record* copyRecord(const orb::Record* record, int flags) override;

    bool setMaterialMetaData(orb::MaterialId id, const orb::MetaData& value) override;

    void setLightLayerMembership(orb::LightLayerId layer, orb::Span<const orb::ObjectId> lights,
                                 bool remove) override;
    void assignItemsToLightLayer(orb::LightLayerId layer, orb::Span<const orb::ObjectId> items) override;
    void setLightLayerFlags(orb::LightLayerId layer, std::uint32_t flags) override;

    orb::painter::orbBrush_node_record* brushNodeRecord(orb::painter::orbBrush_node* node) override;
    void brushNodeChanged(orb::painter::orbBrush_node* node) override;

    // Observation for hosts and tests.
    int lockDepth() const;            // current nesting of lock() on the runtime
    int sceneChangedCount() const;    // sceneChanged calls so far
    // The argument of every refreshRender call so far, in call order: 0 asks
    // for a full refresh, so a host can tell it from a partial one.
    std::vector<int> renderRefreshes() const;

    // The scene changed on the renderer's side, behind the library's back (a
    // host announces such changes with notifications 5006 and 5007), and the
    // set-up of scenes for tests. Names are taken as given, not made unique.
    // A call that changes colours or colorways raises the matching revision.
    orb::ColorId createColor(const std::string& name, orbColor_rgba value);
    // A multi colour over existing colours, showing the value of `active`
    // (InvalidId: the first); InvalidId when a colour is unknown or `active`
    // is not among them.
    orb::ColorId createMultiColor(const std::string& name, const std::vector<orb::ColorId>& subColors,
                                  orb::ColorId active = orb::InvalidId);
    // The lists are kept as given, unchecked, as a loaded scene may hold them.
    orb::ColorwayId createColorway(const std::string& name, const std::vector<orb::ColorId>& multiColors,
                                   const std::vector<orb::ColorId>& subColors);
    bool setColorValue(orb::ColorId id, orbColor_rgba value);  // false for an unknown colour
    bool setColorName(orb::ColorId id, const std::string& name);
    // The colorway's choices become the active sub colours of its multi
    // colours; it becomes the only colorway with the active flag and the
    // settings' active colorway. False for an unknown or deleted colorway.
    bool activateColorway(orb::ColorwayId id);
    // A scene has colour settings from the start; tests can take them away.
    void setColorSettingsPresent(bool present);

    // Materials. A colour's reference count is the number of materials using
    // it, directly or through a multi colour that holds it. Every colour must
    // exist (InvalidId otherwise); the other contents are kept as given.
    orb::MaterialId createMaterial(MaterialContent content);
    orb::MaterialId createMaterial(std::string name, std::vector<orb::ColorId> colors);
    bool setMaterialColors(orb::MaterialId id, std::vector<orb::ColorId> colors);
    std::vector<orb::ColorId> materialColors(orb::MaterialId id) const;  // empty for an unknown material
    // What the material's record holds now; nothing for an unknown material.
    std::optional<MaterialContent> materialContent(orb::MaterialId id) const;
    bool removeMaterial(orb::MaterialId id);

    // The scene hierarchy and its light layers. Items go at the end of a
    // group's child list (the root group's id is hierarchyRoot()); results are
    // InvalidId or false for a parent that is no group or an unknown object.
    // New objects have the mask 0: they are in the default layer. A light is an
    // object whose id is its group item id, excluded from item assignment; it
    // joins the default layer, and its mask is that of the live layers listing it.
    orb::GroupItemId hierarchyRoot() const;
    orb::GroupItemId addGroup(orb::GroupItemId parent, std::uint32_t flags = 0);
    orb::GroupItemId addObject(orb::GroupItemId parent);
    orb::ObjectId addLight(orb::GroupItemId parent);
    // Lists an item in one more group (shared children); refused when the group
    // would end up below itself.
    bool addChild(orb::GroupItemId parent, orb::GroupItemId item);
    // addChild without the refusal: builds a hierarchy that leads back to a
    // group above, as a hostile renderer could hand over (for tests).
    bool addChildHostile(orb::GroupItemId parent, orb::GroupItemId item);
    bool setExcluded(orb::GroupItemId object, bool excluded);
    // The object's shader answers request 4100 with `answer`; nullopt: no shader.
    bool setShaderAnswer(orb::GroupItemId object, std::optional<std::uint32_t> answer);
    bool setObjectMask(orb::GroupItemId object, std::uint32_t mask);
    // An object whose mask cannot be read refuses datum 0.
    bool setMaskReadable(orb::GroupItemId object, bool readable);
    // The mask as the object reports it; nullopt when unknown or unreadable.
    std::optional<std::uint32_t> objectMask(orb::GroupItemId object) const;
    // The live database's layer for that mask; InvalidId when it has none.
    orb::LightLayerId objectLayer(orb::GroupItemId object) const;
    void setEnvironmentLightMask(std::uint32_t mask);

    // Paint surfaces of the scene's painter ("svdag_painter"). Layers are kept
    // as given. Read surfaces back once the task queue has drained: tasks
    // queued before may still change them. Nothing for an unknown surface.
    orb::SurfaceId createPaintSurface(PaintSurfaceContent content);
    std::optional<PaintSurfaceContent> paintSurface(orb::SurfaceId id) const;
    // How long each layer change takes on the render thread (naming a layer
    // excepted), to show hosts what a slow render side does; 0 at the start.
    void setPaintWorkTime(std::chrono::microseconds time);

    // Brush nodes. The length-unit scale is what orb_scene_length_unit_scale
    // reports: 1 to start, 0 allowed (the scene has none set).
    void setLengthUnitScale(float scale);
    // How often brushNodeChanged reported the node; 0 for an unknown node.
    int brushNodeChangedCount(orb::painter::orbBrush_node* node) const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace orb
