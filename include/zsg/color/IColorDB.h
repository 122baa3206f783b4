#pragma once

#include <zsg/Export.h>
#include <zsg/color/MultiColorPair.h>
#include <zsg/platform/OrbRuntime.h>
#include <zsg/platform/ZColorExt.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zsg {

class IColorController;
class IColorExtEdit;
class IColorLinker;
class IColorLinkHandler;
class IColorSettingsEdit;
class IColorwayEdit;
class ScopedRTApiLock;

/// The renderer's colours, multi colours and colorways as the application
/// sees them: cached id lists, lookups, pushes of values into the renderer and
/// the editable views of the records. Ids of 0xFFFFFFFF mean none and are what
/// id results report on failure.
class ZSG_EXPORT IColorDB
{
public:
    virtual ~IColorDB() = default;

    // Name lookups take the lock only as proof that the caller holds it.
    // Only colours referenced in the scene are found by colorFromName.
    virtual orb::ColorId colorFromName(ScopedRTApiLock& lock, const std::string& name) const = 0;
    virtual orb::ColorId multiColorFromName(ScopedRTApiLock& lock, const std::string& name) const = 0;
    virtual orb::ColorwayId colorwayFromName(ScopedRTApiLock& lock, const std::string& name) const = 0;

    // Views are owned by the database and shared by all callers; null when the
    // renderer has no such record.
    virtual IColorExtEdit* getColorParameters(orb::ColorId id) = 0;
    virtual IColorSettingsEdit* getColorSettingsParameters() = 0;

    // The renderer's unique variant of `name`, or nothing.
    virtual std::optional<std::string> findUniqueColorName(const std::string& name,
                                                           orb::Span<const orb::ColorId> ignore,
                                                           orbColor_extended::ColorType type) const = 0;

    // Commits the colour's view if it changed and announces it.
    virtual void pushColor(orb::ColorId id) = 0;
    // Writes the value into the renderer, creating the colour and its sub
    // colours where they have no id yet; the value receives ids, names and revision.
    virtual void pushColor(ZColorExt& color) = 0;
    // Pushes the value into the database's one scratch colour.
    virtual void pushTempColor(ZColorExt& color) = 0;
    virtual void setActiveSubColor(const MultiColorPair& pair) = 0;
    virtual ZColorExt colorFromId(orb::ColorId id) = 0;
    // The value's id, pushing (and so creating) it first when it has none.
    virtual orb::ColorId idFromColor(ZColorExt color) = 0;
    virtual std::uint32_t totalSceneReferenceCount(orb::ColorId id) const = 0;
    virtual orb::ColorId clone(orb::ColorId id) = 0;
    // A clone whose sub colours are clones too.
    virtual orb::ColorId cloneRecursively(orb::ColorId id) = 0;
    // A new multi colour with the colour's name and value whose one sub colour is the colour.
    virtual orb::ColorId multiColorFromColor(orb::ColorId id) = 0;

    virtual IColorwayEdit* getColorwayParameters(orb::ColorwayId id) = 0;
    // Drops multi colours the scene no longer references from the cached view (uncommitted).
    virtual void checkForUnusedMultiColors(orb::ColorwayId id) = 0;
    virtual void pushColorway(orb::ColorwayId id) = 0;
    // Makes the colorway the active one and switches its multi colours to its sub colours.
    virtual void applyColorway(orb::ColorwayId id) = 0;

    // Spans point into cached arrays, valid until the renderer's colour (or
    // colorway) revision changes and the list is asked for again.
    virtual orb::Span<const orb::ColorId> colors() = 0;
    virtual std::vector<orb::ColorId> namedColors() = 0;
    virtual orb::Span<const orb::ColorId> multiColors() = 0;
    virtual orb::Span<const orb::ColorwayId> colorways() = 0;
    virtual bool anyMultiColorsInScene() = 0;
    virtual std::vector<orb::MaterialId> getMaterialsUsingColor(orb::ColorId id, std::uint32_t flags,
                                                                bool activeOnly) const = 0;
    virtual std::unique_ptr<ScopedRTApiLock> createRtApiLock() const = 0;

    virtual orb::ColorwayId activeColorwayId() = 0;
    virtual std::string activeColorwayName() = 0;
    virtual std::string colorwayName(orb::ColorwayId id) = 0;
    // A new linker over the controller and the application's handler; the caller owns it.
    virtual std::unique_ptr<IColorLinker> getColorLinker(IColorController* controller,
                                                         IColorLinkHandler* handler) const = 0;

    // The renderer activated the colorway: re-read it and its multi colours and announce them.
    virtual void handleColorwayActivated(const orb::ColorwayId& id) = 0;
};

} // namespace zsg
