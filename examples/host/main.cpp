// The smallest host: a scene graph over the in-memory renderer, a listener,
// and a renderer notification turned into events. It also does what hosts do
// across the library boundary (derive from interfaces, dynamic_cast and typeid
// the components, create value holders), so that building it with UBSan's
// vptr check proves the type information is exported.
#include <zsg/zsg.h>
#include <orbmem/MemoryRuntime.h>

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <typeinfo>

struct Printer : zsg::IEventListener {
    void handleEvent(zsg::Event* e) override
    {
        if (auto* synced = dynamic_cast<zsg::ColorSyncedEvent*>(e))
            std::printf("%s %u\n", zsg::eventTypeString(e->type()), synced->colorId());
    }
};

// A host's own fake of a library interface, as its tests would write one.
struct NoMaterials : zsg::ISceneMaterialManager {
    zsg::ISceneMaterial* sceneMaterial(orb::MaterialId, std::uint32_t) override { return nullptr; }
    zsg::ISceneMaterial* findSceneMaterial(orb::MaterialId) override { return nullptr; }
    bool isMaterialActive(orb::MaterialId) const override { return false; }
};

static int fail(const char* what)
{
    std::printf("failed: %s\n", what);
    return 1;
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // The library's texts in the user's language, from where the package put
    // its catalogues. A host passes its own locale; English is always there.
    QTranslator translator;
    if (!translator.load(QLocale(QLocale::English), "zscenegraph", "_", ZSG_TRANSLATIONS_DIR))
        return fail("translations");
    QCoreApplication::installTranslator(&translator);
    orb::MemoryRuntime runtime;
    zsg::ZTaskQueue tasks;
    zsg::ZUndoStack undo;
    NoMaterials materials;
    auto graph = zsg::ISceneGraph::create({&runtime, nullptr, &materials, &tasks, &undo});

    Printer printer;
    graph->eventQueue()->addListener(&printer, zsg::EventType::ColorSynced);
    const orb::ColorId colors[] = {1, 2};
    orb::SceneNotification synced;
    synced.code = 5006;
    synced.colors = colors;
    synced.colorCount = 2;
    if (!graph->handleNotification(synced))
        return fail("notification 5006");

    // The components behind the interfaces.
    auto* cmf = dynamic_cast<zsg::ZCMFManager*>(graph->cmfManager());
    if (!cmf || cmf->defaultSchema().name != QLatin1String("default"))
        return fail("CMF manager");
    auto* db = dynamic_cast<zsg::ColorDB*>(graph->colorDB());
    if (!db || typeid(*graph->colorController()) != typeid(zsg::ColorController))
        return fail("colour components");
    const orb::ColorId red = db->createColor("Red", orbColor_extended::Plain);
    graph->colorController()->setColor(red, zsg::ZColor(zsg::ZColor::RGB, 1, 0, 0), zsg::ContinueMerge);
    const zsg::IColorExtEdit* view = db->getColorParameters(red);
    if (!view || !dynamic_cast<const zsg::ZColorExtEdit*>(view) || view->color().r != 1.0f)
        return fail("colour view");

    // Value holders, owning and referencing.
    float size = 0.5f;
    zsg::Parameter parameter(zsg::Parameter::Builder("size", "Size").value(new zsg::PointerVariant<float>(&size)));
    const float bigger = 2.0f;
    if (!parameter.setp(&bigger) || size != 2.0f)
        return fail("pointer holder");
    zsg::ValueVariant<QList<std::int32_t>> list;
    std::unique_ptr<zsg::Variant> made(zsg::makeVariant(zsg::Type::IntegerList));
    if (!dynamic_cast<zsg::ValueVariant<QList<std::int32_t>>*>(made.get()) || list.type() != made->type())
        return fail("value holder");
    std::printf("host ok\n");
    return 0;
}
