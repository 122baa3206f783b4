#pragma once
// Records every event posted on a queue, in order, as its one-line text
// ("ColorSynced color=5"), so a test compares the whole list after an
// operation, as it would with QSignalSpy.

#include <EventText.h>

#include <zsg/scenegraph/Event.h>
#include <zsg/scenegraph/IEventListener.h>
#include <zsg/scenegraph/IEventQueue.h>

#include <QStringList>

#include <utility>

namespace zsg::test {

class EventRecorder : public IEventListener {
public:
    // Listens to every event type on `queue` until destroyed.
    explicit EventRecorder(IEventQueue* queue) : m_queue(queue)
    {
        for (std::uint32_t t = 0; t <= static_cast<std::uint32_t>(EventType::LightLayerSynced); ++t)
            m_queue->addListener(this, static_cast<EventType>(t));
    }
    ~EventRecorder() override { m_queue->removeListener(this); }

    void handleEvent(Event* event) override { m_events << eventText(*event); }

    // The events recorded since the last take(); forgets them.
    QStringList take() { return std::exchange(m_events, {}); }

private:
    IEventQueue* m_queue;
    QStringList m_events;
};

} // namespace zsg::test
