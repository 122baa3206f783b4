#pragma once
// The in-memory scene behind orbScene*: colours, colorways, the colour
// settings and materials. Private to orbmem.
//
// The scene keeps each colour, colorway and the settings as a record of its own
// (the record the scene API hands out on creation); fetching hands out a deep
// copy, committing copies a record's content back. Members other than mutex()
// and storeString() expect the caller to hold mutex().

#include "OrbHierarchy.h"
#include "OrbBrushNodes.h"
#include "OrbPainter.h"
#include "OrbRecord.h"

#include <orbmem/MemoryRuntime.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

namespace orb {
// Live counts of what the renderer handed out (OrbMemory.cpp).
extern std::atomic<std::int64_t> g_arrays;
extern std::atomic<std::int64_t> g_records;
extern std::atomic<std::int64_t> g_strings;
extern std::atomic<std::int64_t> g_painters;
} // namespace orb

namespace orbmem {

// An owning array for Unique_array_helper::free; an empty list has no block.
template <typename T>
orb::Array<T> toArray(const std::vector<T>& items)
{
    if (items.empty())
        return {};
    auto* data = static_cast<T*>(std::malloc(items.size() * sizeof(T)));
    if (!data)
        throw std::bad_alloc();
    std::memcpy(static_cast<void*>(data), items.data(), items.size() * sizeof(T));
    ++orb::g_arrays;
    return {data, items.size()};
}

// A material: the record the library reads, the storage its name and id list
// point into, and the colours it uses. It stays at one address for its life.
struct Material final : orbMaterial {
    Material(orb::MaterialId id, orb::MaterialContent content);
    ~Material();  // frees the key/value list
    Material(const Material&) = delete;
    Material& operator=(const Material&) = delete;

    orb::MaterialContent content() const;
    void setMetaData(orb::MetaData value) { m_metaData = std::move(value); }

    std::string nameText;
    std::vector<orb::ColorId> colors;  // may repeat a colour (one per parameter)
    std::vector<orb::MaterialId> ids;
};

// Bits of orb_get_materials_using_color's flags.
inline constexpr std::uint32_t DirectUse = 1;        // the material lists the colour
inline constexpr std::uint32_t UseThroughMulti = 2;  // ... or a multi colour holding it

struct SceneRecordDeleter {
    void operator()(orb::Record* record) const { destroyRecord(record, Heap::Scene); }
};
using SceneRecord = std::unique_ptr<orb::Record, SceneRecordDeleter>;

class SceneApi final : public orbScene_api {
public:
    explicit SceneApi(orbScene& scene) : m_scene(scene) {}
    void begin_color(orb::ColorId id) override;
    orb::Record* end_color() override;
    void begin_colorway(orb::ColorwayId id) override;
    orb::Record* end_colorway() override;
    void begin_node(const char* typeName, std::uint32_t id) override;
    void* end_node() override;
    bool set_attribute(const char* name, int kind, const void* value) override;

private:
    enum class Building { Nothing, Color, Colorway, Node };
    orbScene& m_scene;
    Building m_building = Building::Nothing;
    std::uint32_t m_id = orb::InvalidId;
    std::string m_name;
};

} // namespace orbmem

class orbScene {
public:
    orbScene();
    ~orbScene();
    orbScene(const orbScene&) = delete;
    orbScene& operator=(const orbScene&) = delete;

    std::recursive_mutex& mutex() { return m_mutex; }
    // Copies text into storage that lives as long as the scene.
    char* storeString(const char* text);
    orbScene_api* api() { return &m_api; }
    orbmem::BrushNodes& brushNodes() { return m_brushNodes; }

    // The scene's own records; null for an unknown id.
    orb::Record* color(orb::ColorId id) const;
    orb::Record* colorway(orb::ColorwayId id) const;
    orb::Record* settings() const { return m_settings.get(); }
    const std::map<orb::ColorId, orbmem::SceneRecord>& colors() const { return m_colors; }
    const std::map<orb::ColorwayId, orbmem::SceneRecord>& colorways() const { return m_colorways; }

