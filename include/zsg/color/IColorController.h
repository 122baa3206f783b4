#pragma once

#include <zsg/Export.h>
#include <zsg/color/ColorConflict.h>
#include <zsg/color/MultiColorPair.h>
#include <zsg/color/ScopedUndoMacro.h>
#include <zsg/platform/ZColor.h>
#include <zsg/platform/ZColorExt.h>

#include <QString>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zsg {

class ColorDB;

/// The merge flag of a colour edit ("Set Color"). A command built with
/// ContinueMerge absorbs the next "Set Color" command; absorbing one built with
/// any other value closes it to further merges. A colour-picker drag passes
/// ContinueMerge while moving and FinishMerge on release, leaving one step.
/// Merging does not compare colour ids.
enum AllowForwardUndoMerge : std::uint32_t {
    ContinueMerge = 0,
    FinishMerge = 1,
};

/// Every user edit of colours and colorways as an undoable command on the
/// application's undo stack. Operations on ids without a view, and sub colour
/// operations on plain colours, do nothing and push nothing; id results are
/// 0xFFFFFFFF on failure. One guard beyond that: a multi colour never lists or
/// chooses itself as a sub colour (its id is dropped from sub colour lists, and
/// changeSubColor/addOrSwitchSubColor with link refuse it), since its value
/// would then be defined by itself. Other ids are taken as given.
class ZSG_EXPORT IColorController
{
public:
    virtual ~IColorController() = default;

    virtual ColorDB* colorDB() const = 0;
    // Opens an undo macro; the returned object closes it.
    virtual std::unique_ptr<ScopedUndoMacro> getScopedMacro(QString text) = 0;

    // A new plain colour with the value, added (undoably) at `index`, or at the
    // end for a negative one. The new colour itself is not removed by undo.
    virtual orb::ColorId addSubColor(orb::ColorId multi, const ZColor& color, int index) = 0;
    virtual void addSubKColors(orb::ColorId multi, const orb::Span<const ZColor>& colors) = 0;
    // With `link`, makes `sub` itself the active sub colour (adding it when
    // needed); without, adds and activates a new copy of its value.
    virtual orb::ColorId addOrSwitchSubColor(orb::ColorId multi, orb::ColorId sub, bool link) = 0;
    // Relinks the materials using `from` to `to`, as one undo step.
    virtual void linkColor(orb::ColorId from, orb::ColorId to) = 0;
    // Enables a plain colour as a multi colour (the result is the new multi
    // colour) or disables a multi colour (the result is its active sub colour).
    virtual orb::ColorId toggleMultiColor(orb::ColorId id) = 0;
    virtual void setColor(orb::ColorId id, const ZColor& color, AllowForwardUndoMerge allowMerge) = 0;
    virtual void setDisplayName(orb::ColorId id, const std::string& name) const = 0;
    // False, pushing nothing, when the removal would remove nothing or every sub colour.
    virtual bool removeSubColors(orb::ColorId multi, orb::Span<const orb::ColorId> ids) const = 0;
    // A position outside the list appends; an invalid `activeAfter` keeps the active sub colour.
    virtual void addSubColors(orb::ColorId multi, orb::Span<const orb::ColorId> ids, int position,
                              orb::ColorId activeAfter) const = 0;
    // Without a valid `activeAfter`, a moved active sub colour hands the mark
    // to the first sub colour that stays, as removeSubColors does.
    virtual void moveSubColors(orb::ColorId multi, orb::Span<const orb::ColorId> ids, int position,
                               orb::ColorId activeAfter) const = 0;
    virtual void setSubColors(orb::ColorId multi, orb::Span<const orb::ColorId> ids) const = 0;
    // Membership of `sub` is not checked.
    virtual void setActiveSubColor(orb::ColorId multi, orb::ColorId sub) const = 0;
    virtual void changeSubColor(orb::ColorId multi, orb::ColorId oldSub, orb::ColorId newSub) = 0;
    // Plain colours only: sets the bits when none is set, clears them when any is.
    virtual void setFlags(orb::ColorId id, int flags, bool set) const = 0;
    // Replaces the sub colour at `index` by a new clone of it (not undone) and activates it.
    virtual void unlinkSubColor(orb::ColorId multi, unsigned index) const = 0;
    // Active materials using the colour.
    virtual std::uint32_t activeReferenceCount(orb::ColorId id) const = 0;
    virtual bool anyMultiColorInUse() const = 0;
    // The colours of `color` whose names name colours that active materials use.
    // Holds the runtime lock throughout.
    virtual std::vector<ColorConflict> checkForConflict(ZColorExt color) const = 0;

    // The new colorway, or 0xFFFFFFFF for an empty name. Undo marks it deleted.
    virtual orb::ColorwayId createColorway(const std::string& name, orb::Span<const MultiColorPair> pairs) const = 0;
    virtual void applyColorway(orb::ColorwayId id) const = 0;
    // Colour and colorway ids share one type, so the colorway form has a name of its own.
    virtual void setColorwayDisplayName(orb::ColorwayId id, const std::string& name) const = 0;
    virtual void setColors(orb::ColorwayId id, orb::Span<const MultiColorPair> pairs) const = 0;
    // Pairs whose multi colour is listed move; a position outside the list appends.
    virtual void addColors(orb::ColorwayId id, orb::Span<const MultiColorPair> pairs, int position,
                           bool activate) const = 0;
    // A colorway left without multi colours is marked deleted.
    virtual void removeMultiColors(orb::ColorwayId id, orb::Span<const orb::ColorId> ids) const = 0;
    virtual void setDeleted(orb::ColorwayId id, bool deleted) const = 0;
};

} // namespace zsg
