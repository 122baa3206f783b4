#pragma once
// The renderer runtime as this library sees it: the runtime handle, the records
// it exchanges, the scene API and the free functions by family. The library
// calls the renderer only through these declarations. Record layouts give the
// fields the library reads; a renderer may keep more behind them.

#include <zsg/platform/OrbTypes.h>

#include <nlohmann/json.hpp>

#include <cstdint>

class orbLight_layer_db;
class orbScene_hierarchy;
class orbGroup_item;
class orbShader;
class orbPainter;
class orbPainter_factory;
class orbScene_api;
namespace orb::painter { class orbBrush_node; struct orbBrush_node_record; }

namespace orb {

/// An owning array handed out by the renderer; release `data` with
/// Unique_array_helper::free.
template <typename T>
struct Array {
    T* data = nullptr;
    std::uint64_t count = 0;
};

/// One named field of a record: the name at byte 0, the value at byte 40.
struct FieldEntry {
    char name[40];
    alignas(8) unsigned char value[80];
};
static_assert(sizeof(FieldEntry) == 120);

enum RecordKind : std::int32_t { ColorRecord = 3, ColorwayRecord = 4, ColorSettingsRecord = 5 };

/// A colour, colorway or colour-settings record. Fetched records belong to the
/// fetcher until released through the runtime.
struct Record {
    std::uint32_t id = InvalidId;
    std::uint32_t reserved0[3] = {};
    std::int32_t kind = 0;
    std::uint32_t reserved1 = 0;
    FieldEntry* fields = nullptr;
    std::uint64_t reserved2[2] = {};
    std::int32_t fieldCount = 0;
};
static_assert(offsetof(Record, kind) == 16);
static_assert(offsetof(Record, fields) == 24);
static_assert(offsetof(Record, fieldCount) == 48);

/// A list field's value: 32-bit elements and their count.
struct ListValue {
    std::uint32_t* data;
    std::uint32_t count;
};

// The structured meta-data value of a material.
using MetaData = nlohmann::json;

/// One cell of a material's text key/value list. Cells, keys and values are
/// orb_malloc blocks: whoever rewrites the list frees them with orb_free.
struct KeyValue {
    KeyValue* next;
    char* key;    // NUL-terminated
    char* value;  // NUL-terminated
};

} // namespace orb

/// A material record, owned by the scene. The library reads it and rewrites its
/// key/value list in place; the meta-data value changes only through
/// orbRT_api::setMaterialMetaData.
class orbMaterial {
public:
    orb::MaterialId id = orb::InvalidId;
    const char* name = nullptr;                    // UTF-8; null when the material has none
    orb::Span<const orb::MaterialId> materialIds;  // the renderer's storage
    orb::KeyValue* keyValues = nullptr;            // first cell; null when the list is empty

    const orb::MetaData& get_meta_data() const { return m_metaData; }

protected:
    orb::MetaData m_metaData;
};

namespace orbColor_extended {
enum ColorType : std::int32_t { Plain = 1, Multi = 2 };
}

/// The runtime handle. Lock and unlock nest on one thread.
class ORB_EXPORT orbRT_api {
public:
    virtual ~orbRT_api();

    virtual orbScene* scene() = 0;
    virtual void lock() = 0;
    virtual void unlock() = 0;
    virtual void sceneChanged(int what) = 0;
    virtual void refreshRender(int what) = 0;

    // Colour records (kinds 3, 4, 5). A fetched record is the caller's until
    // released; commit copies its content into the scene.
    virtual orb::Record* colorRecord(orb::ColorId id) = 0;
    virtual orb::Record* colorwayRecord(orb::ColorwayId id) = 0;
    virtual orb::Record* colorSettingsRecord() = 0;
    virtual bool commitColor(orb::Record* record) = 0;
    virtual bool commitColorway(orb::Record* record) = 0;
    virtual bool commitColorSettings(orb::Record* record) = 0;
    virtual void releaseColor(orb::Record* record) = 0;
    virtual void releaseColorway(orb::Record* record) = 0;
    virtual void releaseColorSettings(orb::Record* record) = 0;
    virtual orb::Record* copyRecord(const orb::Record* record, int flags) = 0;

