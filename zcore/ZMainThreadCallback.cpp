#include <zsg/platform/ZMainThreadCallback.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <QtGlobal>

#include <memory>

namespace zsg {

ZMainThreadCallback::ZMainThreadCallback(orbRT_api* runtime, std::function<void()> function,
                                         QObject* context)
    : m_runtime(runtime)
    , m_function(std::move(function))
{
    QObject* target = context ? context : QCoreApplication::instance();
    if (!target) {
        // Nothing could ever run it. Deleting ourselves here would hand the
        // caller's new-expression a dead object, so this one stays.
        qWarning("ZMainThreadCallback: no context and no application; the function is dropped");
        return;
    }
    // The queued call owns this object. Qt destroys the call after running it, or
    // unrun when the target is destroyed or its pending events are discarded, so
    // every path ends in the delete.
    std::shared_ptr<ZMainThreadCallback> self(this, [](ZMainThreadCallback* c) { delete c; });
    QMetaObject::invokeMethod(target, [self] { self->m_function(); }, Qt::QueuedConnection);
}

ZMainThreadCallback::~ZMainThreadCallback() = default;

} // namespace zsg
