#include "OrbBrushNodes.h"

#include "OrbScene.h"

#include <array>
#include <cstring>
#include <span>
#include <string_view>

using namespace orb::painter;

namespace {

struct ParameterDefault {
    const char* name;
    BrushParameterType type;
    float number = 0;  // default of a float; also of an integer or boolean (0 or 1)
    orbColor color = {0, 0, 0};
    const char* help = nullptr;
};

struct NodeType {
    const char* name;
    std::span<const ParameterDefault> parameters;
};

// Slider hints in the help texts, as the parameters of the library read them.
constexpr const char* Unit = "-limits,0,1-";
constexpr const char* Pixels = "-range,1,500-";
constexpr const char* Degrees = "-range,0,360-";

constexpr ParameterDefault Solid01[] = {{"value", BrushFloat, 1, {}, Unit}};
constexpr ParameterDefault Solid01Jitter[] = {{"value", BrushFloat, 1, {}, Unit}, {"jitter", BrushFloat, 0, {}, Unit}};
constexpr ParameterDefault SolidJitter[] = {{"value", BrushFloat, 1, {}, Pixels}, {"jitter", BrushFloat, 0, {}, Unit}};
constexpr ParameterDefault StencilImage[] = {{"filepath", BrushString}, {"use_alpha", BrushBoolean, 1}};
constexpr ParameterDefault ColorImage[] = {{"filepath", BrushString}};
constexpr ParameterDefault ColorShader[] = {
    {"color", BrushColor, 0, {0, 0, 0}},
    {"texture", BrushLink},
    {"shader", BrushShader},
    {"selection", BrushInteger},
};
constexpr ParameterDefault BasicDefault[] = {
    {"pen_pressure_mode", BrushInteger},
    {"rotation", BrushFloat, 0, {}, Degrees},
    {"rotation_jitter", BrushFloat, 0, {}, Unit},
    {"alpha", BrushLink},
    {"flow", BrushLink},
    {"size_px", BrushLink},
    {"size_world", BrushLink},
    {"spacing_px", BrushFloat, 2, {}, Pixels},
    {"spacing_world", BrushFloat, 0.1f},
    {"spacing_percent", BrushFloat, 25, {}, "-range,1,200-"},
    {"opacity", BrushFloat, 1, {}, Unit},
    {"hardness", BrushFloat, 0.5f, {}, Unit},
    {"directional", BrushBoolean},
    {"stencil", BrushLink},
    {"camera_projection", BrushBoolean},
    {"draw_on_plane", BrushBoolean},
    {"adaptive_spacing", BrushBoolean, 1},
    {"space", BrushInteger},
    {"mode", BrushInteger},
};
constexpr ParameterDefault Brush[] = {{"color", BrushLink}, {"basic", BrushLink}};

constexpr std::array<NodeType, 8> NodeTypes{{
    {"orb.painter.stamp.float.solid01", Solid01},
    {"orb.painter.stamp.float.solid01jitter", Solid01Jitter},
    {"orb.painter.stamp.float.solidjitter", SolidJitter},
    {"orb.painter.stamp.stencil.image", StencilImage},
    {"orb.painter.stamp.color.image", ColorImage},
    {"orb.painter.stamp.color.shader", ColorShader},
    {"orb.painter.stamp.basic.default", BasicDefault},
    {"orb.painter.stamp.brush", Brush},
}};

orbBrush_parameter makeParameter(const ParameterDefault& initial)
{
    orbBrush_parameter parameter{initial.name, initial.type, {}, initial.help};
    switch (initial.type) {
    case BrushColor: parameter.value.color = initial.color; break;
    case BrushInteger: parameter.value.integer = static_cast<std::int32_t>(initial.number); break;
    case BrushFloat: parameter.value.number = initial.number; break;
    case BrushBoolean: parameter.value.boolean = initial.number != 0; break;
    default: parameter.value.link = nullptr; break;  // the pointer kinds start out null
    }
    return parameter;
}

} // namespace

namespace orbmem {

bool BrushNodes::begin(const char* typeName, std::uint32_t id)
{
    m_building.reset();
    for (const NodeType& type : NodeTypes) {
        if (!typeName || std::strcmp(typeName, type.name) != 0)
            continue;
        m_building = std::make_unique<orbBrush_node>();
        m_building->id = id;
        for (const ParameterDefault& initial : type.parameters)
            m_building->parameters.push_back(makeParameter(initial));
        m_building->record = {m_building.get(), type.name, m_building->parameters.data(),
                              static_cast<std::uint32_t>(m_building->parameters.size())};
        return true;
    }
    return false;
}

bool BrushNodes::set(const char* name, int kind, const void* value)
{
    orbBrush_node* node = m_building.get();
    const bool pointerKind = kind == BrushString || kind == BrushLink || kind == BrushShader;
    if (!node || !name || (!value && !pointerKind))
        return false;
    for (orbBrush_parameter& parameter : node->parameters) {
        if (std::strcmp(parameter.name, name) != 0)
            continue;
        if (parameter.type != kind)
            return false;
        switch (kind) {
        case BrushColor: std::memcpy(&parameter.value.color, value, sizeof(orbColor)); break;
        case BrushInteger: std::memcpy(&parameter.value.integer, value, sizeof(std::int32_t)); break;
        case BrushFloat: std::memcpy(&parameter.value.number, value, sizeof(float)); break;
        case BrushBoolean: parameter.value.boolean = *static_cast<const unsigned char*>(value) != 0; break;
        case BrushString:
            parameter.value.string = value ? m_scene.storeString(static_cast<const char*>(value)) : nullptr;
            break;
        case BrushLink:
            if (value && !find(value))
                return false;
            parameter.value.link = static_cast<orbBrush_node*>(const_cast<void*>(value));
            break;
        case BrushShader: parameter.value.shader = static_cast<orbShader*>(const_cast<void*>(value)); break;
        }
        return true;
    }
    return false;
}

orbBrush_node* BrushNodes::end()
{
    std::unique_ptr<orbBrush_node> node = std::move(m_building);
    if (!node)
        return nullptr;
    if (node->id == orb::InvalidId) {
        while (m_ids.contains(m_nextId))
            ++m_nextId;
        node->id = m_nextId++;
    } else if (m_ids.contains(node->id)) {
        return nullptr;
    }
    m_ids.insert(node->id);
    m_known.insert(node.get());
    m_nodes.push_back(std::move(node));
    return m_nodes.back().get();
}

orbBrush_node* BrushNodes::find(const void* handle) const
{
    return m_known.contains(handle) ? static_cast<orbBrush_node*>(const_cast<void*>(handle)) : nullptr;
}

} // namespace orbmem

float orb_scene_length_unit_scale(orbScene* scene)
{
    if (!scene)
        return 0.0f;
    std::lock_guard lock(scene->mutex());
    return scene->brushNodes().lengthUnitScale;
}
