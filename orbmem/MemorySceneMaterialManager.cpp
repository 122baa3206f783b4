#include <orbmem/MemorySceneMaterialManager.h>

#include <zsg/platform/ZUndoCommand.h>
#include <zsg/platform/ZUndoStack.h>

#include <map>
#include <optional>
#include <set>

namespace orb {

namespace {

// A material's colour list before and after one change, as an undo step.
class MaterialColorsCommand final : public zsg::ZUndoCommand {
public:
    MaterialColorsCommand(MemoryRuntime& runtime, MaterialId id, std::vector<ColorId> before,
                          std::vector<ColorId> after)
        : ZUndoCommand(-1, QStringLiteral("Change material colors"))
        , m_runtime(runtime)
        , m_id(id)
        , m_before(std::move(before))
        , m_after(std::move(after))
    {
    }
    bool undo() override { return m_runtime.setMaterialColors(m_id, m_before); }
    bool redo() override { return m_runtime.setMaterialColors(m_id, m_after); }

private:
    MemoryRuntime& m_runtime;
    const MaterialId m_id;
    const std::vector<ColorId> m_before;
    const std::vector<ColorId> m_after;
};

// Edits go to a pending copy of the material's colour list; updateMaterial
// hands the copy to the runtime in one call, as an application applies a
// batch of parameter changes at once.
class MemorySceneMaterial final : public zsg::ISceneMaterial {
public:
    MemorySceneMaterial(MemoryRuntime& runtime, zsg::ZUndoStack* undoStack, MaterialId id, int& updates)
        : m_runtime(runtime), m_undoStack(undoStack), m_id(id), m_updates(updates)
    {
    }

    void setColorParameter(std::uint32_t index, ColorId color) override
    {
        if (!m_pending)
            beginColorChange();
        if (index < m_pending->size())
            (*m_pending)[index] = color;
    }

    void beginColorChange() override { m_pending = m_runtime.materialColors(m_id); }

    // With recordUndo and an undo stack the change becomes an undo step (inside
    // whatever macro the caller has open); refreshing is immediate here.
    void updateMaterial(bool recordUndo, bool) override
    {
        if (!m_pending)
            return;
        std::vector<ColorId> colors = std::move(*m_pending);
        m_pending.reset();
        std::vector<ColorId> current = m_runtime.materialColors(m_id);
        if (colors == current)
            return;
        ++m_updates;
        if (recordUndo && m_undoStack)
            m_undoStack->push(new MaterialColorsCommand(m_runtime, m_id, std::move(current), std::move(colors)));
        else
            m_runtime.setMaterialColors(m_id, std::move(colors));
    }

    std::vector<std::uint32_t> colorParameters(ColorId color) const override
    {
        const std::vector<ColorId> colors = m_pending ? *m_pending : m_runtime.materialColors(m_id);
        std::vector<std::uint32_t> indices;
        for (std::uint32_t i = 0; i < colors.size(); ++i)
            if (colors[i] == color)
                indices.push_back(i);
        return indices;
    }

private:
    MemoryRuntime& m_runtime;
    zsg::ZUndoStack* m_undoStack;
    const MaterialId m_id;
    int& m_updates;
    std::optional<std::vector<ColorId>> m_pending;
};

} // namespace

struct MemorySceneMaterialManager::Private {
    Private(MemoryRuntime& runtime, zsg::ZUndoStack* undoStack) : runtime(runtime), undoStack(undoStack) {}

    bool known(MaterialId id) const { return runtime.materialContent(id).has_value(); }

    MemoryRuntime& runtime;
    zsg::ZUndoStack* undoStack;
    std::map<MaterialId, std::unique_ptr<MemorySceneMaterial>> materials;
    std::set<MaterialId> inactive;
    int updates = 0;
};

MemorySceneMaterialManager::MemorySceneMaterialManager(MemoryRuntime& runtime, zsg::ZUndoStack* undoStack)
    : d(std::make_unique<Private>(runtime, undoStack))
{
}

MemorySceneMaterialManager::~MemorySceneMaterialManager() = default;

zsg::ISceneMaterial* MemorySceneMaterialManager::sceneMaterial(MaterialId id, std::uint32_t)
{
    if (zsg::ISceneMaterial* found = findSceneMaterial(id))
        return found;
    if (!d->known(id))
        return nullptr;
    auto& material = d->materials[id];
    material = std::make_unique<MemorySceneMaterial>(d->runtime, d->undoStack, id, d->updates);
    return material.get();
}

zsg::ISceneMaterial* MemorySceneMaterialManager::findSceneMaterial(MaterialId id)
{
    const auto it = d->materials.find(id);
    return it == d->materials.end() ? nullptr : it->second.get();
}

bool MemorySceneMaterialManager::isMaterialActive(MaterialId id) const
{
    return !d->inactive.contains(id);
}

bool MemorySceneMaterialManager::setMaterialActive(MaterialId id, bool active)
{
    if (!d->known(id))
        return false;
    if (active)
        d->inactive.erase(id);
    else
        d->inactive.insert(id);
    return true;
}

int MemorySceneMaterialManager::updateCount() const
{
    return d->updates;
}

} // namespace orb
