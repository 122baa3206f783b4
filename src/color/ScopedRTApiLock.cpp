#include <zsg/color/ScopedRTApiLock.h>

#include <zsg/platform/OrbRuntime.h>

namespace zsg {

ScopedRTApiLock::ScopedRTApiLock(orbRT_api* rtApi) : m_rtApi(rtApi)
{
    if (m_rtApi)
        m_rtApi->lock();
}

ScopedRTApiLock::~ScopedRTApiLock()
{
    if (m_rtApi)
        m_rtApi->unlock();
}

} // namespace zsg
