#pragma once

#include <zsg/Export.h>
#include <zsg/scenegraph/IEventQueue.h>

#include <memory>

namespace zsg {

// The event queue of a scene graph. Posting costs a lookup of the event's type
// and one call per interested listener, however many others are registered.
// Listeners are called in no defined order. Adding or removing listeners from
// inside a handler is memory-safe, but whether the change affects the event
// being delivered is not defined.
class ZSG_EXPORT ZEventQueue : public IEventQueue {
public:
    ZEventQueue();
    ~ZEventQueue() override;

    void addListener(IEventListener* listener, EventType type) override;
    void removeListener(IEventListener* listener) override;
    void postEvent(Event* event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace zsg
