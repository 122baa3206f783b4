#pragma once

#include <zsg/Export.h>
#include <zsg/scenegraph/IEventQueue.h>

#include <memory>

namespace zsg {

/// The event queue of a scene graph. Posting costs a lookup of the event's type
/// and one call per interested listener, however many others are registered.
/// Listeners are called in no defined order. A delivery reaches the listeners
/// registered when it began and still registered at their turn: one added by a
/// handler waits for the next event, one removed by a handler gets no more.
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
