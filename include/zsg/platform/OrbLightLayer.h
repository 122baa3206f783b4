#pragma once
// The renderer's light layer database and the scene hierarchy as this library
// reads them. Hierarchy records belong to the scene and stay valid until the
// scene's hierarchy changes; arrays from the database are the caller's to free.

#include <zsg/platform/OrbRuntime.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace orb {

/// Bits of a layer's flags word that the library relies on; the renderer owns the others.
enum layerFlags : std::uint32_t {
    LayerReversed = 1,  // the controller's add and remove of lights swap their sense
    LayerDeleted = 16,  // deleted, but kept so that it can be restored
};

/// A flags word over the bits of `Enum`; any other bit is kept as it is.
/// setFlag changes nothing in place: it returns the changed word.
template <typename Enum>
struct Flags {
    std::uint32_t bits = 0;

    constexpr Flags() = default;
    constexpr Flags(std::uint32_t value) : bits(value) {}
    constexpr bool testFlag(Enum flag) const { return (bits & flag) == flag; }
    [[nodiscard]] constexpr Flags setFlag(Enum flag, bool on) const { return on ? bits | flag : bits & ~std::uint32_t(flag); }
    constexpr bool operator==(const Flags&) const = default;
};

} // namespace orb

/// A scene's light layers: each with an id, a name, a flags word, a list of
/// member lights and a mask bit. Layer 1 is the default layer; it exists in
/// every database, has the mask 0 and cannot be deleted. Writes to unknown ids
/// change nothing; reads give 0, null, empty arrays (layer_bitmask: 0xFFFFFFFF).
class ORB_EXPORT orbLight_layer_db {
public:
    static constexpr orb::LightLayerId DefaultLayer = 1;

    orbLight_layer_db();  // the default state: the default layer "Default", nothing else
    ~orbLight_layer_db();
    orbLight_layer_db(const orbLight_layer_db&) = delete;
    orbLight_layer_db& operator=(const orbLight_layer_db&) = delete;

    // The layers the environment light belongs to, as a mask.
    std::uint32_t environment_light_mask = 0;

    // A new layer with the name (null: none) and `id`, or InvalidId to let the
    // database pick one. InvalidId when the id is taken, outside 2 to 33, or
    // none is left.
    orb::LightLayerId create_layer(const char* name, orb::LightLayerId id);
    // Copies the source's lights and flags into `target`, which keeps its name.
    bool clone_layer(orb::LightLayerId target, orb::LightLayerId source);
    // Marks the layer deleted (LayerDeleted); it keeps its id, bit and lights.
    bool delete_layer(orb::LightLayerId id);
    // delete_layer, and the scene's objects lose the layer's bit, which moves
    // them to the default layer.
    bool delete_n_remap_layer(orbScene* scene, orb::LightLayerId id);
    bool set_layer_name(orb::LightLayerId id, const char* name);
    const char* get_layer_name(orb::LightLayerId id) const;  // the database's storage; null when none
    // `name` when no layer has it, else "<base> <n>" with the lowest free n from 1.
    std::string find_unique_name(const char* name) const;
    // Lights join the layer's list once each, in the given order, or leave it.
    void add_lights(orb::LightLayerId id, orb::Span<const orb::ObjectId> lights);
    void remove_lights(orb::LightLayerId id, orb::Span<const orb::ObjectId> lights);
    bool contains(orb::LightLayerId id, orb::ObjectId light) const;
    bool set_flags(orb::LightLayerId id, std::uint32_t flags);
    std::uint32_t get_flags(orb::LightLayerId id) const;
    // Layer n >= 2 owns bit n - 2 of a mask; the default layer owns the mask 0.
    // An unknown layer gives 0xFFFFFFFF, which no assignment produces.
    std::uint32_t layer_bitmask(orb::LightLayerId id) const;
    // The layer of the mask's lowest bit, when it exists and is not deleted;
    // otherwise the default layer.
    orb::LightLayerId layer_id_from_mask(std::uint32_t mask) const;
    std::uint32_t layer_count() const;
    // Owning arrays (orb::Unique_array_helper::free): layer ids ascending,
    // and a layer's lights in list order.
    orb::Array<orb::LightLayerId> get_layers() const;
    orb::Array<orb::ObjectId> get_lights(orb::LightLayerId id) const;
    // Makes this database a copy of `source`.
    void sync(const orbLight_layer_db& source);

private:
    struct Data;
    std::unique_ptr<Data> d;
};

class orbGroup_item;

/// One cell of a group's child list. An item may sit in several groups' lists,
/// and a renderer may hand over lists that lead back to a group above.
struct orbGroup_child {
    orbGroup_child* next = nullptr;
    orbGroup_item* item = nullptr;
};

/// A scene object: its group item id, a flag byte whose top bit keeps it out of
/// layer item lists and maps (not assignments), its shader (may be null), its data.
class ORB_EXPORT orbObject {
public:
    static constexpr std::uint8_t ExcludedBit = 0x80;
    static constexpr std::uint32_t LightLayerMaskDatum = 0;

    virtual ~orbObject();
    // Copies datum `datum` (LightLayerMaskDatum: 4 bytes) into `out`; false
    // when the object has no such datum of that size.
    virtual bool read_data(std::uint32_t datum, void* out, std::size_t size) const = 0;

    orb::GroupItemId group_item_id = orb::InvalidId;
    std::uint8_t light_flags = 0;
    orbShader* shader = nullptr;
};

/// A group of the scene hierarchy: its group item id, its flags (0x800 keeps it
/// and all below out of layer item lists, 0x4084800 out of maps), its children.
class orbGroup {
public:
    orb::GroupItemId group_item_id = orb::InvalidId;
    std::uint32_t flags = 0;
    orbGroup_child* children = nullptr;  // first cell; null when empty
};

/// A node of the scene hierarchy: an object or a group, as `kind` says.
class orbGroup_item {
public:
    enum Kind : std::int32_t { Object = 2, Group = 4 };

    Kind kind = Object;
    orbObject* object = nullptr;  // kind Object
    orbGroup* group = nullptr;    // kind Group
};

/// The scene hierarchy, from its root group.
class orbScene_hierarchy {
public:
    orbGroup_item* root = nullptr;  // a group
};

namespace orb {
// The shader information request (orb_call_info_shader) whose non-zero answer
// keeps an object out of a layer's item list and of layersOfItems.
inline constexpr int ShaderInfoLightLayer = 4100;
} // namespace orb
