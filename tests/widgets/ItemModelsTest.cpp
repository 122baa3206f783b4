// The item models against a real scene graph over the in-memory renderer: each
// model's rows are compared whole with what the library lists after every step,
// and the row signals with the least change that explains it.
#include <zsg/color/ColorDB.h>
#include <zsg/color/IColorController.h>
#include <zsg/lightlayer/ILightLayerController.h>
#include <zsg/paint/IPainter.h>
#include <zsg/paint/IPainterManager.h>
#include <zsg/paint/IPainterSurface.h>
#include <zsg/platform/ZTaskQueue.h>
#include <zsg/platform/ZUndoStack.h>
#include <zsg/scenegraph/Event.h>
#include <zsg/scenegraph/IEventQueue.h>
#include <zsg/scenegraph/ISceneGraph.h>
#include <zsg/widgets/ColorListModel.h>
#include <zsg/widgets/ColorwayListModel.h>
#include <zsg/widgets/LightLayerTreeModel.h>
#include <zsg/widgets/PaintLayerListModel.h>

#include <orbmem/MemoryRuntime.h>
#include <orbmem/MemorySceneMaterialManager.h>

#include <QListView>
#include <QMimeData>
#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

using namespace zsg;

namespace {

struct Scene {
    orb::MemoryRuntime runtime;
    ZTaskQueue tasks;
    ZUndoStack undo;
    orb::MemorySceneMaterialManager materials{runtime, &undo};
    std::unique_ptr<ISceneGraph> graph;

    void create() { graph = ISceneGraph::create({&runtime, nullptr, &materials, &tasks, &undo}); }
    ColorDB* db() const { return static_cast<ColorDB*>(graph->colorDB()); }
    ILightLayerApi* lights() const { return graph->lightLayerController()->lightLayerApi(); }
};

QStringList column(const QAbstractItemModel& model, int role, const QModelIndex& parent = {})
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(parent); ++row)
        texts << model.index(row, 0, parent).data(role).toString();
    return texts;
}

template <typename Ids>
QStringList idTexts(const Ids& ids)
{
    QStringList texts;
    for (auto id : ids)
        texts << QString::number(id);
    return texts;
}

// Each structural signal as "<signal> <first>-<last>" (moves "move <row> before <row>"), in emission order.
struct RowLog {
    QStringList lines;
    explicit RowLog(QAbstractItemModel& model)
    {
        QObject::connect(&model, &QAbstractItemModel::rowsInserted, [this](const QModelIndex&, int a, int b) {
            lines << QStringLiteral("insert %1-%2").arg(a).arg(b);
        });
        QObject::connect(&model, &QAbstractItemModel::rowsRemoved, [this](const QModelIndex&, int a, int b) {
            lines << QStringLiteral("remove %1-%2").arg(a).arg(b);
        });
        QObject::connect(&model, &QAbstractItemModel::rowsMoved,
                         [this](const QModelIndex&, int a, int, const QModelIndex&, int to) {
                             lines << QStringLiteral("move %1 before %2").arg(a).arg(to);
                         });
        QObject::connect(&model, &QAbstractItemModel::modelReset, [this] { lines << "reset"; });
    }
    QStringList take() { return std::exchange(lines, {}); }
};

} // namespace

class ItemModelsTest : public QObject
{
    Q_OBJECT

private slots:
    void colorRowsFollowTheDatabase();
    void colorDataAndRename();
    void colorwayMarksTheActiveOneAndDropsDeleted();
    void lightLayerTreeFollowsEdits();
    void paintLayerDrop_data();
    void paintLayerDrop();
    void paintLayerDropTakesOneLayerOfItsSurface();
    void paintLayerEdits_data();
    void paintLayerEdits();
    void modelsForgetADestroyedScene();
    void modelsGoneBeforeTheSceneHearNothing();
};

