#pragma once

#include <zsg/Export.h>

namespace zsg {

class ZCMFSchema;

/// Keeper of the material-information schema in force.
class ZSG_EXPORT ICMFManager {
public:
    virtual ~ICMFManager() = default;

    // Stays valid for the manager's lifetime; setSchema changes what it shows.
    virtual const ZCMFSchema& schema() const = 0;
    // Takes a copy, unchecked, and announces it with one CMFSchemaChangedEvent,
    // even when nothing changed. Listeners run inside the call.
    virtual void setSchema(const ZCMFSchema& schema) = 0;
};

} // namespace zsg
