// The library's texts under a pseudo-translation built from the catalogue, in
// which every text reads [[text]]. Each text an operation hands out must come
// back translated, with its arguments inserted after translation, unless it
// must stay untranslated; and the operations together must use every text of
// the catalogue, under the context they are filed in. The widgets' and the
// studio's texts are shown on screen, not handed out: their own tests check them.

#include <zsg/cmf/ZCMFSchema.h>
#include <zsg/color/ColorController.h>
#include <zsg/color/ColorDB.h>
#include <zsg/color/ZEditColorCommand.h>
#include <zsg/color/ZLinkColorCommand.h>
#include <zsg/lightlayer/ILightLayerController.h>
#include <zsg/paint/IPainter.h>
#include <zsg/paint/IPainterManager.h>
#include <zsg/paint/IPainterSurface.h>
#include <zsg/paint/ZPainterBrush.h>
#include <zsg/platform/ZTaskQueue.h>
#include <zsg/platform/ZUndoStack.h>
#include <zsg/scenegraph/ISceneGraph.h>
#include <zsg/values/Enumerable.h>

#include <orbmem/MemoryRuntime.h>
#include <orbmem/MemorySceneMaterialManager.h>

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QTextStream>
#include <QTranslator>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <functional>
#include <set>

using namespace zsg;

namespace {

// Colours Red, Green and Blue, the multi colour Flag over them, the colorways
// Summer (choosing Green, active) and Winter (choosing Blue), the material
// Paint using Flag and Red, a light Lamp.
struct Scene {
    Scene() { runtime.activateColorway(summer); }
    ~Scene() { stack.clear(); }

    // The text of the step that `operation` pushed.
    QString step(const std::function<void()>& operation)
    {
        operation();
        return stack.undoText();
    }
    std::string name(orb::ColorId id) { return graph->colorController()->colorDB()->colorFromId(id).getColorName(); }
    // A new paint surface with `layers` layers, added as a user adds them.
    IPainterSurface& canvas(int layers)
    {
        IPainter* painter = graph->painterManager()->painter();
        IPainterSurface* surface = painter->surface(painter->createSurface(256));
        for (int i = 0; i < layers; ++i)
            surface->addLayer(0);
        return *surface;
    }
    // Every display name, tool tip and choice name of a new brush's parameters.
    QStringList brushTexts()
    {
        const std::unique_ptr<IPainterBrush> brush = graph->painterManager()->createBrush(20, paint);
        QStringList texts;
        for (const QString& key : ZPainterBrush::parameterNames()) {
            const Parameter parameter = brush->parameter(key);
            texts << parameter.displayName() << parameter.toolTip();
            if (parameter.type() == Type::Enumerable) {
                Enumerable choices;
                parameter.getp(&choices);
                for (const Enumerable::Item& item : choices.items)
                    texts << item.name;
            }
        }
        texts.removeAll(QString());
        return texts;
    }