void ItemModelsTest::colorRowsFollowTheDatabase()
{
    Scene s;
    const orb::ColorId red = s.runtime.createColor("Red", {1, 0, 0, 1});
    s.create();
    ColorListModel plain(s.graph.get(), ColorListModel::PlainColors);
    ColorListModel multi(s.graph.get(), ColorListModel::MultiColors);
    QAbstractItemModelTester plainTester(&plain), multiTester(&multi);
    RowLog plainLog(plain), multiLog(multi);
    const auto check = [&](const QStringList& plainSignals, const QStringList& multiSignals) {
        QCOMPARE(column(plain, ColorListModel::IdRole), idTexts(s.db()->colors()));
        QCOMPARE(column(multi, ColorListModel::IdRole), idTexts(s.db()->multiColors()));
        QCOMPARE(plainLog.take(), plainSignals);
        QCOMPARE(multiLog.take(), multiSignals);
    };
    QCOMPARE(plain.rowCount(), 1);

    ZColorExt green;
    green.setColors({{ZColor(ZColor::RGB, 0, 1, 0, 0, 1, "Green"), orb::InvalidId}});
    s.db()->pushColor(green);
    check({"insert 1-1"}, {});
    QCOMPARE(plain.indexOf(green.getId()).row(), 1);

    // A multi colour over two new sub colours: the subs first, each its own append.
    ZColorExt flag;
    flag.setMultiColor(true);
    flag.setColors({{ZColor(ZColor::RGB, 1, 1, 1), orb::InvalidId}, {ZColor(ZColor::RGB, 0, 0, 1), orb::InvalidId}});
    flag.setColorName("Flag");
    s.db()->pushColor(flag);
    check({"insert 2-2", "insert 3-3"}, {"insert 0-0"});

    // Pushed as a multi colour, Red leaves the plain list from the front.
    ZColorExt redAsMulti = s.db()->colorFromId(red);
    redAsMulti.setMultiColor(true);
    s.db()->pushColor(redAsMulti);
    check({"remove 0-0"}, {"insert 0-0"});
    QCOMPARE(plain.indexOf(green.getId()).row(), 0);

    // Created behind the library's back and announced by the renderer.
    const orb::ColorId blue = s.runtime.createColor("Blue", {0, 0, 1, 1});
    const orb::SceneNotification synced{.code = 5006, .colors = &blue, .colorCount = 1};
    s.graph->handleNotification(synced);
    check({"insert 3-3"}, {});
}

