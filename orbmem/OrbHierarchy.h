#pragma once
// The in-memory scene hierarchy: groups, objects and lights under a root
// group, with one id space for their group items (a light's object id is its
// group item id). Records live at one address until the scene goes. Private to
// orbmem; the scene's mutex guards it.

#include <zsg/platform/OrbLightLayer.h>

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

// A shader as far as the light layer walks ask it: its answer to request 4100.
class orbShader {
public:
    std::uint32_t lightLayerAnswer = 0;
};

namespace orbmem {

// Layers 2 to 33 own the 32 bits of a light layer mask: layer n owns bit n - 2.
inline constexpr orb::LightLayerId FirstMaskedLayer = orbLight_layer_db::DefaultLayer + 1;
inline constexpr orb::LightLayerId LastMaskedLayer = FirstMaskedLayer + 31;

// An object's light layer mask is its own, except for lights: theirs is the
// mask of the live layers that list them, read from the scene's database.
class MemoryObject final : public orbObject {
public:
    MemoryObject(orb::GroupItemId id, const orbLight_layer_db* lightOf) : m_lightOf(lightOf) { group_item_id = id; }
    bool read_data(std::uint32_t datum, void* out, std::size_t size) const override;

    bool isLight() const { return m_lightOf != nullptr; }
    std::uint32_t mask = 0;
    bool maskReadable = true;

private:
    const orbLight_layer_db* m_lightOf;
};

struct MemoryGroup : orbGroup {
    orbGroup_child* last = nullptr;
};

class Hierarchy {
public:
    explicit Hierarchy(const orbLight_layer_db& layers);
    Hierarchy(const Hierarchy&) = delete;
    Hierarchy& operator=(const Hierarchy&) = delete;

    orbScene_hierarchy* get() { return &m_hierarchy; }
    orb::GroupItemId rootId() const { return 1; }
    orbGroup_item* item(orb::GroupItemId id) const;
    MemoryObject* object(orb::GroupItemId id) const;

    // A new item at the end of the parent group's list; InvalidId when the
    // parent is no group. New objects have the mask 0 (the default layer).
    orb::GroupItemId addGroup(orb::GroupItemId parent, std::uint32_t flags);
    orb::GroupItemId addObject(orb::GroupItemId parent, bool light);
    // Lists an existing item in one more group as well. Refused when it would
    // make a group its own descendant, unless `cycleAllowed`.
    bool addChild(orb::GroupItemId parent, orb::GroupItemId child, bool cycleAllowed);
    // A shader answering request 4100 with `answer`, or none.
    bool setShader(orb::GroupItemId id, std::optional<std::uint32_t> answer);

    // Every object loses these mask bits (objects leaving a deleted layer).
    void clearMaskBits(std::uint32_t bits);
    // Objects (lights excluded) get `mask`; unknown ids and groups are skipped.
    void assignMask(orb::Span<const orb::GroupItemId> ids, std::uint32_t mask);

private:
    orbGroup_item& newItem();
    void append(MemoryGroup& parent, orbGroup_item& child);
    bool isBelow(const orbGroup_item& item, const orbGroup_item& group) const;

    const orbLight_layer_db& m_layers;
    orbScene_hierarchy m_hierarchy;
    std::vector<orbGroup_item*> m_byId{nullptr};  // index: group item id; 0 is never used
    std::deque<orbGroup_item> m_items;
    std::deque<MemoryObject> m_objects;
    std::deque<MemoryGroup> m_groups;
    std::deque<orbGroup_child> m_cells;
    std::deque<orbShader> m_shaders;
};

} // namespace orbmem