    orb::MemoryRuntime runtime;
    ZTaskQueue tasks;
    ZUndoStack stack;
    orb::MemorySceneMaterialManager materials{runtime, &stack};
    std::unique_ptr<ISceneGraph> graph = ISceneGraph::create({&runtime, nullptr, &materials, &tasks, &stack});
    IColorController& colors = *graph->colorController();
    ILightLayerController& lightLayers = *graph->lightLayerController();
    orb::ColorId red = runtime.createColor("Red", {1, 0, 0, 1});
    orb::ColorId green = runtime.createColor("Green", {0, 1, 0, 1});
    orb::ColorId blue = runtime.createColor("Blue", {0, 0, 1, 1});
    orb::ColorId flag = runtime.createMultiColor("Flag", {red, green, blue});
    orb::MaterialId paint = runtime.createMaterial("Paint", {flag, red});
    orb::ColorwayId summer = runtime.createColorway("Summer", {flag}, {green});
    orb::ColorwayId winter = runtime.createColorway("Winter", {flag}, {blue});
    orb::ObjectId lamp = runtime.addLight(runtime.hierarchyRoot());
};

// What a schema load reports: its error text, else its first warning.
QString loadReport(const QByteArray& text)
{
    QTextStream stream(text);
    const CMFSchemaLoadResult result = ZCMFSchema::load(stream);
    return result.message.isEmpty() ? result.warnings.value(0) : result.message;
}

QByteArray schemaFile(const QByteArray& attributes)
{
    return R"({"version": 1, "schemaName": "S", "attributes": [)" + attributes + "]}";
}

const QByteArray Valid = R"({"name": "A", "kind": 0, "visible": true})";

QString jsonError(const QByteArray& text)
{
    QJsonParseError error;
    QJsonDocument::fromJson(text, &error);
    return error.errorString();
}

struct Case {
    const char* context;  // null for a text that must stay untranslated
    const char* source;
    QStringList args;     // inserted for %1, %2
    std::function<QString(Scene&)> produce;  // null for a filed text that no operation can reach
};

const std::vector<Case>& cases()
{
    static const std::vector<Case> all = {
        {"ZEditColorCommand", "Clear Color name", {}, [](Scene& s) { return s.step([&] { s.colors.setDisplayName(s.red, ""); }); }},
        {"ZEditColorCommand", "Set Color name %1", {"(Rose)"}, [](Scene& s) { return s.step([&] { s.colors.setDisplayName(s.red, "Rose"); }); }},
        {"ZEditColorCommand", "Set Color", {}, [](Scene& s) { return s.step([&] { s.colors.setColor(s.red, ZColor(), FinishMerge); }); }},
        {"ZEditColorCommand", "Remove Sub Color %1", {"(Flag)"}, [](Scene& s) {
             // Its step is a macro without text; the command inside shows its own.
             ColorDB* db = s.colors.colorDB();
             const ZColorExtEdit* view = db->getColorParameters(s.flag);
             return ZEditColorCommand(ZEditColorCommand::RemoveSub, db, view->copy(s.flag), view->copy(s.flag)).text(); }},
        {"ZEditColorCommand", "Switch Sub Color %1", {"(Flag)"}, [](Scene& s) { return s.step([&] { s.colors.setActiveSubColor(s.flag, s.blue); }); }},
        {"ZEditColorCommand", "Add Sub Color %1", {"(Flag)"}, [](Scene& s) {
             const orb::ColorId pink = s.runtime.createColor("Pink", {});
             return s.step([&] { s.colors.addSubColors(s.flag, {&pink, 1}, -1, orb::InvalidId); }); }},
        {"ZEditColorCommand", "Unlink Sub Color %1", {"(Flag)"}, [](Scene& s) { return s.step([&] { s.colors.unlinkSubColor(s.flag, 0); }); }},
        {"ZEditColorCommand", "Move Sub Color %1", {"(Flag)"}, [](Scene& s) { return s.step([&] { s.colors.moveSubColors(s.flag, {&s.red, 1}, 2, orb::InvalidId); }); }},
        {"ZEditColorCommand", "Modify Color %1", {"(Red)"}, [](Scene& s) { return s.step([&] { s.colors.setFlags(s.red, 8, true); }); }},
        {"ZEditColorWayCommand", "Clear Colorway name", {}, [](Scene& s) { return s.step([&] { s.colors.setColorwayDisplayName(s.summer, ""); }); }},
        {"ZEditColorWayCommand", "Set Colorway name %1", {"(Fall)"}, [](Scene& s) { return s.step([&] { s.colors.setColorwayDisplayName(s.summer, "Fall"); }); }},
        {"ZEditColorWayCommand", "Edit Colorway %1", {"(Summer)"}, [](Scene& s) { return s.step([&] { s.colors.removeMultiColors(s.summer, {&s.flag, 1}); }); }},
        {"ZEditColorWayCommand", "Delete Colorway %1", {"(Summer)"}, [](Scene& s) { return s.step([&] { s.colors.setDeleted(s.summer, true); }); }},
        {"ZEditColorWayCommand", "Link color", {}, [](Scene& s) { return s.step([&] {
             s.stack.push(new ZLinkColorCommand(dynamic_cast<ColorController*>(&s.colors), s.red, s.blue, s.paint, 1)); }); }},
        {"ZCreateColorwayCommand", "Create Colorway", {}, [](Scene& s) {
             const MultiColorPair pair{s.flag, s.red};
             return s.step([&] { s.colors.createColorway("Spring", {&pair, 1}); }); }},
        {"ZActivateColorwayCommand", "Switch Colorway (%1)", {"Winter"}, [](Scene& s) { return s.step([&] { s.colors.applyColorway(s.winter); }); }},
        {"QObject", "Enable Multi Color (%1)", {"Red"}, [](Scene& s) { return s.step([&] { s.colors.toggleMultiColor(s.red); }); }},
        {"QObject", "Disable Multi Color (%1)", {"Flag"}, [](Scene& s) { return s.step([&] { s.colors.toggleMultiColor(s.flag); }); }},
        {"QObject", "Link Color (%1) To (%2)", {"Red", "Blue"}, [](Scene& s) { return s.step([&] { s.colors.linkColor(s.red, s.blue); }); }},
        {"QObject", "Multi-Color", {}, [](Scene& s) {
             return QString::fromStdString(s.name(s.colors.toggleMultiColor(s.runtime.createColor("", {})))); }},

        {"ZUndoCommand", "Create light layer", {}, [](Scene& s) { return s.step([&] { s.lightLayers.createLayer(""); }); }},
        {"ZUndoCommand", "Create Light Layer (%1)", {"Sun"}, [](Scene& s) { return s.step([&] { s.lightLayers.createLayer("Sun"); }); }},
        {"ZUndoCommand", "Delete light layer", {}, nullptr},  // replaced in the constructor
        {"ZUndoCommand", "Delete Light Layer (%1)", {"Sun"}, [](Scene& s) {
             const orb::LightLayerId sun = s.lightLayers.createLayer("Sun");
             return s.step([&] { s.lightLayers.deleteLayer(sun); }); }},
        {"ZUndoCommand", "Update light layer", {}, [](Scene& s) { return s.step([&] { s.lightLayers.addLights(1, {&s.lamp, 1}); }); }},
        {"ZUndoCommand", "Update light layer", {}, [](Scene& s) { return s.step([&] { s.lightLayers.removeLights(1, {&s.lamp, 1}); }); }},
        {"ZUndoCommand", "Update light layer", {}, [](Scene& s) { return s.step([&] { s.lightLayers.setItemsLayer(1, {&s.lamp, 1}); }); }},
        {"QObject", "New Layer", {}, [](Scene& s) {
             ILightLayerApi& api = *s.lightLayers.lightLayerApi();
             api.createLayerFromLights({&s.lamp, 1});
             const orb::Array<orb::LightLayerId> layers = api.layers();
             const std::string name = api.layerName(layers.data[layers.count - 1]);
             orb::Unique_array_helper::free(layers.data);
             return QString::fromStdString(name); }},

        {"ZAddLayerCommand", "3D Paint add layer", {}, [](Scene& s) { return s.step([&] { s.canvas(1); }); }},
        {"QObject", "Layer", {}, [](Scene& s) { return QString::fromUtf8(s.canvas(1).layers()[0].name).chopped(2); }},
        {"ZDeleteLayerCommand", "3D Paint delete layer", {}, [](Scene& s) {
             return s.step([&] { s.canvas(1).setLayerDeleted(0, true); }); }},
        {"ZLayerBlendCommand", "3D Paint change layer blend mode", {}, [](Scene& s) {
             return s.step([&] { s.canvas(1).setLayerBlend(0, orb::ColorBlendMode::Screen); }); }},
        {"ZLayerVisibilityCommand", "3D Paint change layer visibility", {}, [](Scene& s) {
             return s.step([&] { s.canvas(1).setLayerVisibility(0, false); }); }},
        {"ZLayerNameCommand", "3D Paint change layer name", {}, [](Scene& s) {
             return s.step([&] { s.canvas(1).setLayerName(0, "Sky"); }); }},
        {"ZMoveLayerCommand", "3D Paint move layer", {}, [](Scene& s) { return s.step([&] { s.canvas(2).moveLayer(0, 1); }); }},
        {"ZLayerBackgroundCommand", "3D Paint change layer background", {}, [](Scene& s) {
             return s.step([&] { s.canvas(1).setLayerBackgroundColor(0, {1, 0, 0, 1}, true); }); }},
        {nullptr, "TODO!", {}, [](Scene& s) {
             QStringList todo = s.brushTexts().filter("TODO");
             todo.removeDuplicates();
             return todo.join(' '); }},

        {"QObject", "File does not contain a valid json. Error: %1", {jsonError("x")}, [](Scene&) { return loadReport("x"); }},
        // Text before the first brace is skipped, so whatever parses is an object.
        {"QObject", "File does not contain a json object at the root", {}, nullptr},
        {"QObject", "File format version is too old or unknown", {}, [](Scene&) { return loadReport(R"({"version": 2})"); }},
        {"QObject", "Schema attributes are incorrectly formatted", {}, [](Scene&) { return loadReport(schemaFile("")); }},
        {"QObject", "Schema attributes are incorrectly formatted", {}, [](Scene&) { return loadReport(schemaFile("1")); }},
        {"QObject", "Schema has no saved name", {}, [](Scene&) {
             return loadReport(R"({"version": 1, "attributes": [)" + Valid + "]}"); }},
        {"QObject", "The display name of an attribute is absent or is not a string.", {}, [](Scene&) {
             return loadReport(schemaFile(R"({"kind": 0, "visible": true})")); }},
        {"QObject", "Two attributes have identical names: %1.", {"AB"}, [](Scene&) {
             return loadReport(schemaFile(R"({"name": "A|B", "kind": 0, "visible": true}, {"name": "AB", "kind": 0, "visible": true})")); }},
        {"QObject", "The kind of an attribute is absent or is not encoded as a number.", {}, [](Scene&) {
             return loadReport(schemaFile(R"({"name": "A", "visible": true})")); }},
        {"QObject", "The visibility of an attribute is absent or is not a boolean.", {}, [](Scene&) {
             return loadReport(schemaFile(R"({"name": "A", "kind": 0})")); }},
        {nullptr, "Material Information Schema \"%1\" includes properties with invalid types, properties will be hidden.", {"S"}, [](Scene&) {
             return loadReport(schemaFile(R"({"name": "X", "kind": 8}, )" + Valid)); }},
    };
    return all;
}

using Text = std::pair<QString, QString>;  // context, source

std::set<Text> catalogue()
{
    QFile file(ZSG_SOURCE_CATALOGUE);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    std::set<Text> texts;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            texts.insert({context, xml.readElementText()});
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return texts;
}

QString describe(const Text& text)
{
    return text.first + " \"" + text.second + '"';
}

} // namespace

