#include <zsg/cmf/ZCMFManager.h>

#include <zsg/cmf/ZCMFSchema.h>
#include <zsg/scenegraph/Event.h>
#include <zsg/scenegraph/IEventQueue.h>
#include <zsg/scenegraph/ISceneGraph.h>

namespace zsg {

namespace {

ZCMFSchema builtInSchema()
{
    auto text = [](const char* name) {
        return CMFAttribute{QString::fromLatin1(name), true, CMFAttributeKind::Text, {}};
    };
    ZCMFSchema schema;
    schema.name = QStringLiteral("default");
    schema.attributes = {
        text("Name"),
        text("Color"),
        text("Finish"),
        text("Material"),
        text("Vendor"),
        {QStringLiteral("Reference Image"), true, CMFAttributeKind::Image, {}},
        text("Notes"),
    };
    return schema;
}

} // namespace

struct ZCMFManager::Private {
    const ZCMFSchema defaultSchema = builtInSchema();
    ZCMFSchema schema = defaultSchema;
    ISceneGraph* sceneGraph;
};

ZCMFManager::ZCMFManager(ISceneGraph* sceneGraph) : d(new Private{.sceneGraph = sceneGraph}) {}

ZCMFManager::~ZCMFManager() = default;

const ZCMFSchema& ZCMFManager::schema() const
{
    return d->schema;
}

void ZCMFManager::setSchema(const ZCMFSchema& schema)
{
    d->schema = schema;
    // A scene graph without a queue (one still being built) gets no announcement.
    if (IEventQueue* queue = d->sceneGraph ? d->sceneGraph->eventQueue() : nullptr)
        queue->postEvent(new CMFSchemaChangedEvent);
}

const ZCMFSchema& ZCMFManager::defaultSchema() const
{
    return d->defaultSchema;
}

} // namespace zsg
