#pragma once

#include <orbmem/MemoryRuntime.h>

#include <zsg/color/ISceneMaterial.h>
#include <zsg/color/ISceneMaterialManager.h>

#include <memory>

namespace zsg { class ZUndoStack; }

namespace orb {

/// orb::MemorySceneMaterialManager: the application's scene materials over the
/// in-memory renderer's materials, for hosts and tests without a real
/// application. A material's colour parameters are the entries of its colour
/// list (MaterialContent::colors), addressed by position; relinking a parameter
/// changes the list the renderer sees, and so the colours' reference counts.
/// Given an undo stack, each change the library asks to record becomes an undo
/// step there, as an application's own material edits would; those steps refer
/// to the runtime, so clear the stack before the runtime goes.
class ORB_EXPORT MemorySceneMaterialManager : public zsg::ISceneMaterialManager {
public:
    // Every material of the runtime starts out active. Without an undo stack
    // changes are written at once and not recorded.
    explicit MemorySceneMaterialManager(MemoryRuntime& runtime, zsg::ZUndoStack* undoStack = nullptr);
    ~MemorySceneMaterialManager() override;
    MemorySceneMaterialManager(const MemorySceneMaterialManager&) = delete;
    MemorySceneMaterialManager& operator=(const MemorySceneMaterialManager&) = delete;

    // Made on first request and kept for the manager's life; null for a
    // material the runtime does not know.
    zsg::ISceneMaterial* sceneMaterial(MaterialId id, std::uint32_t variant) override;
    zsg::ISceneMaterial* findSceneMaterial(MaterialId id) override;
    bool isMaterialActive(MaterialId id) const override;

    // False for a material the runtime does not know.
    bool setMaterialActive(MaterialId id, bool active);
    // updateMaterial calls that changed a material so far.
    int updateCount() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace orb