// Installs the pseudo-translation while it lives.
struct PseudoTranslation {
    PseudoTranslation()
    {
        EXPECT_TRUE(translator.load(QStringLiteral(ZSG_PSEUDO_QM)));
        QCoreApplication::installTranslator(&translator);
    }
    ~PseudoTranslation() { QCoreApplication::removeTranslator(&translator); }
    QTranslator translator;
};

TEST(PseudoTranslationTest, EveryTextComesBackTranslated)
{
    const PseudoTranslation pseudo;
    for (const Case& c : cases()) {
        if (!c.produce)
            continue;
        SCOPED_TRACE(c.source);
        QString expected = c.context ? "[[" + QString::fromUtf8(c.source) + "]]" : QString::fromUtf8(c.source);
        for (const QString& arg : c.args)
            expected = expected.arg(arg);
        Scene scene;
        EXPECT_EQ(c.produce(scene).toStdString(), expected.toStdString());
    }
    // The brush's many texts by rule rather than one by one.
    Scene scene;
    for (const QString& text : scene.brushTexts())
        EXPECT_TRUE(text == "TODO!" || (text.startsWith("[[") && text.endsWith("]]"))) << text.toStdString();
}

TEST(PseudoTranslationTest, CasesCoverTheCatalogue)
{
    const std::set<Text> filed = catalogue();
    std::set<Text> used;
    Scene scene;
    for (const QString& text : scene.brushTexts())
        if (text != "TODO!")
            used.insert({"ZPainterBrush", text});
    for (const Case& c : cases()) {
        const Text text{c.context ? c.context : "", c.source};
        if (c.context)
            used.insert(text);
        else
            for (const Text& f : filed)
                EXPECT_NE(f.second, text.second) << "must stay untranslated: " << describe(f).toStdString();
    }
    for (const Text& text : filed) {
        if (!text.first.startsWith("zsg::") && !text.first.startsWith("studio")) {
            EXPECT_TRUE(used.count(text)) << "no case shows " << describe(text).toStdString();
        }
    }
    for (const Text& text : used)
        EXPECT_TRUE(filed.count(text)) << "not in the catalogue: " << describe(text).toStdString();
}
