// The bindings over a real scene graph on the in-memory renderer: slider drags
// and resets as undo steps on the brush's node records, the history view moving
// the stack, and a colour edited, undone and vanishing.

#include <zsg/color/ColorDB.h>
#include <zsg/color/IColorController.h>
#include <zsg/color/IColorExtEdit.h>
#include <zsg/color/ISceneMaterialManager.h>
#include <zsg/paint/ZPainterBrush.h>
#include <zsg/platform/OrbBrush.h>
#include <zsg/platform/ZTaskQueue.h>
#include <zsg/platform/ZUndoStack.h>
#include <zsg/scenegraph/Event.h>
#include <zsg/scenegraph/IEventQueue.h>
#include <zsg/scenegraph/ISceneGraph.h>
#include <zsg/widgets/BrushPanelBinding.h>
#include <zsg/widgets/ColorPanelBinding.h>
#include <zsg/widgets/ParameterPanel.h>
#include <zsg/widgets/UndoHistoryView.h>

#include <orbmem/MemoryRuntime.h>

#include <QAbstractItemModelTester>
#include <QColorDialog>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSlider>
#include <QStyle>
#include <QTest>
#include <QToolButton>

#include <cstring>
#include <set>

using namespace zsg;
using namespace orb::painter;

namespace {

struct NoMaterials : ISceneMaterialManager {
    ISceneMaterial* sceneMaterial(orb::MaterialId, std::uint32_t) override { return nullptr; }
    ISceneMaterial* findSceneMaterial(orb::MaterialId) override { return nullptr; }
    bool isMaterialActive(orb::MaterialId) const override { return false; }
};

// The renderer, able to lose a colour record as a host's renderer can.
struct Runtime : orb::MemoryRuntime {
    std::set<orb::ColorId> gone;
    orb::Record* colorRecord(orb::ColorId id) override { return gone.count(id) ? nullptr : MemoryRuntime::colorRecord(id); }
};

struct Scene {
    Runtime runtime;
    ZTaskQueue tasks;
    ZUndoStack undo;
    NoMaterials materials;
    std::unique_ptr<ISceneGraph> graph = ISceneGraph::create({&runtime, nullptr, &materials, &tasks, &undo});
};

// The float `name` of the node linked along `path` from `node`, read from the renderer's records.
float recordFloat(orb::MemoryRuntime& runtime, orbBrush_node* node, std::initializer_list<const char*> path,
                  const char* name)
{
    for (const char* link : path)
        for (std::uint32_t i = 0, n = runtime.brushNodeRecord(node)->parameterCount; i < n; ++i)
            if (std::strcmp(runtime.brushNodeRecord(node)->parameters[i].name, link) == 0) {
                node = runtime.brushNodeRecord(node)->parameters[i].value.link;
                break;
            }
    const orbBrush_node_record* record = runtime.brushNodeRecord(node);
    for (std::uint32_t i = 0; i < record->parameterCount; ++i)
        if (std::strcmp(record->parameters[i].name, name) == 0)
            return record->parameters[i].value.number;
    return -1.0f;
}

QPoint handleCenter(QSlider* slider)
{
    const int length = slider->style()->pixelMetric(QStyle::PM_SliderLength, nullptr, slider);
    const int x = QStyle::sliderPositionFromValue(slider->minimum(), slider->maximum(), slider->value(),
                                                  slider->width() - length);
    return {x + length / 2, slider->height() / 2};
}

// Press on the handle, ten moves to the right, release.
void drag(QSlider* slider, int pixels)
{
    const QPoint start = handleCenter(slider);
    QTest::mousePress(slider, Qt::LeftButton, {}, start);
    for (int i = 1; i <= 10; ++i)
        QTest::mouseMove(slider, start + QPoint(pixels * i / 10, 0));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, start + QPoint(pixels, 0));
}

// Merges with the next of its kind, naming both.
struct Renaming : ZUndoCommand {
    explicit Renaming(const QString& text) : ZUndoCommand(7, text) {}
    bool mergeWith(const ZUndoCommand* other) override { return setText(text() + "+" + other->text()), true; }
};

