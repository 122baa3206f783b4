#include <zsg/scenegraph/Event.h>
#include <zsg/scenegraph/IEventListener.h>
#include <zsg/scenegraph/ZEventQueue.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <type_traits>
#include <vector>

using namespace zsg;

namespace {

struct Listener : IEventListener {
    std::vector<EventType> received;
    std::function<void(Event*)> onEvent;
    void handleEvent(Event* event) override { received.push_back(event->type()), onEvent ? onEvent(event) : void(); }
};

// Counts destructions, so a test sees the queue delete what it was given.
struct CountedEvent : Event {
    CountedEvent(EventType type, int* deleted) : Event(type), deleted(deleted) {}
    ~CountedEvent() override { ++*deleted; }
    int* deleted;
};

} // namespace

TEST(EventQueue, DeliversOnlyRegisteredTypesOncePerEventAndDeletesEveryEvent)
{
    ZEventQueue queue;
    Listener updatesAndSyncs, syncsTwice, removed;
    queue.addListener(&updatesAndSyncs, EventType::ColorUpdated);
    queue.addListener(&updatesAndSyncs, EventType::ColorSynced);
    queue.addListener(&syncsTwice, EventType::ColorSynced);
    queue.addListener(&syncsTwice, EventType::ColorSynced);
    queue.addListener(&removed, EventType::ColorUpdated);
    queue.addListener(&removed, EventType::ColorUpdated);
    queue.addListener(&removed, EventType::ColorSynced);
    queue.removeListener(&removed);
    queue.removeListener(&removed);  // unknown by now: ignored

    int deleted = 0;
    for (EventType type : {EventType::ColorUpdated, EventType::ColorSynced, EventType::ColorwaySynced})
        queue.postEvent(new CountedEvent(type, &deleted));  // nobody listens to the last
    queue.postEvent(nullptr);

    EXPECT_EQ(updatesAndSyncs.received, (std::vector{EventType::ColorUpdated, EventType::ColorSynced}));
    EXPECT_EQ(syncsTwice.received, std::vector{EventType::ColorSynced});
    EXPECT_TRUE(removed.received.empty());
    EXPECT_EQ(deleted, 3);
}

TEST(EventQueue, NestedPostsAreDeliveredBeforeTheOuterDeliveryContinues)
{
    ZEventQueue queue;
    std::vector<EventType> log;  // one listener, so the order is defined
    Listener first;
    first.onEvent = [&](Event* e) {
        log.push_back(e->type());
        if (e->type() == EventType::ColorUpdated)
            queue.postEvent(new ColorSyncedEvent(7));
        log.push_back(e->type());
    };
    queue.addListener(&first, EventType::ColorUpdated);
    queue.addListener(&first, EventType::ColorSynced);
    queue.postEvent(new ColorUpdatedEvent(1));
    EXPECT_EQ(log, (std::vector{EventType::ColorUpdated, EventType::ColorSynced, EventType::ColorSynced,
                                EventType::ColorUpdated}));
}

TEST(EventQueue, RegistrationChangesDuringDeliveryAndReRegistration)
{
    ZEventQueue queue;
    Listener a, b, late;
    // Each removes itself on its first event; a also registers `late`.
    a.onEvent = [&](Event*) { queue.removeListener(&a); queue.addListener(&late, EventType::ColorUpdated); };
    b.onEvent = [&](Event*) { queue.removeListener(&b); };
    queue.addListener(&a, EventType::ColorUpdated);
    queue.addListener(&b, EventType::ColorUpdated);
    queue.postEvent(new ColorUpdatedEvent(1));
    EXPECT_EQ(a.received.size() + b.received.size(), 2u);  // neither self-removal hides the other
    EXPECT_TRUE(late.received.empty());                    // registered after the delivery began

    a.onEvent = nullptr;
    queue.addListener(&a, EventType::ColorUpdated);  // a removed listener can come back
    queue.postEvent(new ColorUpdatedEvent(2));
    EXPECT_EQ(a.received.size(), 2u);
    EXPECT_EQ(b.received.size(), 1u);
    EXPECT_EQ(late.received.size(), 1u);
}

TEST(EventQueue, EventsCarryConsecutiveSequenceNumbers)
{
    static_assert(!std::is_copy_constructible_v<Event> && !std::is_move_constructible_v<ColorEvent>);
    ColorIdChangeEvent a(1, 2);
    ShaderNodeChangedEvent b(MaterialId(3), 4);
    LightLayerSyncedEvent c;
    EXPECT_EQ(b.sequenceNumber(), a.sequenceNumber() + 1);
    EXPECT_EQ(c.sequenceNumber(), b.sequenceNumber() + 1);
}

// The threadsafe style runs this test alone in a fresh process, where no event was made yet.
TEST(EventQueue, TheFirstEventOfAProcessIsNumberedZero)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(int(LightLayerSyncedEvent().sequenceNumber())), ::testing::ExitedWithCode(0), "");
}
