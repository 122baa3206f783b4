#include <zsg/scenegraph/Event.h>
#include <zsg/scenegraph/IEventListener.h>
#include <zsg/scenegraph/ZEventQueue.h>

#include <QHash>
#include <QSet>

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <vector>

namespace zsg {

struct ZEventQueue::Private {
    // The listener table: who listens to what.
    QHash<IEventListener*, QSet<EventType>> listeners;
    // Derived index of the table by type, so a post touches only the
    // interested listeners. Node-based and never shrunk by key, so a list
    // stays at its address while a delivery walks it.
    std::unordered_map<EventType, std::vector<IEventListener*>> byType;
};

ZEventQueue::ZEventQueue() : d(std::make_unique<Private>()) {}

ZEventQueue::~ZEventQueue() = default;

void ZEventQueue::addListener(IEventListener* listener, EventType type)
{
    if (!listener)
        return;
    QSet<EventType>& types = d->listeners[listener];
    if (types.contains(type))
        return;
    types.insert(type);
    d->byType[type].push_back(listener);
}

void ZEventQueue::removeListener(IEventListener* listener)
{
    auto it = d->listeners.constFind(listener);
    if (it == d->listeners.cend())
        return;
    for (EventType type : *it) {
        std::erase(d->byType[type], listener);
    }
    d->listeners.erase(it);
}

void ZEventQueue::postEvent(Event* event)
{
    // Deleted on every path, also when a handler throws.
    std::unique_ptr<Event> owned(event);
    if (!event)
        return;
    auto it = d->byType.find(event->type());
    if (it == d->byType.end())
        return;
    // Everyone registered when the delivery began receives the event, unless
    // removed meanwhile (a removed listener may already be destroyed).
    const std::vector<IEventListener*> interested = it->second;
    for (IEventListener* listener : interested) {
        auto registered = d->listeners.constFind(listener);
        if (registered != d->listeners.cend() && registered->contains(event->type()))
            listener->handleEvent(event);
    }
}

} // namespace zsg
