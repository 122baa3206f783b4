#pragma once
// Brush node graphs as the renderer keeps them. A node's record lists its
// parameters in the renderer's order; a link parameter points at another node.
// Records and the strings they point to belong to the scene and live as long as
// the node: the library reads and writes parameter values in place.

#include <zsg/platform/OrbTypes.h>

#include <cstdint>

class orbShader;

namespace orb::painter {

class orbBrush_node;  // opaque: the renderer's node, handed out by orbScene_api::end_node

/// Type codes of node parameters, also the `kind` of orbScene_api::set_attribute
/// for nodes. Value kinds pass the address of the value; the pointer kinds
/// (string, link, shader) pass the pointer itself.
enum BrushParameterType : std::int32_t {
    BrushColor = 1,    // orbColor
    BrushInteger = 2,  // std::int32_t
    BrushFloat = 3,    // float
    BrushBoolean = 7,  // bool
    BrushString = 10,  // const char*: the scene's string storage (orb_string_dup), or null
    BrushLink = 24,    // orbBrush_node*, or null
    BrushShader = 25,  // orbShader*, or null
};

/// The value of a node parameter; `type` of its parameter says which member holds it.
union orbBrush_value {
    orbColor color;
    std::int32_t integer;
    float number;
    bool boolean;
    const char* string;
    orbBrush_node* link;
    orbShader* shader;
};

/// One parameter of a brush node, in the node's record; the library may write `value` in place.
struct orbBrush_parameter {
    const char* name;       // NUL-terminated, never null
    std::int32_t type;      // BrushParameterType; other codes may exist
    orbBrush_value value;   // the member that `type` names
    const char* help;       // NUL-terminated slider hints and the like, or null
};

/// What the renderer reports of one brush node: its type and its parameters.
struct orbBrush_node_record {
    orbBrush_node* node;    // the node this record describes
    const char* typeName;   // "orb.painter.stamp.brush", ...
    orbBrush_parameter* parameters;
    std::uint32_t parameterCount;
};

} // namespace orb::painter

// The scene's length unit relative to the unit brush sizes are given in; 0
// when the scene has none set.
ORB_EXPORT float orb_scene_length_unit_scale(orbScene* scene);
