#pragma once

#include <zsg/Export.h>

namespace zsg {

/// The application's answer when incoming colours carry names of colours the
/// scene already uses. Asked at most once per resolveConflicts.
class ZSG_EXPORT IColorLinkHandler
{
public:
    virtual ~IColorLinkHandler() = default;

    // True: use the scene's colours; false: keep the incoming colours under new names.
    virtual bool shouldLinkToExisting() = 0;
};

} // namespace zsg
