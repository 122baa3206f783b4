#pragma once

#include <zsg/color/IColorDB.h>
#include <zsg/color/ScopedRTApiLock.h>
#include <zsg/color/ZColorExtEdit.h>
#include <zsg/color/ZColorSettingsEdit.h>
#include <zsg/color/ZColorwayEdit.h>

namespace zsg {

class IEventQueue;

/// The colour database over one renderer runtime. It posts its events on the
/// event queue (none when the queue is null) and keeps one view per colour and
/// colorway id; a view pointer stays valid until setColorEdit / setColorwayEdit
/// replace it or handleColorwayActivated re-reads it.
class ZSG_EXPORT ColorDB : public IColorDB
{
public:
    ColorDB(IEventQueue* eventQueue, orbRT_api* rtApi);
    ~ColorDB() override;

    ColorDB(const ColorDB&) = delete;
    ColorDB& operator=(const ColorDB&) = delete;

    orb::ColorId colorFromName(ScopedRTApiLock& lock, const std::string& name) const override;
    orb::ColorId multiColorFromName(ScopedRTApiLock& lock, const std::string& name) const override;
    orb::ColorwayId colorwayFromName(ScopedRTApiLock& lock, const std::string& name) const override;
    ZColorExtEdit* getColorParameters(orb::ColorId id) override;
    ZColorSettingsEdit* getColorSettingsParameters() override;
    std::optional<std::string> findUniqueColorName(const std::string& name, orb::Span<const orb::ColorId> ignore,
                                                   orbColor_extended::ColorType type) const override;
    void pushColor(orb::ColorId id) override;
    void pushColor(ZColorExt& color) override;
    void pushTempColor(ZColorExt& color) override;
    void setActiveSubColor(const MultiColorPair& pair) override;
    ZColorExt colorFromId(orb::ColorId id) override;
    orb::ColorId idFromColor(ZColorExt color) override;
    std::uint32_t totalSceneReferenceCount(orb::ColorId id) const override;
    orb::ColorId clone(orb::ColorId id) override;
    orb::ColorId cloneRecursively(orb::ColorId id) override;
    orb::ColorId multiColorFromColor(orb::ColorId id) override;
    ZColorwayEdit* getColorwayParameters(orb::ColorwayId id) override;
    void checkForUnusedMultiColors(orb::ColorwayId id) override;
    void pushColorway(orb::ColorwayId id) override;
    void applyColorway(orb::ColorwayId id) override;
    orb::Span<const orb::ColorId> colors() override;
    std::vector<orb::ColorId> namedColors() override;
    orb::Span<const orb::ColorId> multiColors() override;
    orb::Span<const orb::ColorwayId> colorways() override;
    bool anyMultiColorsInScene() override;
    std::vector<orb::MaterialId> getMaterialsUsingColor(orb::ColorId id, std::uint32_t flags,
                                                        bool activeOnly) const override;
    std::unique_ptr<ScopedRTApiLock> createRtApiLock() const override;
    orb::ColorwayId activeColorwayId() override;
    std::string activeColorwayName() override;
    std::string colorwayName(orb::ColorwayId id) override;
    std::unique_ptr<IColorLinker> getColorLinker(IColorController* controller,
                                                 IColorLinkHandler* handler) const override;
    void handleColorwayActivated(const orb::ColorwayId& id) override;

    // A new colour, named (made unique by the renderer) unless `name` is empty.
    // Announces nothing.
    orb::ColorId createColor(const std::string& name, orbColor_extended::ColorType type);
    // A new colorway, announced.
    orb::ColorwayId createColorway();
    // pushColor(ZColorExt&) on the value itself.
    void pushColorImpl(ZColorExt& color);
    // Writes the value's sub colour at `index` into its record and pushes it.
    void pushSubColorToDb(const ZColorExt& color, int index);
    void setActiveColorway(orb::ColorwayId id);
    // Replace the cached view of the edit's id by a copy of the edit, commit
    // it and announce it: how undo and redo restore a snapshot.
    void setColorEdit(ZColorExtEdit* edit);
    void setColorwayEdit(ZColorwayEdit* edit);
    void postColorUpdateSyncEvent(orb::ColorId id);
    // ColorwayUpdatedEvent now, ColorwaySyncedEvent later from the main thread's event loop.
    void postColorwayUpdateSyncEvent(orb::ColorwayId id);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace zsg
