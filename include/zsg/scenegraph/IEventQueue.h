#pragma once

#include <zsg/Export.h>

#include <zsg/scenegraph/EventType.h>

#include <QObject>

namespace zsg {

class Event;
class IEventListener;

/// The queue on which every change is announced. It is a QObject only so that
/// main-thread callbacks can use it as their context (and die with it).
class ZSG_EXPORT IEventQueue : public QObject {
public:
    ~IEventQueue() override = default;

    // The listener receives every event of `type` posted later; adding the
    // same pair twice has no further effect.
    virtual void addListener(IEventListener* listener, EventType type) = 0;
    // Removes the listener with all its types; an unknown listener is ignored.
    virtual void removeListener(IEventListener* listener) = 0;
    // Takes ownership, delivers synchronously to every interested listener
    // (each at most once; nested posts are delivered at once) and deletes.
    virtual void postEvent(Event* event) = 0;
};

} // namespace zsg
