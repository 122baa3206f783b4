#pragma once
// The brush nodes of the in-memory scene: the node types the painter knows,
// each with its parameter set and defaults, the nodes built through the scene
// API, and how often each was reported changed. Private to orbmem; members
// expect the caller to hold the scene's mutex.

#include <zsg/platform/OrbBrush.h>
#include <zsg/platform/OrbRuntime.h>

#include <cstdint>
#include <memory>
#include <unordered_set>
#include <vector>

class orb::painter::orbBrush_node {
public:
    std::uint32_t id = orb::InvalidId;
    std::vector<orbBrush_parameter> parameters;
    orbBrush_node_record record{};
    int changeCount = 0;
};

namespace orbmem {

class BrushNodes {
public:
    explicit BrushNodes(orbScene& scene) : m_scene(scene) {}

    // Starts a node of a known type with its defaults; false (and nothing
    // started) for an unknown type.
    bool begin(const char* typeName, std::uint32_t id);
    // Sets a parameter of the node being built: false for none, an unknown
    // name, a kind other than the parameter's, or a link to a node this scene
    // does not have.
    bool set(const char* name, int kind, const void* value);
    // The node being built, now owned by the scene; null when none was started
    // or its id is taken.
    orb::painter::orbBrush_node* end();

    // Null for a pointer that is not a node of this scene.
    orb::painter::orbBrush_node* find(const void* handle) const;

    float lengthUnitScale = 1.0f;

private:
    orbScene& m_scene;
    std::unique_ptr<orb::painter::orbBrush_node> m_building;
    std::vector<std::unique_ptr<orb::painter::orbBrush_node>> m_nodes;
    std::unordered_set<const void*> m_known;
    std::unordered_set<std::uint32_t> m_ids;
    std::uint32_t m_nextId = 1;
};

} // namespace orbmem