    // A new colour or colorway named `name` (no name when empty). `id` is the
    // id to give it, or InvalidId to take the next free one; null when the id
    // is taken.
    orb::Record* addColor(orb::ColorId id, const std::string& name);
    orb::Record* addColorway(orb::ColorwayId id, const std::string& name);
    void setSettingsPresent(bool present);

    // Records handed out: a deep copy on the caller's heap, counted until released.
    orb::Record* handOut(const orb::Record& record);
    // Frees a record handed out by this scene; any other pointer is ignored.
    void release(orb::Record* record);
    // Copies the content of `record` into the scene's record of the same kind
    // and id. False for an unknown id, another kind, or a record whose "id"
    // field disagrees with its id.
    bool commit(const orb::Record& record, orb::RecordKind kind);

    // Writes a string field (a copy in the string storage; no name for empty
    // text) when the text differs; reports whether it did. Writes do not touch
    // the revisions: the caller announces a change with colorsChanged() or
    // colorwaysChanged().
    bool updateText(orb::FieldEntry& field, std::string_view text);
    void colorsChanged() { ++m_colorRevision; }
    void colorwaysChanged() { ++m_colorwayRevision; }

    std::uint32_t colorRevision() const { return m_colorRevision; }
    std::uint32_t colorwayRevision() const { return m_colorwayRevision; }

    // Colours by type (1 plain, 2 multi); temporary colours belong to neither.
    static bool isMulti(const orb::Record& color);
    static bool isTemporary(const orb::Record& color);
    std::vector<orb::ColorId> colorsOfType(int type) const;
    std::vector<orb::ColorId> namedColors() const;
    std::vector<orb::ColorId> colorsNamed(std::string_view name, bool multiOnly) const;
    std::vector<orb::ColorwayId> colorwaysNamed(std::string_view name) const;

    std::optional<std::string> uniqueColorName(std::string_view name, orb::Span<const orb::ColorId> ignore,
                                               int type) const;
    void makeNameUnique(orb::ColorId id);

    orb::MaterialId addMaterial(orb::MaterialContent content);
    orbmem::Material* material(orb::MaterialId id) const;
    bool removeMaterial(orb::MaterialId id) { return m_materials.erase(id) > 0; }
    bool allColorsExist(const std::vector<orb::ColorId>& ids) const;
    std::vector<orb::MaterialId> materialsUsingColor(orb::ColorId id, std::uint32_t flags, bool activeOnly) const;

    // The colorway's choices become the active sub colours of its multi
    // colours; it becomes the only active colorway and the settings' choice.
    bool activateColorway(orb::ColorwayId id);

    // Paint surfaces live in the painter the factory hands out.
    orbmem::PainterFactory& painterFactory() { return m_painterFactory; }

private:
    // Colours, colorways and materials share one id space, so an id passed as
    // the wrong kind is refused rather than taken for another object.
    std::uint32_t takeId(std::uint32_t wanted);
    bool assign(orb::Record& target, const orb::Record& source);

    std::recursive_mutex m_mutex;
    std::deque<std::unique_ptr<char[]>> m_strings;
    orbmem::SceneApi m_api{*this};
    orbmem::BrushNodes m_brushNodes{*this};
    std::map<orb::ColorId, orbmem::SceneRecord> m_colors;
    std::map<orb::ColorwayId, orbmem::SceneRecord> m_colorways;
    orbmem::SceneRecord m_settings;
    std::map<orb::MaterialId, std::unique_ptr<orbmem::Material>> m_materials;
    std::unordered_set<const orb::Record*> m_handedOut;
    std::uint32_t m_nextId = 1;  // 0 stays unused: a zeroed id is never valid
    std::uint32_t m_colorRevision = 0;
    std::uint32_t m_colorwayRevision = 0;

    // Light layers and the scene hierarchy.
public:
    orbLight_layer_db& lightLayers() { return m_lightLayers; }
    orbmem::Hierarchy& hierarchy() { return m_hierarchy; }

private:
    orbLight_layer_db m_lightLayers;
    orbmem::Hierarchy m_hierarchy{m_lightLayers};
    orbmem::PainterFactory m_painterFactory{*this};  // paint surfaces
};
