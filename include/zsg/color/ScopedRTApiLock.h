#pragma once

#include <zsg/Export.h>

class orbRT_api;

namespace zsg {

/// Holds the renderer runtime's lock while it lives. Operations that must run
/// under the lock take one by reference as proof that the caller holds it.
class ZSG_EXPORT ScopedRTApiLock
{
public:
    // Locks `rtApi` unless it is null.
    explicit ScopedRTApiLock(orbRT_api* rtApi);
    ~ScopedRTApiLock();

    ScopedRTApiLock(const ScopedRTApiLock&) = delete;
    ScopedRTApiLock& operator=(const ScopedRTApiLock&) = delete;

private:
    orbRT_api* m_rtApi;
};

} // namespace zsg
