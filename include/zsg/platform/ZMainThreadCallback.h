#pragma once

#include <zsg/Export.h>

#include <functional>

class QObject;
class orbRT_api;

namespace zsg {

/// Runs a function once, later, on the thread of a context object, through that
/// thread's event loop. Create it with new and forget it: it deletes itself after
/// running, or unrun when the context is destroyed first or the pending call is
/// dropped (e.g. when the application exits).
class ZCORE_EXPORT ZMainThreadCallback
{
public:
    // A null context means the application object, i.e. the main thread.
    ZMainThreadCallback(orbRT_api* runtime, std::function<void()> function, QObject* context);

    ZMainThreadCallback(const ZMainThreadCallback&) = delete;
    ZMainThreadCallback& operator=(const ZMainThreadCallback&) = delete;

private:
    ~ZMainThreadCallback(); // owns itself

    // Part of the host's signature; this stand-in needs no renderer lock to post.
    [[maybe_unused]] orbRT_api* m_runtime;
    std::function<void()> m_function;
};

} // namespace zsg
