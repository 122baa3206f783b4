#pragma once

#include <zsg/Export.h>
#include <zsg/platform/ZColorExt.h>

#include <string>

namespace zsg {

/// Links or renames the colours of an incoming value against same-named
/// colours of the scene, and adds colours to multi colours. Made per use by
/// IColorDB::getColorLinker; keeps no state between calls.
class ZSG_EXPORT IColorLinker
{
public:
    virtual ~IColorLinker() = default;

    // resolveConflicts(color, apply value, push), then addSubColorsFrom on
    // copies with skip existing set. `color` receives the resolved value, which
    // is also returned; the caller's target is not changed.
    virtual ZColorExt addLinkedColor(const ZColorExt& target, ZColorExt& color) = 0;
    // Makes `target` a multi colour if needed (undoably) and appends the
    // colours of `source` to it.
    virtual void addSubColorsFrom(ZColorExt& target, const ZColorExt& source, bool skipExisting) = 0;
    // Links each conflicting colour to the scene's colour of its name, or
    // renames it, as the link handler answers.
    virtual ZColorExt resolveConflicts(ZColorExt color, bool applyValue, bool push) = 0;
    virtual ZColorExt makeNamesUnique(ZColorExt color) = 0;
    // The renderer's unique variant of `name` among plain colours; empty when there is none.
    virtual std::string uniqueName(std::string name) = 0;
};

} // namespace zsg