    // Materials.
    virtual bool setMaterialMetaData(orb::MaterialId id, const orb::MetaData& value) = 0;

    // Light layers.
    virtual void setLightLayerMembership(orb::LightLayerId layer, orb::Span<const orb::ObjectId> lights,
                                         bool remove) = 0;
    virtual void assignItemsToLightLayer(orb::LightLayerId layer, orb::Span<const orb::ObjectId> items) = 0;
    virtual void setLightLayerFlags(orb::LightLayerId layer, std::uint32_t flags) = 0;

    // Brush node graphs (OrbBrush.h). The record belongs to the scene; null
    // for a node the scene does not know.
    virtual orb::painter::orbBrush_node_record* brushNodeRecord(orb::painter::orbBrush_node* node) = 0;
    virtual void brushNodeChanged(orb::painter::orbBrush_node* node) = 0;
};

/// Scene API: building colours, colorways and graph nodes. Begin an object,
/// set its attributes, end it. Ending a colour or colorway yields the scene's
/// own record of the new object (owned by the scene: not released by the
/// caller, valid until the next change of the scene), or null.
class ORB_EXPORT orbScene_api {
public:
    virtual ~orbScene_api();

    virtual void begin_color(orb::ColorId id) = 0;        // InvalidId: the renderer picks the id
    virtual orb::Record* end_color() = 0;
    virtual void begin_colorway(orb::ColorwayId id) = 0;  // InvalidId: the renderer picks the id
    virtual orb::Record* end_colorway() = 0;
    virtual void begin_node(const char* typeName, std::uint32_t id) = 0;
    virtual void* end_node() = 0;                         // the node's handle, or null
    // Sets an attribute of the object being built; `kind` is the renderer's
    // type code of `value` (10: a NUL-terminated string).
    virtual bool set_attribute(const char* name, int kind, const void* value) = 0;
};

ORB_EXPORT orbScene_api* orb_get_scene_api(orbScene* scene);

// Colours.
ORB_EXPORT orb::Array<orb::ColorId> orb_get_colors(orbScene* scene, int type);
ORB_EXPORT orb::Array<orb::ColorId> orb_get_colors_named(orbScene* scene);
ORB_EXPORT orb::Array<orb::ColorwayId> orb_get_colorways(orbScene* scene);
ORB_EXPORT void orb_get_colordb_revision(orbScene* scene, std::uint32_t* colorRevision,
                                         std::uint32_t* colorwayRevision);
ORB_EXPORT orb::Array<orb::ColorId> orb_color_from_name(orbScene* scene, const char* name);
ORB_EXPORT orb::Array<orb::ColorId> orb_multi_color_from_name(orbScene* scene, const char* name);
ORB_EXPORT orb::Array<orb::ColorwayId> orb_colorway_from_name(orbScene* scene, const char* name);
ORB_EXPORT std::uint32_t orb_color_reference_count(orbScene* scene, orb::ColorId id);
// On success *result is a string from orb_malloc that the caller frees with orb_free.
ORB_EXPORT bool orb_color_find_unique_name(orbScene* scene, const char* name, orb::Span<const orb::ColorId> ignore,
                                           orbColor_extended::ColorType type, char** result);
ORB_EXPORT void orb_color_set_unique_name(orbScene* scene, orb::ColorId id);
ORB_EXPORT orb::Array<orb::MaterialId> orb_get_materials_using_color(orbScene* scene, orb::ColorId id,
                                                                     std::uint32_t flags, bool activeOnly);

// Materials and shaders.
ORB_EXPORT orbMaterial* orb_material_from_id(orbScene* scene, orb::MaterialId id);
ORB_EXPORT void* orb_call_info_shader(orbShader* shader, int request);

// Light layers.
ORB_EXPORT orbLight_layer_db* orb_light_layer_db_get(orbScene* scene);
ORB_EXPORT orbGroup_item* orb_group_item_from_id(orbScene* scene, orb::GroupItemId id);
ORB_EXPORT orbScene_hierarchy* orb_scene_hierarchy_get(orbScene* scene);

// Paint.
ORB_EXPORT orbPainter_factory* orb_painter_factory(orbScene* scene);