void ItemModelsTest::colorDataAndRename()
{
    Scene s;
    const orb::ColorId red = s.runtime.createColor("Red", {1, 0, 0, 1});
    s.runtime.createColor("Teal", {0, 0.5f, 0.5f, 1});
    s.create();
    ColorListModel model(s.graph.get(), ColorListModel::PlainColors);
    const QModelIndex index = model.indexOf(red);
    QCOMPARE(index.row(), 0);
    QCOMPARE(index.data(Qt::DecorationRole).value<QColor>(), QColor(255, 0, 0));
    QCOMPARE(model.index(1).data(Qt::ToolTipRole).toString(), QStringLiteral("Teal\nRGB 0, 128, 128"));

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(!model.setData(index, QString()));
    QVERIFY(model.setData(index, QStringLiteral("Crimson")));
    QCOMPARE(s.undo.count(), 1);
    QCOMPARE(index.data().toString(), QStringLiteral("Crimson"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed[0][0].toModelIndex(), index);
    // The same name again is no new step.
    QVERIFY(model.setData(index, QStringLiteral("Crimson")));
    QCOMPARE(s.undo.count(), 1);

    s.undo.undo();
    QCOMPARE(index.data().toString(), QStringLiteral("Red"));
    // The cache follows the renderer's value too.
    s.graph->colorController()->setColor(red, ZColor(ZColor::RGB, 0, 1, 0), FinishMerge);
    QCOMPARE(index.data(Qt::DecorationRole).value<QColor>(), QColor(0, 255, 0));
    QCOMPARE(model.indexOf(orb::ColorId(999)), QModelIndex());
    // A colour given a new id is read anew.
    const qsizetype before = changed.count();
    s.graph->eventQueue()->postEvent(new ColorIdChangeEvent(orb::InvalidId, red));
    QCOMPARE(changed.count(), before + 1);
    QCOMPARE(changed.last()[0].toModelIndex(), index);
    QCOMPARE(model.rowCount(index), 0);
}

void ItemModelsTest::colorwayMarksTheActiveOneAndDropsDeleted()
{
    Scene s;
    const orb::ColorId a = s.runtime.createColor("A", {1, 0, 0, 1});
    const orb::ColorId b = s.runtime.createColor("B", {0, 1, 0, 1});
    const orb::ColorId m = s.runtime.createMultiColor("M", {a, b});
    s.runtime.createMaterial("Mat", {m});  // colorway views keep only multi colours in use
    const orb::ColorwayId first = s.runtime.createColorway("First", {m}, {a});
    const orb::ColorwayId second = s.runtime.createColorway("Second", {m}, {b});
    s.create();
    ColorwayListModel model(s.graph.get());
    QAbstractItemModelTester tester(&model);
    const auto active = [&] { return column(model, ColorwayListModel::ActiveRole); };
    QCOMPARE(column(model, Qt::DisplayRole), QStringList({"First", "Second"}));
    QCOMPARE(active(), QStringList({"false", "false"}));

    s.graph->colorController()->applyColorway(second);
    QCOMPARE(active(), QStringList({"false", "true"}));
    QCOMPARE(model.indexOf(second).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QVERIFY(model.indexOf(second).data(Qt::FontRole).value<QFont>().bold());
    s.graph->colorController()->applyColorway(first);
    QCOMPARE(active(), QStringList({"true", "false"}));
    s.undo.undo();
    QCOMPARE(active(), QStringList({"false", "true"}));

    RowLog log(model);
    const MultiColorPair pair{m, a};
    const orb::ColorwayId third = s.graph->colorController()->createColorway("Third", {&pair, 1});
    QCOMPARE(column(model, ColorwayListModel::IdRole), idTexts(std::vector{first, second, third}));
    s.undo.undo();  // marks it deleted
    QCOMPARE(column(model, Qt::DisplayRole), QStringList({"First", "Second"}));
    QCOMPARE(log.take(), QStringList({"insert 2-2", "remove 2-2"}));

    QVERIFY(model.setData(model.indexOf(first), QStringLiteral("Summer")));
    QCOMPARE(column(model, Qt::DisplayRole), QStringList({"Summer", "Second"}));
    QVERIFY(!model.setData(model.indexOf(first), QString()));
    QVERIFY(!model.setData(model.indexOf(first), Qt::Checked, Qt::CheckStateRole));  // applying is the view's
    QCOMPARE(model.rowCount(model.indexOf(first)), 0);
    // Made behind the library and announced by the host.
    const orb::ColorwayId fourth = s.runtime.createColorway("Fourth", {m}, {b});
    s.graph->eventQueue()->postEvent(new ColorwaySyncedEvent(fourth));
    QCOMPARE(column(model, Qt::DisplayRole), QStringList({"Summer", "Second", "Fourth"}));
}

// The tree as text, "<name>: <light ids>" per layer.
static QStringList treeText(const LightLayerTreeModel& model)
{
    QStringList lines;
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex layer = model.index(row, 0);
        lines << layer.data().toString() + ": " + column(model, LightLayerTreeModel::IdRole, layer).join(' ');
    }
    return lines;
}

void ItemModelsTest::lightLayerTreeFollowsEdits()
{
    Scene s;
    const orb::ObjectId l1 = s.runtime.addLight(s.runtime.hierarchyRoot());
    const orb::ObjectId l2 = s.runtime.addLight(s.runtime.hierarchyRoot());
    s.create();
    s.lights()->sync();  // the host's part
    LightLayerTreeModel model(s.graph.get(), &s.undo);
    QAbstractItemModelTester tester(&model);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    ILightLayerController* controller = s.graph->lightLayerController();
    const auto check = [&](const QStringList& expected) { QCOMPARE(treeText(model), expected); };
    const QString both = QStringLiteral("%1 %2").arg(l1).arg(l2);
    check({"Default: " + both});

    const orb::LightLayerId key = controller->createLayer("Key");
    const orb::ObjectId lights[] = {l1, l2};
    controller->addLights(key, {lights, 2});
    check({"Default: " + both, "Key: " + both});
    QCOMPARE(model.index(0, 0, model.indexOf(key)).data().toString(), QStringLiteral("Light %1").arg(l1));
    controller->removeLights(key, {lights, 1});
    check({"Default: " + both, "Key: " + QString::number(l2)});

    // Layers are renamed in place, the first one too; lights are not.
    QVERIFY(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
    QVERIFY(!(model.flags(model.index(0, 0, model.index(0, 0))) & Qt::ItemIsEditable));
    QVERIFY(model.setData(model.index(0, 0), QStringLiteral("Everything")));
    QCOMPARE(s.lights()->layerName(model.index(0, 0).data(LightLayerTreeModel::IdRole).toUInt()), "Everything");
    QVERIFY(model.setData(model.index(0, 0), QStringLiteral("Default")));

    const int steps = s.undo.count();
    QVERIFY(model.setData(model.indexOf(key), QStringLiteral("Fill")));
    QVERIFY(!model.setLayerName(key, QStringLiteral("Fill")));
    QVERIFY(!model.setLayerName(key, QString()));
    QCOMPARE(s.undo.count(), steps + 1);
    check({"Default: " + both, "Fill: " + QString::number(l2)});
    QVERIFY(s.undo.undo());
    check({"Default: " + both, "Key: " + QString::number(l2)});
    QVERIFY(s.undo.redo());
    QVERIFY(s.undo.undo());

    controller->deleteLayer(key);
    check({"Default: " + both});
    QCOMPARE(model.indexOf(key), QModelIndex());
    s.undo.undo();
    check({"Default: " + both, "Key: " + QString::number(l2)});

    QVERIFY(model.setData(model.indexOf(key), uint(orb::LayerReversed), LightLayerTreeModel::FlagsRole));
    QCOMPARE(s.lights()->flags(key).bits, std::uint32_t(orb::LayerReversed));
    QCOMPARE(model.indexOf(key).data(LightLayerTreeModel::FlagsRole).toUInt(), uint(orb::LayerReversed));
    QVERIFY(!model.setData(model.index(0, 0, model.indexOf(key)), QStringLiteral("x")));
    QVERIFY(!model.setData(model.indexOf(key), 1, Qt::ToolTipRole));
    QCOMPARE(resets.count(), 0);

    // A layer made behind the library appears once the host syncs.
    orbLight_layer_db* live = orb_light_layer_db_get(s.runtime.scene());
    const orb::LightLayerId rim = live->create_layer("Rim", orb::InvalidId);
    s.lights()->sync();
    check({"Default: " + both, "Key: " + QString::number(l2), "Rim: "});
    // Without an undo stack a rename just happens.
    LightLayerTreeModel direct(s.graph.get(), nullptr);
    QVERIFY(direct.setLayerName(key, QStringLiteral("Back")));
    check({"Default: " + both, "Back: " + QString::number(l2), "Rim: "});
    // One sync that drops a layer and gives a later one a light.
    live->delete_layer(key);
    live->add_lights(rim, {lights, 1});
    s.lights()->sync();
    check({"Default: " + both, "Rim: " + QString::number(l1)});
}

namespace {

// Layers bottom first; "!" marks a deleted one. Topmost first the list reads E D C! B A.
orb::PaintSurfaceContent fiveLayers()
{
    orb::PaintSurfaceContent content;
    std::uint32_t id = 1;
    for (const char* name : {"A", "B", "C", "D", "E"})
        content.layers.push_back({id++, name, name == std::string("C")});
    return content;
}

QStringList libraryNames(const IPainterSurface& surface)
{
    QStringList names;
    for (const orbLayerInfo& layer : surface.layers())
        names << QString::fromUtf8(layer.name) + (layer.deleted ? "!" : "");
    return names;
}

QStringList rendererNames(Scene& s, orb::SurfaceId id)
{
    s.tasks.waitForIdle();
    QStringList names;
    const auto surface = s.runtime.paintSurface(id);
    for (const orb::PaintLayer& layer : surface->layers)
        names.prepend(QString::fromStdString(layer.name.value_or("")) + (layer.deleted ? "!" : ""));
    return names;
}

} // namespace

void ItemModelsTest::paintLayerDrop_data()
{
    QTest::addColumn<bool>("inView");  // a drop on a QListView, else QListView's internal move call
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("before");   // -1: below the last row
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("list");

    for (bool inView : {true, false}) {
        const char* how = inView ? "view: " : "moveRow: ";
        const auto row = [&](const char* name) -> QTestData& { return QTest::newRow((how + QString(name)).toLatin1()) << inView; };
        row("top to bottom") << 0 << -1 << QStringList{"D", "B", "A", "E"} << QStringList{"D", "C!", "B", "A", "E"};
        row("bottom to top") << 3 << 0 << QStringList{"A", "E", "D", "B"} << QStringList{"A", "E", "D", "C!", "B"};
        row("down past a deleted layer") << 1 << 3 << QStringList{"E", "B", "D", "A"} << QStringList{"E", "C!", "B", "D", "A"};
        row("up past a deleted layer") << 2 << 1 << QStringList{"E", "B", "D", "A"} << QStringList{"E", "B", "D", "C!", "A"};
        row("onto itself") << 1 << 1 << QStringList{"E", "D", "B", "A"} << QStringList{"E", "D", "C!", "B", "A"};
        row("just below itself") << 1 << 2 << QStringList{"E", "D", "B", "A"} << QStringList{"E", "D", "C!", "B", "A"};
    }
}

void ItemModelsTest::paintLayerDrop()
{
    QFETCH(bool, inView);
    QFETCH(int, from);
    QFETCH(int, before);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, list);
    Scene s;
    const orb::SurfaceId id = s.runtime.createPaintSurface(fiveLayers());
    s.create();
    PaintLayerListModel model(s.graph.get(), id);
    QAbstractItemModelTester tester(&model);
    const IPainterSurface& surface = *s.graph->painterManager()->painter()->surface(id);
    const QStringList original = libraryNames(surface);
    RowLog log(model);

    if (inView) {
        QListView view;
        view.setModel(&model);
        view.setDragDropMode(QAbstractItemView::DragDrop);
        view.setDefaultDropAction(Qt::MoveAction);
        view.resize(200, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setCurrentIndex(model.index(from));
        std::unique_ptr<QMimeData> data(model.mimeData(view.selectionModel()->selectedIndexes()));
        const QRect target = before < 0 ? view.visualRect(model.index(model.rowCount() - 1)).translated(0, 40)
                                        : view.visualRect(model.index(before));
        // Qt delivers a drop to the widget that accepted the drag's entry.
        const QPoint at(target.center().x(), target.top() + 1);
        QDragEnterEvent enter(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view.viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view.viewport(), &drop);
    } else {
        model.moveRow({}, from, {}, before < 0 ? model.rowCount() : before);
    }

    QCOMPARE(column(model, Qt::DisplayRole), rows);
    QCOMPARE(libraryNames(surface), list);
    QCOMPARE(rendererNames(s, id), list);
    QCOMPARE(s.undo.count(), list == original ? 0 : 1);
    QCOMPARE(log.take().size(), list == original ? 0 : 1);  // one move, no reset
    s.undo.undo();
    QCOMPARE(libraryNames(surface), original);
    QCOMPARE(rendererNames(s, id), original);
    QCOMPARE(column(model, Qt::DisplayRole), QStringList({"E", "D", "B", "A"}));
}

void ItemModelsTest::paintLayerDropTakesOneLayerOfItsSurface()
{
    Scene s;
    const orb::SurfaceId id = s.runtime.createPaintSurface(fiveLayers());
    const orb::SurfaceId other = s.runtime.createPaintSurface(fiveLayers());
    s.create();
    PaintLayerListModel model(s.graph.get(), id);
    PaintLayerListModel otherModel(s.graph.get(), other);
    const std::unique_ptr<QMimeData> two(model.mimeData({model.index(0), model.index(1)}));
    const std::unique_ptr<QMimeData> foreign(otherModel.mimeData({otherModel.index(0)}));
    const std::unique_ptr<QMimeData> one(model.mimeData({model.index(0)}));
    QVERIFY(!model.dropMimeData(two.get(), Qt::MoveAction, 3, 0, {}));
    QVERIFY(!model.dropMimeData(foreign.get(), Qt::MoveAction, 3, 0, {}));
    QVERIFY(!model.dropMimeData(one.get(), Qt::CopyAction, 3, 0, {}));
    QVERIFY(!model.moveRows({}, 0, 2, {}, 3));
    QVERIFY(!model.moveRows({}, 0, 1, {}, 5));
    QCOMPARE(s.undo.count(), 0);
    // Dropped on row 2 (B): placed before it.
    QVERIFY(model.dropMimeData(one.get(), Qt::MoveAction, -1, 0, model.index(2)));
    QCOMPARE(column(model, Qt::DisplayRole), QStringList({"D", "E", "B", "A"}));
    // A layer deleted since the drag began is no longer there to move.
    const std::unique_ptr<QMimeData> stale(model.mimeData({model.index(3)}));
    s.graph->painterManager()->painter()->surface(id)->setLayerDeleted(4, true);
    QVERIFY(!model.dropMimeData(stale.get(), Qt::MoveAction, 0, 0, {}));
}

void ItemModelsTest::paintLayerEdits_data()
{
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("changed");  // the row's data in `role` afterwards, as text

    QTest::newRow("hide") << int(Qt::CheckStateRole) << QVariant(int(Qt::Unchecked)) << true << "0";
    QTest::newRow("no check state") << int(Qt::CheckStateRole) << QVariant() << false << "2";
    QTest::newRow("rename") << int(Qt::EditRole) << QVariant("Ink") << true << "Ink";
    QTest::newRow("empty name") << int(Qt::EditRole) << QVariant("") << false << "D";
    QTest::newRow("blend") << int(PaintLayerListModel::BlendModeRole) << QVariant(int(orb::ColorBlendMode::Screen))
                           << true << "2";
    QTest::newRow("unknown blend") << int(PaintLayerListModel::BlendModeRole) << QVariant(6) << false << "0";
    QTest::newRow("background") << int(PaintLayerListModel::BackgroundColorRole) << QVariant(QColor(Qt::red)) << true
                                << "#ff0000";
    QTest::newRow("no colour") << int(PaintLayerListModel::BackgroundColorRole) << QVariant(QColor()) << false
                               << "#00000000";
}

void ItemModelsTest::paintLayerEdits()
{
    QFETCH(int, role);
    QFETCH(QVariant, value);
    QFETCH(bool, accepted);
    QFETCH(QString, changed);
    Scene s;
    const orb::SurfaceId id = s.runtime.createPaintSurface(fiveLayers());
    s.create();
    PaintLayerListModel model(s.graph.get(), id);
    const QModelIndex d = model.index(1);
    const QVariant before = d.data(role);
    QSignalSpy dataChanged(&model, &QAbstractItemModel::dataChanged);

    QCOMPARE(model.setData(d, value, role), accepted);
    QCOMPARE(d.data(role).toString(), changed);
    QCOMPARE(s.undo.count(), accepted ? 1 : 0);
    QCOMPARE(dataChanged.count(), accepted ? 1 : 0);
    // The renderer's layer (list index 1) follows.
    s.tasks.waitForIdle();
    const orb::PaintLayer layer = s.runtime.paintSurface(id)->layers[3];
    const QStringList renderer{layer.visible ? "2" : "0", QString::fromStdString(*layer.name),
                               QString::number(int(layer.blendMode)), QString::number(layer.background.r)};
    QCOMPARE(renderer, QStringList({d.data(Qt::CheckStateRole).toString(), d.data(Qt::EditRole).toString(),
                                    d.data(PaintLayerListModel::BlendModeRole).toString(),
                                    QString::number(d.data(PaintLayerListModel::BackgroundColorRole).value<QColor>().redF())}));
    s.undo.undo();
    QCOMPARE(d.data(role), before);
}

void ItemModelsTest::modelsForgetADestroyedScene()
{
    Scene s;
    const orb::ColorId red = s.runtime.createColor("Red", {1, 0, 0, 1});
    s.runtime.createColorway("W", {s.runtime.createMultiColor("M", {red})}, {red});
    const orb::SurfaceId id = s.runtime.createPaintSurface(fiveLayers());
    s.create();
    s.lights()->sync();
    ColorListModel colors(s.graph.get(), ColorListModel::PlainColors);
    ColorwayListModel colorways(s.graph.get());
    LightLayerTreeModel layers(s.graph.get(), &s.undo);
    PaintLayerListModel paint(s.graph.get(), id);
    PaintLayerListModel unknown(s.graph.get(), id + 100);
    QAbstractItemModelTester t1(&colors), t2(&colorways), t3(&layers), t4(&paint);
    QCOMPARE(colors.rowCount() + colorways.rowCount() + layers.rowCount() + paint.rowCount() + unknown.rowCount(),
             1 + 1 + 1 + 4 + 0);
    QCOMPARE(paint.rowCount(paint.index(0)), 0);
    RowLog log(unknown);
    unknown.setSurfaceId(id);
    unknown.setSurfaceId(id);
    QCOMPARE(unknown.rowCount(), 4);
    QCOMPARE(log.take(), QStringList({"reset", "insert 0-3"}));

    s.graph->painterManager()->painter()->surface(id)->setDeleted(true);
    paint.refresh();
    QCOMPARE(paint.rowCount(), 0);
    RowLog colorLog(colors), colorwayLog(colorways), layerLog(layers);
    s.undo.clear();
    s.graph.reset();
    QCOMPARE(colors.rowCount() + colorways.rowCount() + layers.rowCount() + paint.rowCount() + unknown.rowCount(), 0);
    for (RowLog* each : {&colorLog, &colorwayLog, &layerLog, &log})
        QCOMPARE(each->take(), QStringList({"reset"}));
}

// Listeners leave the queue with their models (AddressSanitizer tells if not).
void ItemModelsTest::modelsGoneBeforeTheSceneHearNothing()
{
    Scene s;
    const orb::ColorId red = s.runtime.createColor("Red", {1, 0, 0, 1});
    const orb::SurfaceId id = s.runtime.createPaintSurface(fiveLayers());
    s.create();
    {
        ColorListModel colors(s.graph.get(), ColorListModel::PlainColors);
        ColorwayListModel colorways(s.graph.get());
        LightLayerTreeModel layers(s.graph.get(), &s.undo);
        PaintLayerListModel paint(s.graph.get(), id);
    }
    s.graph->colorController()->setDisplayName(red, "Crimson");
    s.graph->lightLayerController()->createLayer("Key");
    s.graph->painterManager()->painter()->surface(id)->addLayer(0);
    const MultiColorPair pair{s.runtime.createMultiColor("M", {red}), red};
    s.graph->colorController()->createColorway("W", {&pair, 1});
    QCOMPARE(s.undo.count(), 4);
}

QTEST_MAIN(ItemModelsTest)
#include "ItemModelsTest.moc"
