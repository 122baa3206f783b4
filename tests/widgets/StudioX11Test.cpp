// The studio in a real X server: real windows, real input through the X
// connection, shortcuts through the window system's key events. Each step
// checks the renderer's records, not just what the widgets show.

#include "ExampleScene.h"
#include "StudioWindow.h"

#include <zsg/widgets/PaintLayerListModel.h>
#include <zsg/widgets/ParameterPanel.h>
#include <zsg/widgets/UndoHistoryView.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QGuiApplication>
#include <QListView>
#include <QScrollArea>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>

class StudioX11Test : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb")); }
    void init();
    void cleanup();
    void sliderDragIsOneStepAndCtrlZUndoesIt();
    void paintLayerCheckBoxReachesTheRendererAndTheHistoryUndoesIt();
    void typedMaterialInformationCommitsOnEnter();
    void everyTextOnScreenIsTranslated();

private:
    float brushSize() const;
    bool rendererLayerVisible(const std::string& name);
    void undoFromTheKeyboard();

    std::unique_ptr<studio::ExampleScene> m_scene;
    std::unique_ptr<studio::StudioWindow> m_window;
};

void StudioX11Test::init()
{
    m_scene = std::make_unique<studio::ExampleScene>();
    m_window = std::make_unique<studio::StudioWindow>(*m_scene);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void StudioX11Test::cleanup()
{
    m_window.reset();
    m_scene.reset();
}

// What the renderer's brush node holds: the parameter's holder points into its record.
float StudioX11Test::brushSize() const
{
    float size = 0;
    m_scene->brush->parameter(QStringLiteral("basic_size_px_value")).getp(&size);
    return size;
}

bool StudioX11Test::rendererLayerVisible(const std::string& name)
{
    m_scene->tasks.waitForIdle();
    const std::optional<orb::PaintSurfaceContent> surface = m_scene->runtime.paintSurface(m_scene->surface);
    for (const orb::PaintLayer& layer : surface->layers)
        if (layer.name == name)
            return layer.visible;
    return false;
}

void StudioX11Test::undoFromTheKeyboard()
{
    QTest::keyClick(m_window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCoreApplication::processEvents();
}

void StudioX11Test::sliderDragIsOneStepAndCtrlZUndoesIt()
{
    auto* dock = m_window->findChild<QDockWidget*>(QStringLiteral("brushDock"));
    QVERIFY(dock);
    auto* panel = dock->findChild<zsg::ParameterPanel*>();
    QVERIFY(panel);
    QWidget* editor = panel->editor(QStringLiteral("basic_size_px_value"));
    QVERIFY(editor);
    auto* slider = editor->findChild<QSlider*>();
    QVERIFY(slider);
    dock->findChild<QScrollArea*>()->ensureWidgetVisible(slider);
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));

    const float before = brushSize();
    const int sliderBefore = slider->value();
    const int y = slider->height() / 2;
    // Press on the handle, move right in ten steps, release.
    const int handle = QStyle::sliderPositionFromValue(slider->minimum(), slider->maximum(), slider->value(),
                                                       slider->width());
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(qBound(4, handle, slider->width() - 4), y));
    for (int i = 1; i <= 10; ++i)
        QTest::mouseMove(slider, QPoint(qBound(4, handle + i * slider->width() / 20, slider->width() - 4), y));
    QTest::mouseRelease(slider, Qt::LeftButton, {},
                        QPoint(qBound(4, handle + slider->width() / 2, slider->width() - 4), y));
    QCoreApplication::processEvents();

    QVERIFY2(brushSize() != before, "the drag did not reach the brush node");
    QCOMPARE(m_scene->undoStack.count(), 1);

    undoFromTheKeyboard();
    QCOMPARE(brushSize(), before);
    QCOMPARE(m_scene->undoStack.index(), 0);
    QCOMPARE(slider->value(), sliderBefore);  // the panel follows the undo
}

void StudioX11Test::paintLayerCheckBoxReachesTheRendererAndTheHistoryUndoesIt()
{
    auto* dock = m_window->findChild<QDockWidget*>(QStringLiteral("paintDock"));
    QVERIFY(dock);
    auto* view = dock->findChild<QListView*>();
    QVERIFY(view);
    const QModelIndex scratches = view->model()->index(0, 0);
    QCOMPARE(scratches.data().toString(), QStringLiteral("Scratches"));
    QVERIFY(rendererLayerVisible("Scratches"));

    // Click on the check indicator of the first row, where the style draws it.
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.rect = view->visualRect(scratches);
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    const QRect check = view->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, view);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, check.center());
    QCoreApplication::processEvents();
    QVERIFY(!rendererLayerVisible("Scratches"));
    QCOMPARE(scratches.data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Unchecked);

    // The history's first row is the state before every step.
    auto* history = m_window->findChild<zsg::UndoHistoryView*>();
    QVERIFY(history && history->model());
    QCOMPARE(history->model()->rowCount(), 2);
    QTest::mouseClick(history->viewport(), Qt::LeftButton, {}, history->visualRect(history->model()->index(0, 0)).center());
    QCoreApplication::processEvents();
    QVERIFY(rendererLayerVisible("Scratches"));
    QCOMPARE(scratches.data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);
    QCOMPARE(m_scene->undoStack.index(), 0);

    QTest::keyClick(m_window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCoreApplication::processEvents();
    QVERIFY(!rendererLayerVisible("Scratches"));
    QCOMPARE(m_scene->undoStack.index(), 1);
}

