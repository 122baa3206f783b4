// Posting an event against emitting a Qt signal to the same number of
// directly connected receivers, and posting while many listeners of other
// types are registered (the cost must follow the interested listeners only).

#include <zsg/scenegraph/Event.h>
#include <zsg/scenegraph/IEventListener.h>
#include <zsg/scenegraph/ZEventQueue.h>

#include <QObject>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

using namespace zsg;

namespace {

struct CountingListener : IEventListener {
    std::uint64_t count = 0;
    void handleEvent(Event*) override { ++count; }
};

class Sender : public QObject {
    Q_OBJECT
signals:
    void colorUpdated(std::uint32_t color);
    void colorSynced(std::uint32_t color);
};

class Receiver : public QObject {
    Q_OBJECT
public slots:
    void onColor(std::uint32_t) { ++count; }

public:
    std::uint64_t count = 0;
};

void BM_PostEvent(benchmark::State& state)
{
    const int interested = int(state.range(0));
    const int others = int(state.range(1));
    ZEventQueue queue;
    std::vector<CountingListener> listeners(interested + others);
    for (int i = 0; i < interested + others; ++i)
        queue.addListener(&listeners[i], i < interested ? EventType::ColorUpdated : EventType::ColorSynced);
    for (auto _ : state)
        queue.postEvent(new ColorUpdatedEvent(1));
    benchmark::DoNotOptimize(listeners.front().count);
}

void BM_QtSignal(benchmark::State& state)
{
    const int interested = int(state.range(0));
    const int others = int(state.range(1));
    Sender sender;
    std::vector<std::unique_ptr<Receiver>> receivers;
    for (int i = 0; i < interested + others; ++i) {
        receivers.push_back(std::make_unique<Receiver>());
        if (i < interested)
            QObject::connect(&sender, &Sender::colorUpdated, receivers.back().get(), &Receiver::onColor,
                             Qt::DirectConnection);
        else
            QObject::connect(&sender, &Sender::colorSynced, receivers.back().get(), &Receiver::onColor,
                             Qt::DirectConnection);
    }
    for (auto _ : state)
        emit sender.colorUpdated(1);
    benchmark::DoNotOptimize(receivers.front()->count);
}

void Cases(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"interested", "others"});
    b->Args({1, 0})->Args({10, 0})->Args({100, 0})->Args({1, 10000});
}

} // namespace

BENCHMARK(BM_PostEvent)->Apply(Cases);
BENCHMARK(BM_QtSignal)->Apply(Cases);

BENCHMARK_MAIN();

#include "EventBench.moc"