QColor swatchColor(QWidget* editor)
{
    return static_cast<QToolButton*>(editor)->icon().pixmap(24, 16).toImage().pixelColor(4, 4);
}

} // namespace

class PanelBindingTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Scene> scene;
    std::unique_ptr<ZPainterBrush> brush;
    std::unique_ptr<ParameterPanel> panel;
    std::unique_ptr<BrushPanelBinding> binding;

    float opacityRecord() { return recordFloat(scene->runtime, brush->brushNode(), {"basic"}, "opacity"); }
    QSlider* opacitySlider() { return panel->editor("basic_opacity_percent")->findChild<QSlider*>(); }
    double opacitySpin() { return panel->editor("basic_opacity_percent")->findChild<QDoubleSpinBox*>()->value(); }

private slots:
    void init()
    {
        scene = std::make_unique<Scene>();
        brush = std::make_unique<ZPainterBrush>(ZPainterBrush::createDefaultGraph(&scene->runtime, 20), &scene->runtime, 1);
        panel = std::make_unique<ParameterPanel>();
        binding = std::make_unique<BrushPanelBinding>(panel.get(), brush.get(), &scene->undo);
        panel->resize(700, 900);
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
    }

    void cleanup()
    {
        binding.reset();
        panel.reset();
        brush.reset();
        scene.reset();
    }

    void sliderDragIsOneUndoStepOnTheNodeRecord()
    {
        QCOMPARE(opacityRecord(), 1.0f);
        const QPoint start = handleCenter(opacitySlider());
        QTest::mousePress(opacitySlider(), Qt::LeftButton, {}, start);
        for (int i = 1; i <= 10; ++i)
            QTest::mouseMove(opacitySlider(), start - QPoint(20 * i, 0));
        QVERIFY(opacityRecord() < 0.9f);  // live while dragging, no step yet
        QCOMPARE(scene->undo.count(), 0);
        QTest::mouseRelease(opacitySlider(), Qt::LeftButton, {}, start - QPoint(200, 0));
        QCOMPARE(scene->undo.count(), 1);
        const float dragged = opacityRecord();
        QVERIFY2(dragged < 0.9f && dragged > 0.0f, qPrintable(QString::number(dragged)));
        QCOMPARE(float(opacitySpin()) / 100.0f, dragged);
        QVERIFY(panel->differsFromDefault("basic_opacity_percent"));

        QVERIFY(scene->undo.undo());
        QCOMPARE(opacityRecord(), 1.0f);
        QCOMPARE(opacitySpin(), 100.0);
        QVERIFY(!panel->differsFromDefault("basic_opacity_percent"));
        QVERIFY(scene->undo.redo());
        QCOMPARE(opacityRecord(), dragged);

        // A press without a move leaves no step.
        const QPoint at = handleCenter(opacitySlider());
        QTest::mousePress(opacitySlider(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(opacitySlider(), Qt::LeftButton, {}, at);
        QCOMPARE(scene->undo.count(), 1);
    }

    // The graph copy of the same setting, edited directly, must not be overwritten by the brush's copy.
    void graphBoundEditWinsOverItsMirror()
    {
        auto* spin = panel->editor("basic_opacity")->findChild<QDoubleSpinBox*>();
        spin->setValue(0.041);  // its percentage does not round-trip in float
        emit spin->editingFinished();
        QVERIFY(opacityRecord() == 0.041f);  // exactly
        QCOMPARE(opacitySpin(), 4.1);
        QCOMPARE(scene->undo.count(), 1);
    }

    void resetIsOneUndoStep()
    {
        drag(opacitySlider(), -200);
        const float dragged = opacityRecord();
        panel->resetToDefault("basic_opacity_percent");
        QCOMPARE(scene->undo.count(), 2);
        QCOMPARE(opacityRecord(), 1.0f);
        QVERIFY(!panel->differsFromDefault("basic_opacity_percent"));
        QVERIFY(scene->undo.undo());
        QCOMPARE(opacityRecord(), dragged);
        QVERIFY(panel->differsFromDefault("basic_opacity_percent"));
    }

    // The commands outlive the binding on the stack; then they touch nothing.
    void commandsOfAGoneBindingDoNothing()
    {
        drag(opacitySlider(), -200);
        const float dragged = opacityRecord();
        binding.reset();
        QVERIFY(!scene->undo.undo());
        QCOMPARE(scene->undo.index(), 0);
        QCOMPARE(opacityRecord(), dragged);
        QVERIFY(!scene->undo.redo());
        drag(opacitySlider(), 100);  // the panel now writes by itself: no step
        QCOMPARE(scene->undo.count(), 1);
    }

    void historyClicksMoveRendererAndPanel()
    {
        drag(opacitySlider(), -100);
        const float first = opacityRecord();
        UndoHistoryView view(&scene->undo);
        QAbstractItemModelTester tester(view.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(view.currentIndex().row(), 1);
        QVERIFY(view.model()->data(QModelIndex(), Qt::DisplayRole).isNull());
        QCOMPARE(view.model()->rowCount(view.model()->index(0, 0)), 0);  // a list: rows have no children
        QVERIFY(!view.accessibleName().isEmpty());
        view.selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        QCOMPARE(scene->undo.index(), 1);
        view.resize(300, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        drag(opacitySlider(), -100);
        scene->undo.undo();  // two steps of one text: only the index tells them apart
        QCOMPARE(view.currentIndex().row(), 1);
        scene->undo.redo();
        scene->undo.setClean();
        QVERIFY(!view.model()->index(2, 0).data(Qt::DecorationRole).isNull());
        QStringList texts;
        for (int row = 0; row < view.model()->rowCount(); ++row)
            texts << view.model()->index(row, 0).data().toString();
        QCOMPARE(texts, QStringList({"<empty>", "3D Paint change brush Opacity", "3D Paint change brush Opacity"}));
        QCOMPARE(view.currentIndex().row(), 2);

        const auto click = [&](int row) {
            QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(view.model()->index(row, 0)).center());
        };
        click(0);
        QCOMPARE(scene->undo.index(), 0);
        QCOMPARE(opacityRecord(), 1.0f);
        QCOMPARE(opacitySpin(), 100.0);
        click(1);
        QCOMPARE(opacityRecord(), first);
        QCOMPARE(float(opacitySpin()) / 100.0f, first);
        QCOMPARE(view.currentIndex().row(), 1);
        for (int row = 0; row < 3; ++row)
            QCOMPARE(view.model()->index(row, 0).data(Qt::DecorationRole).isNull(), row != 2);

        // A new edit replaces what could be redone; an open macro shows nothing
        // new, and the stack refuses to move while it is open.
        scene->undo.beginMacro("Macro");
        drag(opacitySlider(), 50);
        QCOMPARE(view.model()->rowCount(), 3);
        click(0);
        QCOMPARE(scene->undo.index(), 1);
        scene->undo.endMacro();
        QCOMPARE(view.model()->rowCount(), 3);
        QCOMPARE(view.model()->index(2, 0).data().toString(), "Macro");
        QCOMPARE(view.currentIndex().row(), 2);

        // A merge renames the top command in place.
        scene->undo.push(new Renaming("A"));
        scene->undo.push(new Renaming("B"));
        QCOMPARE(view.model()->index(3, 0).data().toString(), "A+B");
        scene.reset();  // the stack dies first
        QCOMPARE(view.model()->rowCount(), 0);
    }

    void colourDragIsOneStepAndUndoRefreshesTheSwatch()
    {
        auto* db = static_cast<ColorDB*>(scene->graph->colorDB());
        const orb::ColorId red = db->createColor("Red", orbColor_extended::Plain);
        scene->graph->colorController()->setColor(red, ZColor(ZColor::RGB, 1, 0, 0), FinishMerge);
        scene->undo.clear();
        ParameterPanel colors;
        ColorPanelBinding bound(&colors, scene->graph.get(), red);
        QCOMPARE(swatchColor(colors.editor("color")), QColor(Qt::red));
        QCOMPARE(static_cast<QLineEdit*>(colors.editor("name"))->text(), "Red");

        static_cast<QToolButton*>(colors.editor("color"))->click();
        auto* dialog = colors.editor("color")->findChild<QColorDialog*>("colorDialog");
        QVERIFY(dialog);
        for (int blue = 50; blue <= 250; blue += 50)
            dialog->setCurrentColor(QColor(255, 0, blue));
        dialog->accept();
        QCOMPARE(scene->undo.count(), 1);
        QCOMPARE(scene->graph->colorDB()->getColorParameters(red)->color().b, 250 / 255.0f);
        QCOMPARE(swatchColor(colors.editor("color")), QColor(255, 0, 250));

        // A cancelled dialog puts the colour back, as a step of its own.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the closed dialog goes
        static_cast<QToolButton*>(colors.editor("color"))->click();
        dialog = colors.editor("color")->findChild<QColorDialog*>("colorDialog");
        dialog->setCurrentColor(Qt::blue);
        QCOMPARE(swatchColor(colors.editor("color")), QColor(Qt::blue));
        dialog->reject();
        QCOMPARE(swatchColor(colors.editor("color")), QColor(255, 0, 250));
        QCOMPARE(scene->undo.count(), 2);
        scene->undo.undo();
        scene->undo.undo();
        QCOMPARE(swatchColor(colors.editor("color")), QColor(Qt::red));

        auto* name = static_cast<QLineEdit*>(colors.editor("name"));
        name->setText("Crimson");
        emit name->editingFinished();
        QCOMPARE(scene->graph->colorDB()->getColorParameters(red)->displayName(), "Crimson");

        // A binding that is gone hears no more events.
        ParameterPanel other;
        {
            ColorPanelBinding brief(&other, scene->graph.get(), red);
        }
        scene->graph->colorController()->setColor(red, ZColor(ZColor::RGB, 0, 1, 0), FinishMerge);
        QCOMPARE(swatchColor(colors.editor("color")), QColor(Qt::green));
        auto* stale = static_cast<QLineEdit*>(other.editor("name"));
        stale->setText("Stale");
        emit stale->editingFinished();  // the panel keeps it to itself now
        QCOMPARE(scene->graph->colorDB()->getColorParameters(red)->displayName(), "Crimson");

        // The host replaced the colour's id: the binding follows.
        const orb::ColorId blue = db->createColor("Blue", orbColor_extended::Plain);
        scene->graph->eventQueue()->postEvent(new ColorIdChangeEvent(red, blue));
        QCOMPARE(bound.color(), blue);
        QCOMPARE(name->text(), "Blue");
    }

    void vanishingColourRemovesItsRows()
    {
        Runtime& runtime = scene->runtime;
        const orb::ColorId sub = runtime.createColor("Sub", {0, 1, 0, 1});
        const orb::ColorId multi = runtime.createMultiColor("Multi", {sub});
        const orb::ColorwayId way = runtime.createColorway("Way", {multi}, {sub});
        runtime.createMaterial("Used", {multi});  // the colorway keeps only multi colours in use
        IColorDB* db = scene->graph->colorDB();
        QVERIFY(db->getColorwayParameters(way));
        ParameterPanel colors;
        ColorPanelBinding bound(&colors, scene->graph.get(), multi);
        QVERIFY(colors.editor("color"));
        runtime.gone.insert(multi);
        db->handleColorwayActivated(way);
        QVERIFY(!colors.editor("color"));
        QVERIFY(!colors.editor("name"));
        QCOMPARE(bound.color(), orb::InvalidId);
        db->handleColorwayActivated(way);  // later events find nothing to touch

        ColorPanelBinding unknown(&colors, scene->graph.get(), 12345);
        QVERIFY(colors.parameters().isEmpty());
    }
};

QTEST_MAIN(PanelBindingTest)
#include "PanelBindingTest.moc"
