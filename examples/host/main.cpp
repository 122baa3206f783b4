// The smallest host: a scene graph over the in-memory renderer, a listener,
// and a renderer notification turned into events.
#include <zsg/zsg.h>
#include <orbmem/MemoryRuntime.h>

#include <QCoreApplication>
#include <cstdio>

struct Printer : zsg::IEventListener {
    void handleEvent(zsg::Event* e) override
    {
        std::printf("%s %u\n", zsg::eventTypeString(e->type()), static_cast<zsg::ColorSyncedEvent*>(e)->colorId());
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    orb::MemoryRuntime runtime;
    zsg::ZTaskQueue tasks;
    zsg::ZUndoStack undo;
    auto graph = zsg::ISceneGraph::create({&runtime, nullptr, nullptr, &tasks, &undo});

    Printer printer;
    graph->eventQueue()->addListener(&printer, zsg::EventType::ColorSynced);
    const orb::ColorId colors[] = {1, 2};
    orb::SceneNotification synced;
    synced.code = 5006;
    synced.colors = colors;
    synced.colorCount = 2;
    return graph->handleNotification(synced) ? 0 : 1;
}
