// The in-memory painter, its surfaces and the painter factory.

#include "OrbPainter.h"

#include "OrbScene.h"

#include <algorithm>
#include <cstring>
#include <thread>

orbPainter_surface::~orbPainter_surface() = default;
orbPainter::~orbPainter() = default;
orbPainter_factory::~orbPainter_factory() = default;

using namespace orbmem;

namespace {
constexpr const char* PainterType = "svdag_painter";

const char* storedName(orbScene& scene, const std::optional<std::string>& name)
{
    return name ? scene.storeString(name->c_str()) : nullptr;
}
} // namespace

PaintSurface::PaintSurface(const Painter& painter, orb::SurfaceId id, orb::PaintSurfaceContent content)
    : m_painter(painter),
      m_id(id),
      m_name(std::move(content.name)),
      m_resolution(content.resolution),
      m_deleted(content.deleted),
      m_editLayer(content.editLayer)
{
    for (const orb::PaintLayer& layer : content.layers) {
        orbLayerInfo info;
        info.blendMode = layer.blendMode;
        info.deleted = layer.deleted;
        info.visible = layer.visible;
        info.name = storedName(painter.scene(), layer.name);
        info.background = layer.background;
        info.id = layer.id;
        m_layers.push_back(info);
    }
}

bool PaintSurface::deleted() const
{
    std::lock_guard lock(m_mutex);
    return m_deleted;
}

void PaintSurface::setDeleted(bool deleted)
{
    std::lock_guard lock(m_mutex);
    m_deleted = deleted;
}

orb::Array<orbLayerInfo> PaintSurface::layers() const
{
    std::lock_guard lock(m_mutex);
    return toArray(m_layers);
}

std::uint32_t PaintSurface::editLayer() const
{
    std::lock_guard lock(m_mutex);
    if (m_layers.empty())
        return 0;
    const auto top = std::uint32_t(m_layers.size() - 1);
    return top - std::min(m_editLayer, top);
}

void PaintSurface::work() const
{
    const auto time = m_painter.workTime();
    if (time.count() > 0)
        std::this_thread::sleep_for(time);
}

void PaintSurface::addLayer(std::uint32_t index, std::uint32_t id)
{
    work();
    std::lock_guard lock(m_mutex);
    if (index > m_layers.size())
        return;
    orbLayerInfo info;
    info.id = id;
    m_layers.insert(m_layers.begin() + index, info);
}

template <typename Change>
void PaintSurface::changeLayer(std::uint32_t index, Change change)
{
    work();
    std::lock_guard lock(m_mutex);
    if (index < m_layers.size())
        change(m_layers[index]);
}

void PaintSurface::setEditLayer(std::uint32_t index)
{
    changeLayer(index, [&](orbLayerInfo&) { m_editLayer = index; });
}

// Naming is quick on a renderer: it takes no work time.
void PaintSurface::setLayerName(std::uint32_t index, const char* name)
{
    char* stored = name ? m_painter.scene().storeString(name) : nullptr;
    std::lock_guard lock(m_mutex);
    if (index < m_layers.size())
        m_layers[index].name = stored;
}

void PaintSurface::setLayerDeleted(std::uint32_t index, bool deleted)
{
    changeLayer(index, [&](orbLayerInfo& layer) { layer.deleted = deleted; });
}

void PaintSurface::setLayerVisible(std::uint32_t index, bool visible)
{
    changeLayer(index, [&](orbLayerInfo& layer) { layer.visible = visible; });
}

void PaintSurface::setLayerBlendMode(std::uint32_t index, orb::ColorBlendMode mode)
{
    changeLayer(index, [&](orbLayerInfo& layer) { layer.blendMode = mode; });
}

void PaintSurface::setLayerBackgroundColor(std::uint32_t index, orbColor_rgba color)
{
    changeLayer(index, [&](orbLayerInfo& layer) { layer.background = color; });
}

void PaintSurface::moveLayer(std::uint32_t from, std::uint32_t to)
{
    work();
    std::lock_guard lock(m_mutex);
    if (from >= m_layers.size() || to >= m_layers.size())
        return;
    const auto first = m_layers.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
}

orb::PaintSurfaceContent PaintSurface::content() const
{
    std::lock_guard lock(m_mutex);
    orb::PaintSurfaceContent content{m_name, m_resolution, m_deleted, {}, m_editLayer};
    for (const orbLayerInfo& info : m_layers) {
        content.layers.push_back({info.id, info.name ? std::optional<std::string>(info.name) : std::nullopt,
                                  info.deleted, info.visible, info.blendMode, info.background});
    }
    return content;
}

void PaintSurface::setResolution(int resolution)
{
    std::lock_guard lock(m_mutex);
    m_resolution = resolution;
}

orb::Array<orbSurface_info> Painter::surfaces() const
{
    std::vector<orbSurface_info> list;
    for (const auto& [id, surface] : m_surfaces)
        list.push_back({id, surface->name().c_str()});
    return toArray(list);
}

PaintSurface* Painter::surface(orb::SurfaceId id) const
{
    auto it = m_surfaces.find(id);
    return it == m_surfaces.end() ? nullptr : it->second.get();
}

// A new surface starts with one layer, as a painter gives the user a canvas.
orb::SurfaceId Painter::createSurface(const char* name, int resolution)
{
    if (resolution <= 0)
        return orb::InvalidId;
    orb::PaintSurfaceContent content;
    content.name = name ? name : "";
    content.resolution = resolution;
    content.layers.push_back({0, "Layer 1"});
    return addSurface(std::move(content));
}

bool Painter::changeResolution(orbScene* scene, orb::SurfaceId id, std::uint32_t resolution)
{
    PaintSurface* target = surface(id);
    if (scene != &m_scene || !target || resolution == 0 || resolution > std::uint32_t(INT32_MAX))
        return false;
    target->setResolution(int(resolution));
    return true;
}

orb::SurfaceId Painter::addSurface(orb::PaintSurfaceContent content)
{
    if (m_nextId == orb::InvalidId)
        return orb::InvalidId;
    const orb::SurfaceId id = m_nextId++;
    m_surfaces.emplace(id, std::make_unique<PaintSurface>(*this, id, std::move(content)));
    return id;
}

orbPainter* PainterFactory::create(const char* typeName)
{
    if (!typeName || std::strcmp(typeName, PainterType) != 0)
        return nullptr;
    ++m_handles;
    ++orb::g_painters;
    return &m_painter;
}

void PainterFactory::release(orbPainter* painter)
{
    if (painter != &m_painter || m_handles == 0)
        return;
    --m_handles;
    --orb::g_painters;
}

orbPainter_factory* orb_painter_factory(orbScene* scene)
{
    return scene ? &scene->painterFactory() : nullptr;
}