// Typing changes nothing until the field's editing finishes; then one step
// writes the material's record, and Ctrl+Z takes it back.
void StudioX11Test::typedMaterialInformationCommitsOnEnter()
{
    const std::string key = zsg::cmfKeyString.at(zsg::CMFKey::Vendor);
    const orb::MaterialId material = m_scene->materialIds.front();
    const auto vendor = [&]() -> std::string {
        const std::optional<orb::MaterialContent> content = m_scene->runtime.materialContent(material);
        for (const auto& [k, v] : content->keyValues)
            if (k == key)
                return v;
        return "(none)";
    };
    auto* dock = m_window->findChild<QDockWidget*>(QStringLiteral("materialsDock"));
    QVERIFY(dock);
    auto* field = qobject_cast<QLineEdit*>(dock->findChild<zsg::ParameterPanel*>()->editor(QString::fromStdString(key)));
    QVERIFY(field);
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClicks(field, QStringLiteral("Tannery"));
    QCOMPARE(vendor(), std::string("(none)"));
    QCOMPARE(m_scene->undoStack.count(), 0);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(vendor(), std::string("Tannery"));
    QCOMPARE(m_scene->undoStack.count(), 1);

    undoFromTheKeyboard();
    QCOMPARE(vendor(), std::string("(none)"));
    QCOMPARE(field->text(), QString());
}

namespace {

// Every source text of the catalogue, whatever its context.
QSet<QString> catalogueSources()
{
    QFile file(QStringLiteral(ZSG_SOURCE_CATALOGUE));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QSet<QString> sources;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"source")
            sources.insert(xml.readElementText());
    return sources;
}

void addModelTexts(const QAbstractItemModel* model, const QModelIndex& parent, QStringList& texts)
{
    for (int row = 0; row < model->rowCount(parent); ++row)
        for (int column = 0; column < model->columnCount(parent); ++column) {
            const QModelIndex index = model->index(row, column, parent);
            texts << index.data().toString() << index.data(Qt::ToolTipRole).toString();
            addModelTexts(model, index, texts);
        }
}

// What the window shows a user: titles, labels, buttons, tooltips, accessible
// names, menu entries, combo box items and the rows of every view.
QStringList textsOnScreen(const QWidget& window)
{
    QStringList texts{window.windowTitle()};
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        texts << w->windowTitle() << w->toolTip() << w->accessibleName();
        if (auto* label = qobject_cast<const QLabel*>(w))
            texts << label->text();
        if (auto* button = qobject_cast<const QAbstractButton*>(w))
            texts << button->text();
        if (auto* combo = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        if (auto* view = qobject_cast<const QAbstractItemView*>(w); view && view->model())
            addModelTexts(view->model(), {}, texts);
    }
    for (const QAction* action : window.findChildren<QAction*>())
        texts << action->text() << action->toolTip();
    texts.removeAll(QString());
    return texts;
}

} // namespace

// Under a translation in which every catalogue text reads [[text]], no text
// on screen may still be a catalogue text: that one missed its translation
// (no tr(), or a context lupdate filed elsewhere).
void StudioX11Test::everyTextOnScreenIsTranslated()
{
    cleanup();
    QTranslator pseudo;
    QVERIFY(pseudo.load(QStringLiteral(ZSG_PSEUDO_QM)));
    QCoreApplication::installTranslator(&pseudo);
    const QSet<QString> sources = catalogueSources();
    QVERIFY(!sources.isEmpty());
    {
        studio::ExampleScene scene;
        studio::StudioWindow window(scene);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QStringList texts = textsOnScreen(window);
        // Attribute names are the schema's data, shown as they are.
        QSet<QString> data;
        for (const zsg::CMFAttribute& attribute : scene.graph->cmfManager()->schema().attributes)
            data.insert(attribute.name);
        for (const QString& text : texts)
            QVERIFY2(!sources.contains(text) || data.contains(text), qPrintable("untranslated: " + text));
        QVERIFY(texts.filter(QRegularExpression(QStringLiteral("^\\[\\[.*\\]\\]$"))).size() > 40);
    }
    QCoreApplication::removeTranslator(&pseudo);
}

QTEST_MAIN(StudioX11Test)
#include "StudioX11Test.moc"
