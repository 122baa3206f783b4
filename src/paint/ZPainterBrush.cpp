#include <zsg/paint/ZPainterBrush.h>

#include <zsg/color/ColorModels.h>
#include <zsg/color/ScopedRTApiLock.h>
#include <zsg/platform/OrbRuntime.h>
#include <zsg/values/Variant.h>

#include <QCoreApplication>
#include <QDebug>

#include <algorithm>
#include <array>
#include <cstring>
#include <initializer_list>

using namespace orb::painter;

namespace zsg {

IPainterBrush::~IPainterBrush() = default;

namespace {

constexpr const char* Context = "ZPainterBrush";

// Which brush member a parameter is bound to; Graph: the graph record of its key.
enum class Member {
    Graph,
    BrushColor,
    TextureFilePath,
    StencilFilePath,
    SizePenPressure,
    FlowPenPressure,
    OpacityPenPressure,
    FlowPercent,
    OpacityPercent,
    HardnessPercent,
    SpaceUnit,
    ColorSelection,
    PaintMode,
};

const char* const SizeTip = QT_TRANSLATE_NOOP("ZPainterBrush", "Adjust the size of the brush");
const char* const SizeJitterTip =
    QT_TRANSLATE_NOOP("ZPainterBrush", "Size Jitter can be used to create variance in the brush stroke");
const char* const SpacingTip = QT_TRANSLATE_NOOP("ZPainterBrush", "Adjust the spacing of the brush");
const char* const FlowTip = QT_TRANSLATE_NOOP("ZPainterBrush", "Adjust the flow of the brush");
const char* const OpacityTip = QT_TRANSLATE_NOOP("ZPainterBrush", "Adjust the opacity of the brush");
const char* const HardnessTip = QT_TRANSLATE_NOOP("ZPainterBrush", "Adjust the hardness of the brush");
// Shown as it is: it stands for a name still to be chosen.
const char* const Untitled = "TODO!";

struct Row {
    const char* key;
    const char* displayName;
    const char* toolTip;  // null: none
    Type type;
    Member member;
    Quantity quantity = Quantity::None;
    bool percent = false;  // limits 0 to 100
    std::array<const char*, 3> items = {};  // an Enumerable's choices, valued 0, 1, 2
};

// Every text literal in QT_TRANSLATE_NOOP, so that lupdate files it under the
// context it is translated in (translated() below).
const Row Rows[] = {
    {"basic_pen_pressure_mode", "", nullptr, Type::Integer, Member::Graph},
    {"color_shader", QT_TRANSLATE_NOOP("ZPainterBrush", "Brush Color"), nullptr, Type::ShaderBase, Member::Graph},
    {"color_color", QT_TRANSLATE_NOOP("ZPainterBrush", "Brush Color"), nullptr, Type::Color, Member::BrushColor},
    {"color_texture_filepath", QT_TRANSLATE_NOOP("ZPainterBrush", "Brush Color"), nullptr, Type::String,
     Member::TextureFilePath},
    {"basic_rotation", QT_TRANSLATE_NOOP("ZPainterBrush", "Angle"),
     QT_TRANSLATE_NOOP("ZPainterBrush", "Rotate the brush"), Type::Float, Member::Graph, Quantity::Angle},
    {"basic_rotation_jitter", QT_TRANSLATE_NOOP("ZPainterBrush", "Angle Jitter"),
     QT_TRANSLATE_NOOP("ZPainterBrush", "Angle Jitter can be used to create variance in the brush stroke"), Type::Float,
     Member::Graph},
    {"basic_size_pen_pressure", Untitled,
     QT_TRANSLATE_NOOP("ZPainterBrush", "Use pen pressure to control size.\nRequires a pressure sensitive tablet."),
     Type::Boolean, Member::SizePenPressure},
    {"basic_size_px_value", QT_TRANSLATE_NOOP("ZPainterBrush", "Size"), SizeTip, Type::Float, Member::Graph,
     Quantity::PixelLength},
    {"basic_size_px_jitter", QT_TRANSLATE_NOOP("ZPainterBrush", "Size Jitter"), SizeJitterTip, Type::Float,
     Member::Graph},
    {"basic_size_world_value", QT_TRANSLATE_NOOP("ZPainterBrush", "Size"), SizeTip, Type::Float, Member::Graph,
     Quantity::Length},
    {"basic_size_world_jitter", QT_TRANSLATE_NOOP("ZPainterBrush", "Size Jitter"), SizeJitterTip, Type::Float,
     Member::Graph},
    {"basic_spacing_px", QT_TRANSLATE_NOOP("ZPainterBrush", "Spacing"), SpacingTip, Type::Float, Member::Graph,
     Quantity::PixelLength},
    {"basic_spacing_world", QT_TRANSLATE_NOOP("ZPainterBrush", "Spacing"), SpacingTip, Type::Float, Member::Graph,
     Quantity::Length},
    {"basic_spacing_percent", QT_TRANSLATE_NOOP("ZPainterBrush", "Spacing"), SpacingTip, Type::Float, Member::Graph,
     Quantity::Percentage},
    {"basic_flow_pen_pressure", Untitled,
     QT_TRANSLATE_NOOP("ZPainterBrush", "Use pen pressure to control flow.\nRequires a pressure sensitive tablet."),
     Type::Boolean, Member::FlowPenPressure},
    {"basic_flow_value", QT_TRANSLATE_NOOP("ZPainterBrush", "Flow"), FlowTip, Type::Float, Member::Graph},
    {"basic_flow_value_percent", QT_TRANSLATE_NOOP("ZPainterBrush", "Flow"), FlowTip, Type::Float, Member::FlowPercent,
     Quantity::Percentage, true},
    {"basic_flow_jitter", QT_TRANSLATE_NOOP("ZPainterBrush", "Flow Jitter"),
     QT_TRANSLATE_NOOP("ZPainterBrush", "Flow Jitter can be used to create variance in the brush stroke"), Type::Float,
     Member::Graph},
    {"basic_opacity", QT_TRANSLATE_NOOP("ZPainterBrush", "Opacity"), OpacityTip, Type::Float, Member::Graph},
    {"basic_opacity_percent", QT_TRANSLATE_NOOP("ZPainterBrush", "Opacity"), OpacityTip, Type::Float,
     Member::OpacityPercent, Quantity::Percentage, true},
    {"basic_opacity_pen_pressure", QT_TRANSLATE_NOOP("ZPainterBrush", "Opacity"),
     QT_TRANSLATE_NOOP("ZPainterBrush", "Use pen pressure to control opacity.\nRequires a pressure sensitive tablet."),
     Type::Boolean, Member::OpacityPenPressure},
    {"basic_hardness", QT_TRANSLATE_NOOP("ZPainterBrush", "Hardness"), HardnessTip, Type::Float, Member::Graph},
    {"basic_hardness_percent", QT_TRANSLATE_NOOP("ZPainterBrush", "Hardness"), HardnessTip, Type::Float,
     Member::HardnessPercent, Quantity::Percentage, true},
    {"basic_directional", QT_TRANSLATE_NOOP("ZPainterBrush", "Follow Path"),
     QT_TRANSLATE_NOOP("ZPainterBrush", "Rotate the brush with the direction of the stroke"), Type::Boolean,
     Member::Graph},
    {"basic_stencil_filepath", QT_TRANSLATE_NOOP("ZPainterBrush", "Brush Shape"), nullptr, Type::String,
     Member::StencilFilePath},
    {"basic_stencil_use_alpha", QT_TRANSLATE_NOOP("ZPainterBrush", "Use alpha"), nullptr, Type::Boolean, Member::Graph},
    {"basic_camera_projection", QT_TRANSLATE_NOOP("ZPainterBrush", "Use Camera Projection"),
     QT_TRANSLATE_NOOP("ZPainterBrush", "Projects the brush from the camera instead of normal to the object"),
     Type::Boolean, Member::Graph},
    {"basic_draw_on_plane", QT_TRANSLATE_NOOP("ZPainterBrush", "Only Draw on Plane"),
     QT_TRANSLATE_NOOP("ZPainterBrush", "Picks a plane from the starting point, to paint in"), Type::Boolean,
     Member::Graph},
    {"basic_adaptive_spacing", QT_TRANSLATE_NOOP("ZPainterBrush", "Scale with size"), nullptr, Type::Boolean,
     Member::Graph},
    {"basic_space", QT_TRANSLATE_NOOP("ZPainterBrush", "Space Unit"), nullptr, Type::Enumerable, Member::SpaceUnit,
     Quantity::None, false,
     {QT_TRANSLATE_NOOP("ZPainterBrush", "Scene Units"), QT_TRANSLATE_NOOP("ZPainterBrush", "Pixel")}},
    {"color_selection", QT_TRANSLATE_NOOP("ZPainterBrush", "Color Selection"), nullptr, Type::Enumerable,
     Member::ColorSelection, Quantity::None, false,
     {QT_TRANSLATE_NOOP("ZPainterBrush", "Solid Color"), QT_TRANSLATE_NOOP("ZPainterBrush", "Texture"),
      QT_TRANSLATE_NOOP("ZPainterBrush", "Shader")}},
    {"basic_mode", QT_TRANSLATE_NOOP("ZPainterBrush", "Paint Mode"), nullptr, Type::Enumerable, Member::PaintMode,
     Quantity::None, false,
     {QT_TRANSLATE_NOOP("ZPainterBrush", "Stroke"), QT_TRANSLATE_NOOP("ZPainterBrush", "Stamp")}},
};


QString translated(const char* text)
{
    if (!*text)
        return QString();
    return std::strcmp(text, Untitled) == 0 ? QString::fromLatin1(text) : QCoreApplication::translate(Context, text);
}

// A holder over the record's value storage when its type code holds `type`;
// null otherwise, which leaves the parameter invalid.
Variant* graphHolder(Type type, orbBrush_parameter& record)
{
    orbBrush_value& v = record.value;
    switch (type) {
    case Type::Integer: return record.type == BrushInteger ? new PointerVariant<std::int32_t>(&v.integer) : nullptr;
    case Type::Float: return record.type == BrushFloat ? new PointerVariant<float>(&v.number) : nullptr;
    case Type::Boolean: return record.type == BrushBoolean ? new PointerVariant<bool>(&v.boolean) : nullptr;
    case Type::ShaderBase: return record.type == BrushShader ? new PointerVariant<orbShader*>(&v.shader) : nullptr;
    default: return nullptr;
    }
}

} // namespace

ZPainterBrush::ZPainterBrush(orbBrush_node* node, orbRT_api* rtApi, orb::MaterialId materialId)
    : m_brushNode(node), m_rtApi(rtApi), m_materialId(materialId)
{
    m_nodeParameters.max_load_factor(1.0f);
    std::vector<orbBrush_node*> path;
    if (node && rtApi)
        collect(node, std::string(), path);
    m_parameters.reserve(std::size(Rows));
    for (std::size_t row = 0; row < std::size(Rows); ++row)
        addParameter(row);
}

// Parameters point into the members: they go first.
ZPainterBrush::~ZPainterBrush() { m_parameters.clear(); }

void ZPainterBrush::collect(orbBrush_node* node, const std::string& prefix, std::vector<orbBrush_node*>& path)
{
    orbBrush_node_record* nodeRecord = m_rtApi->brushNodeRecord(node);
    if (!nodeRecord)
        return;
    m_nodes.push_back(nodeRecord);
    path.push_back(node);
    for (std::uint32_t i = 0; i < nodeRecord->parameterCount; ++i) {
        orbBrush_parameter& parameter = nodeRecord->parameters[i];
        if (!parameter.name)
            continue;
        const std::string key = prefix.empty() ? parameter.name : prefix + '_' + parameter.name;
        if (parameter.type != BrushLink)
            m_nodeParameters.try_emplace(key, &parameter);
        // A link back to a node on the way here would never end.
        else if (parameter.value.link && std::ranges::find(path, parameter.value.link) == path.end())
            collect(parameter.value.link, key, path);
    }
    path.pop_back();
}

orbBrush_parameter* ZPainterBrush::record(const char* key, int type) const
{
    const auto it = m_nodeParameters.find(key);
    return it != m_nodeParameters.end() && it->second->type == type ? it->second : nullptr;
}

Variant* ZPainterBrush::memberHolder(std::size_t row)
{
    switch (Rows[row].member) {
    case Member::BrushColor: return new PointerVariant<ZColorExt>(&m_brushColor);
    case Member::TextureFilePath: return new PointerVariant<QString>(&m_textureFilePath);
    case Member::StencilFilePath: return new PointerVariant<QString>(&m_stencilFilePath);
    case Member::SizePenPressure: return new PointerVariant<bool>(&m_sizePenPressure);
    case Member::FlowPenPressure: return new PointerVariant<bool>(&m_flowPenPressure);
    case Member::OpacityPenPressure: return new PointerVariant<bool>(&m_opacityPenPressure);
    case Member::FlowPercent: return new PointerVariant<float>(&m_flowPercent);
    case Member::OpacityPercent: return new PointerVariant<float>(&m_opacityPercent);
    case Member::HardnessPercent: return new PointerVariant<float>(&m_hardnessPercent);
    case Member::SpaceUnit: return new PointerVariant<Enumerable>(&m_spaceUnit);
    case Member::ColorSelection: return new PointerVariant<Enumerable>(&m_colorSelection);
    case Member::PaintMode: return new PointerVariant<Enumerable>(&m_paintMode);
    case Member::Graph: break;
    }
    return nullptr;
}

void ZPainterBrush::addParameter(std::size_t index)
{
    const Row& row = Rows[index];
    Parameter::Builder builder(QString::fromLatin1(row.key), translated(row.displayName));
    builder.type(row.type);
    if (row.member == Member::Graph) {
        const auto it = m_nodeParameters.find(row.key);
        if (it == m_nodeParameters.end()) {
            qDebug().noquote().nospace() << "Could not find bep for " << row.key;
            return;
        }
        builder.value(graphHolder(row.type, *it->second));
        if (it->second->help)
            builder.help(it->second->help);
    } else {
        if (row.type == Type::Enumerable) {
            Enumerable* choices = row.member == Member::SpaceUnit        ? &m_spaceUnit
                                  : row.member == Member::ColorSelection ? &m_colorSelection
                                                                         : &m_paintMode;
            for (std::int32_t value = 0; value < std::int32_t(row.items.size()) && row.items[value]; ++value)
                choices->items.append({value, translated(row.items[value])});
        }
        builder.value(memberHolder(index));
    }
    if (row.toolTip)
        builder.toolTip(translated(row.toolTip));
    if (row.quantity != Quantity::None)
        builder.quantity(row.quantity);
    if (row.percent)
        builder.limits(0.0f, 100.0f);

    const Parameter parameter(builder);
    if (!parameter.isValid()) {
        qDebug().noquote() << "** Trying to add invalid parameter" << parameter.name();
        return;
    }
    m_parameters.insert(parameter.name(), parameter);
}

template <typename T>
bool ZPainterBrush::readParameter(const char* name, T& value) const
{
    const auto it = m_parameters.constFind(QLatin1String(name));
    if (it == m_parameters.cend())
        return false;
    it->getp(&value);
    return true;
}

template <typename T>
void ZPainterBrush::writeParameter(const char* name, const T& value)
{
    const auto it = m_parameters.find(QLatin1String(name));
    if (it != m_parameters.end())
        it->setp(&value);
}

Parameter ZPainterBrush::parameter(const QString& name) const
{
    return m_parameters.value(name);
}

void ZPainterBrush::readFromNode()
{
    if (const orbBrush_parameter* color = record("color_color", BrushColor)) {
        const orbColor& c = color->value.color;
        m_brushColor.setColor(0, ZColor(ZColor::RGB, c.r, c.g, c.b, 0, 1));
    }
    const std::pair<const char*, Enumerable*> choices[] = {
        {"basic_space", &m_spaceUnit}, {"color_selection", &m_colorSelection}, {"basic_mode", &m_paintMode}};
    for (const auto& [key, choice] : choices)
        if (const orbBrush_parameter* current = record(key, BrushInteger))
            choice->current = current->value.integer;
    const std::pair<const char*, float*> percents[] = {
        {"basic_hardness", &m_hardnessPercent},
        {"basic_opacity", &m_opacityPercent},
        {"basic_flow_value", &m_flowPercent}};
    for (const auto& [name, percent] : percents)
        if (float fraction = 0; readParameter(name, fraction))
            *percent = 100.0f * fraction;
    if (std::int32_t mode = 0; readParameter("basic_pen_pressure_mode", mode)) {
        m_flowPenPressure = mode & 1;
        m_opacityPenPressure = mode & 2;
        m_sizePenPressure = mode & 4;
    }
    const std::pair<const char*, QString*> paths[] = {
        {"color_texture_filepath", &m_textureFilePath}, {"basic_stencil_filepath", &m_stencilFilePath}};
    for (const auto& [key, path] : paths)
        if (const orbBrush_parameter* text = record(key, BrushString))
            *path = QString::fromUtf8(text->value.string);
}

void ZPainterBrush::writeToNode()
{
    // The render thread reads these records while painting.
    const ScopedRTApiLock lock(m_rtApi);
    if (orbBrush_parameter* color = record("color_color", BrushColor))
        color->value.color = toRgb(m_brushColor.getActive());
    if (orbBrush_parameter* space = record("basic_space", BrushInteger))
        space->value.integer = m_spaceUnit.current;
    writeParameter("basic_hardness", m_hardnessPercent / 100.0f);
    writeParameter("basic_opacity", m_opacityPercent / 100.0f);
    writeParameter("basic_flow_value", m_flowPercent / 100.0f);

    orbShader* shader = nullptr;
    readParameter("color_shader", shader);
    m_colorSelection.current = shader ? 2 : !m_textureFilePath.isEmpty() ? 1 : 0;
    if (orbBrush_parameter* selection = record("color_selection", BrushInteger))
        selection->value.integer = m_colorSelection.current;
    if (orbBrush_parameter* mode = record("basic_mode", BrushInteger))
        mode->value.integer = m_paintMode.current;

    writeFilePath("color_texture_filepath", m_textureFilePath);
    writeFilePath("basic_stencil_filepath", m_stencilFilePath);
    writeParameter("basic_pen_pressure_mode",
                   std::int32_t(m_flowPenPressure * 1 + m_opacityPenPressure * 2 + m_sizePenPressure * 4));
    for (const orbBrush_node_record* node : m_nodes)
        m_rtApi->brushNodeChanged(node->node);
}

// An empty path clears the record; a new one goes into the scene's string
// storage, which only grows, so an unchanged path is not copied again.
void ZPainterBrush::writeFilePath(const char* key, const QString& path)
{
    orbBrush_parameter* text = record(key, BrushString);
    if (!text)
        return;
    if (path.isEmpty()) {
        text->value.string = nullptr;
        return;
    }
    const QByteArray utf8 = path.toUtf8();
    if (!text->value.string || utf8 != text->value.string)
        text->value.string = orb_string_dup(m_rtApi->scene(), utf8.constData());
}

QString ZPainterBrush::stencilFilePath() const
{
    QString path;
    readParameter("basic_stencil_filepath", path);
    return path;
}

float ZPainterBrush::rotation() const
{
    float degrees = 0.0f;
    readParameter("basic_rotation", degrees);
    return degrees;
}

bool ZPainterBrush::scale(float factor)
{
    const ScopedRTApiLock lock(m_rtApi);
    bool changed = false;
    for (Parameter& parameter : m_parameters) {
        const Quantity quantity = parameter.quantity();
        if (parameter.isPure() || parameter.type() != Type::Float
            || (quantity != Quantity::Length && quantity != Quantity::InverseLength))
            continue;
        float value = 0.0f;
        parameter.getp(&value);
        value = quantity == Quantity::Length ? value * factor : value / factor;
        changed |= parameter.setp(&value);
    }
    return changed;
}

orbBrush_node* ZPainterBrush::createDefaultGraph(orbRT_api* rtApi, float size)
{
    orbScene* scene = rtApi ? rtApi->scene() : nullptr;
    orbScene_api* api = scene ? orb_get_scene_api(scene) : nullptr;
    if (!api)
        return nullptr;
    float unitScale = orb_scene_length_unit_scale(scene);
    if (unitScale == 0.0f)
        unitScale = 1.0f;

    struct Attribute {
        const char* name;
        int kind;
        const void* value;
    };
    const auto node = [api](const char* type, std::initializer_list<Attribute> attributes) {
        api->begin_node(type, orb::InvalidId);
        for (const Attribute& attribute : attributes)
            api->set_attribute(attribute.name, attribute.kind, attribute.value);
        return static_cast<orbBrush_node*>(api->end_node());
    };
    const float one = 1.0f, zero = 0.0f, pixels = 5.0f;
    const float world = size * 0.05f / unitScale, spacing = size * 0.01f;
    const orbColor white{1.0f, 1.0f, 1.0f};

    orbBrush_node* alpha = node("orb.painter.stamp.float.solid01", {{"value", BrushFloat, &one}});
    orbBrush_node* flow =
        node("orb.painter.stamp.float.solid01jitter", {{"value", BrushFloat, &one}, {"jitter", BrushFloat, &zero}});
    orbBrush_node* sizePx =
        node("orb.painter.stamp.float.solidjitter", {{"value", BrushFloat, &pixels}, {"jitter", BrushFloat, &zero}});
    orbBrush_node* sizeWorld =
        node("orb.painter.stamp.float.solidjitter", {{"value", BrushFloat, &world}, {"jitter", BrushFloat, &zero}});
    orbBrush_node* stencil = node("orb.painter.stamp.stencil.image", {});
    orbBrush_node* colorImage = node("orb.painter.stamp.color.image", {});
    orbBrush_node* color = node("orb.painter.stamp.color.shader",
                                {{"color", BrushColor, &white}, {"texture", BrushLink, colorImage}});
    orbBrush_node* basic = node("orb.painter.stamp.basic.default", {{"spacing_world", BrushFloat, &spacing},
                                                                     {"alpha", BrushLink, alpha},
                                                                     {"flow", BrushLink, flow},
                                                                     {"size_px", BrushLink, sizePx},
                                                                     {"size_world", BrushLink, sizeWorld},
                                                                     {"stencil", BrushLink, stencil}});
    return node("orb.painter.stamp.brush", {{"color", BrushLink, color}, {"basic", BrushLink, basic}});
}

QStringList ZPainterBrush::parameterNames()
{
    QStringList names;
    for (const Row& row : Rows)
        names << QString::fromLatin1(row.key);
    return names;
}

} // namespace zsg
