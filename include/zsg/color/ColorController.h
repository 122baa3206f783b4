#pragma once

#include <zsg/color/IColorController.h>

namespace zsg {

class ColorDB;
class ISceneMaterialManager;
class ZUndoStack;

/// The colour controller over the scene graph's colour database. Edits take a
/// snapshot of the view, change the live view, take a second snapshot and push
/// a command holding both; the push runs the command, which commits through
/// the database. None of the three pointers is owned; the undo stack must be
/// set for every operation that pushes.
class ZSG_EXPORT ColorController : public IColorController
{
public:
    ColorController(ColorDB* colorDB, ISceneMaterialManager* sceneMaterialManager, ZUndoStack* undoStack);
    ~ColorController() override;

    ColorController(const ColorController&) = delete;
    ColorController& operator=(const ColorController&) = delete;

    ColorDB* colorDB() const override;
    std::unique_ptr<ScopedUndoMacro> getScopedMacro(QString text) override;
    orb::ColorId addSubColor(orb::ColorId multi, const ZColor& color, int index) override;
    void addSubKColors(orb::ColorId multi, const orb::Span<const ZColor>& colors) override;
    orb::ColorId addOrSwitchSubColor(orb::ColorId multi, orb::ColorId sub, bool link) override;
    void linkColor(orb::ColorId from, orb::ColorId to) override;
    orb::ColorId toggleMultiColor(orb::ColorId id) override;
    void setColor(orb::ColorId id, const ZColor& color, AllowForwardUndoMerge allowMerge) override;
    void setDisplayName(orb::ColorId id, const std::string& name) const override;
    bool removeSubColors(orb::ColorId multi, orb::Span<const orb::ColorId> ids) const override;
    void addSubColors(orb::ColorId multi, orb::Span<const orb::ColorId> ids, int position,
                      orb::ColorId activeAfter) const override;
    void moveSubColors(orb::ColorId multi, orb::Span<const orb::ColorId> ids, int position,
                       orb::ColorId activeAfter) const override;
    void setSubColors(orb::ColorId multi, orb::Span<const orb::ColorId> ids) const override;
    void setActiveSubColor(orb::ColorId multi, orb::ColorId sub) const override;
    void changeSubColor(orb::ColorId multi, orb::ColorId oldSub, orb::ColorId newSub) override;
    void setFlags(orb::ColorId id, int flags, bool set) const override;
    void unlinkSubColor(orb::ColorId multi, unsigned index) const override;
    std::uint32_t activeReferenceCount(orb::ColorId id) const override;
    bool anyMultiColorInUse() const override;
    std::vector<ColorConflict> checkForConflict(ZColorExt color) const override;
    orb::ColorwayId createColorway(const std::string& name, orb::Span<const MultiColorPair> pairs) const override;
    void applyColorway(orb::ColorwayId id) const override;
    void setColorwayDisplayName(orb::ColorwayId id, const std::string& name) const override;
    void setColors(orb::ColorwayId id, orb::Span<const MultiColorPair> pairs) const override;
    void addColors(orb::ColorwayId id, orb::Span<const MultiColorPair> pairs, int position,
                   bool activate) const override;
    void removeMultiColors(orb::ColorwayId id, orb::Span<const orb::ColorId> ids) const override;
    void setDeleted(orb::ColorwayId id, bool deleted) const override;

    // Every material using `from` (directly, active or not) gets `to` in each
    // colour parameter that held `from`. Not undoable by itself: the scene
    // materials record the change.
    void linkMaterialColors(orb::ColorId from, orb::ColorId to);

    ISceneMaterialManager* sceneMaterialManager() const { return m_sceneMaterialManager; }
    ZUndoStack* undoStack() const { return m_undoStack; }

private:
    ColorDB* m_colorDB;
    ISceneMaterialManager* m_sceneMaterialManager;
    ZUndoStack* m_undoStack;
};

} // namespace zsg
