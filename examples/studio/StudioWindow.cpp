#include "StudioWindow.h"

#include "ExampleScene.h"
#include "MaterialInfoCommand.h"

#include <zsg/widgets/BrushPanelBinding.h>
#include <zsg/widgets/ColorListModel.h>
#include <zsg/widgets/ColorPanelBinding.h>
#include <zsg/widgets/ColorwayListModel.h>
#include <zsg/widgets/LightLayerTreeModel.h>
#include <zsg/widgets/PaintLayerListModel.h>
#include <zsg/widgets/ParameterPanel.h>
#include <zsg/widgets/UndoHistoryView.h>

#include <QAction>
#include <QCoreApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTreeView>
#include <QVBoxLayout>

#include <utility>
#include <vector>

namespace studio {

namespace {

// The metadata key of a material-information attribute: the library's key for
// the built-in attributes, the same pattern for a schema's own ones.
std::string cmfMetaDataKey(const zsg::CMFAttribute& attribute)
{
    static const std::pair<const char*, zsg::CMFKey> builtIn[] = {
        {"Name", zsg::CMFKey::Name},         {"Color", zsg::CMFKey::Color},   {"Finish", zsg::CMFKey::Finish},
        {"Material", zsg::CMFKey::Material}, {"Vendor", zsg::CMFKey::Vendor}, {"Notes", zsg::CMFKey::Notes},
        {"Reference Image", zsg::CMFKey::Thumbnail},
    };
    for (const auto& [name, key] : builtIn)
        if (attribute.name == QLatin1String(name))
            return zsg::cmfKeyString.at(key);
    const char* kind = attribute.kind == zsg::CMFAttributeKind::Image ? "CMF::IMAGE::" : "CMF::TEXT::";
    return kind + attribute.name.toUpper().replace(QLatin1Char(' '), QLatin1Char('_')).toStdString();
}

QPushButton* button(const QString& text, QWidget* parent, QLayout* layout)
{
    auto* b = new QPushButton(text, parent);
    layout->addWidget(b);
    return b;
}

} // namespace

struct StudioWindow::Private : zsg::IEventListener {
    StudioWindow* q;
    ExampleScene& scene;

    zsg::ColorListModel* colors = nullptr;
    zsg::ColorListModel* multiColors = nullptr;
    zsg::ColorwayListModel* colorways = nullptr;
    zsg::LightLayerTreeModel* lightLayers = nullptr;
    zsg::PaintLayerListModel* paintLayers = nullptr;

    QListView* colorView = nullptr;
    QListView* multiColorView = nullptr;
    QListView* colorwayView = nullptr;
    zsg::ParameterPanel* colorPanel = nullptr;
    zsg::ColorPanelBinding* colorBinding = nullptr;

    QComboBox* materialBox = nullptr;
    zsg::ParameterPanel* materialPanel = nullptr;
    // The material panel's rows: metadata keys, and the values their holders point to.
    std::vector<std::string> materialKeys;
    std::unique_ptr<std::vector<QString>> materialValues;

    QTreeView* lightLayerView = nullptr;
    QListWidget* lightList = nullptr;
    QCheckBox* reversed = nullptr;

    QListView* paintView = nullptr;
    QComboBox* blendBox = nullptr;

    zsg::ParameterPanel* brushPanel = nullptr;
    zsg::BrushPanelBinding* brushBinding = nullptr;
    zsg::UndoHistoryView* history = nullptr;

    Private(StudioWindow* window, ExampleScene& s) : q(window), scene(s) {}
    ~Private() override { scene.graph->eventQueue()->removeListener(this); }

    zsg::ISceneGraph* graph() const { return scene.graph.get(); }

    QDockWidget* dock(const QString& title, const QString& name, QWidget* content, Qt::DockWidgetArea area)
    {
        auto* d = new QDockWidget(title, q);
        d->setObjectName(name);
        d->setWidget(content);
        q->addDockWidget(area, d);
        return d;
    }

    void buildColors();
    void buildMaterials();
    void buildLightLayers();
    void buildPaint();
    void buildBrushAndHistory();
    void buildMenus();

    void showColor(const QModelIndex& index);
    void showMaterial();
    void readMaterial();
    void editMaterial(const zsg::Parameter& parameter, const zsg::Variant& value, zsg::ParameterPanel::Gesture gesture);
    orb::LightLayerId selectedLayer() const;
    std::vector<orb::ObjectId> selectedLights() const;
    int selectedPaintIndex() const;
    zsg::IPainterSurface* surface() const { return graph()->painterManager()->painter()->surface(scene.surface); }

    // The material panel follows whatever changed a description or the schema.
    void handleEvent(zsg::Event* event) override
    {
        if (event->type() == zsg::EventType::MaterialDescriptionChanged)
            readMaterial();
        else if (event->type() == zsg::EventType::CMFSchemaChanged)
            showMaterial();
    }
};

void StudioWindow::Private::buildColors()
{
    colors = new zsg::ColorListModel(graph(), zsg::ColorListModel::PlainColors, q);
    multiColors = new zsg::ColorListModel(graph(), zsg::ColorListModel::MultiColors, q);
    colorways = new zsg::ColorwayListModel(graph(), q);

    // Colours: the list, the selected colour's panel, and the edits a colour list offers.
    auto* colorsPage = new QWidget;
    auto* layout = new QVBoxLayout(colorsPage);
    colorView = new QListView;
    colorView->setModel(colors);
    colorView->setAccessibleName(tr("Colours"));
    colorView->setUniformItemSizes(true);  // thousands of rows scroll without measuring each
    layout->addWidget(colorView);
    colorPanel = new zsg::ParameterPanel;
    layout->addWidget(colorPanel);
    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    QPushButton* add = button(tr("New Colour"), colorsPage, buttons);
    QPushButton* toMulti = button(tr("Make Multi Colour"), colorsPage, buttons);
    dock(tr("Colours"), QStringLiteral("colorsDock"), colorsPage, Qt::LeftDockWidgetArea);

    connect(colorView->selectionModel(), &QItemSelectionModel::currentChanged, q,
            [this](const QModelIndex& current) { showColor(current); });
    connect(add, &QPushButton::clicked, q, [this] {
        auto* db = dynamic_cast<zsg::ColorDB*>(graph()->colorDB());
        if (!db)
            return;
        const orb::ColorId id = db->createColor(tr("New Colour").toStdString(), orbColor_extended::Plain);
        const QModelIndex index = colors->indexOf(id);
        if (index.isValid())
            colorView->setCurrentIndex(index);
    });
    connect(toMulti, &QPushButton::clicked, q, [this] {
        const QModelIndex index = colorView->currentIndex();
        if (index.isValid())
            graph()->colorController()->toggleMultiColor(index.data(zsg::ColorListModel::IdRole).toUInt());
    });

    // Multi colours: the list; splitting one turns it back into its active colour.
    auto* multiPage = new QWidget;
    auto* multiLayout = new QVBoxLayout(multiPage);
    multiColorView = new QListView;
    multiColorView->setModel(multiColors);
    multiColorView->setAccessibleName(tr("Multi colours"));
    multiLayout->addWidget(multiColorView);
    auto* multiButtons = new QHBoxLayout;
    multiLayout->addLayout(multiButtons);
    QPushButton* split = button(tr("Make Plain Colour"), multiPage, multiButtons);
    dock(tr("Multi Colours"), QStringLiteral("multiColorsDock"), multiPage, Qt::LeftDockWidgetArea);
    connect(split, &QPushButton::clicked, q, [this] {
        const QModelIndex index = multiColorView->currentIndex();
        if (index.isValid())
            graph()->colorController()->toggleMultiColor(index.data(zsg::ColorListModel::IdRole).toUInt());
    });

    // Colorways: applying one (button or double click) switches the multi colours.
    auto* waysPage = new QWidget;
    auto* waysLayout = new QVBoxLayout(waysPage);
    colorwayView = new QListView;
    colorwayView->setModel(colorways);
    colorwayView->setAccessibleName(tr("Colorways"));
    colorwayView->setEditTriggers(QAbstractItemView::EditKeyPressed);
    waysLayout->addWidget(colorwayView);
    auto* waysButtons = new QHBoxLayout;
    waysLayout->addLayout(waysButtons);
    QPushButton* apply = button(tr("Apply Colorway"), waysPage, waysButtons);
    dock(tr("Colorways"), QStringLiteral("colorwaysDock"), waysPage, Qt::LeftDockWidgetArea);
    const auto applyCurrent = [this] {
        const QModelIndex index = colorwayView->currentIndex();
        if (index.isValid())
            graph()->colorController()->applyColorway(index.data(zsg::ColorwayListModel::IdRole).toUInt());
    };
    connect(apply, &QPushButton::clicked, q, applyCurrent);
    connect(colorwayView, &QListView::activated, q, applyCurrent);
}

void StudioWindow::Private::showColor(const QModelIndex& index)
{
    delete colorBinding;
    colorBinding = nullptr;
    colorPanel->setParameters({});
    if (index.isValid())
        colorBinding = new zsg::ColorPanelBinding(colorPanel, graph(), index.data(zsg::ColorListModel::IdRole).toUInt(), q);
}

void StudioWindow::Private::buildMaterials()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    materialBox = new QComboBox;
    materialBox->setAccessibleName(tr("Material"));
    for (orb::MaterialId id : scene.materialIds)
        materialBox->addItem(graph()->materialHandler()->materialName(zsg::MaterialId(id)), id);
    layout->addWidget(materialBox);
    materialPanel = new zsg::ParameterPanel;
    materialPanel->setEditHandler(
        [this](const zsg::Parameter& p, const zsg::Variant& v, zsg::ParameterPanel::Gesture g) { editMaterial(p, v, g); });
    layout->addWidget(materialPanel);
    layout->addStretch();
    dock(tr("Material Information"), QStringLiteral("materialsDock"), page, Qt::RightDockWidgetArea);
    connect(materialBox, &QComboBox::currentIndexChanged, q, [this] { showMaterial(); });
    graph()->eventQueue()->addListener(this, zsg::EventType::MaterialDescriptionChanged);
    graph()->eventQueue()->addListener(this, zsg::EventType::CMFSchemaChanged);
    showMaterial();
}

// One text row per visible attribute of the schema in force; an empty value is
// the default. The rows' holders point into a fresh vector, and the old one
// lives until the panel has dropped the rows over it.
void StudioWindow::Private::showMaterial()
{
    auto values = std::make_unique<std::vector<QString>>();
    materialKeys.clear();
    QList<zsg::Parameter> parameters;
    const std::vector<zsg::CMFAttribute>& attributes = graph()->cmfManager()->schema().attributes;
    values->reserve(attributes.size());
    for (const zsg::CMFAttribute& attribute : attributes) {
        if (!attribute.visible)
            continue;
        materialKeys.push_back(cmfMetaDataKey(attribute));
        values->emplace_back();
        zsg::Parameter::Builder builder(QString::fromStdString(materialKeys.back()), attribute.name);
        builder.value(new zsg::PointerVariant<QString>(&values->back()));
        parameters.append(zsg::Parameter(builder));
    }
    const std::unique_ptr<std::vector<QString>> old = std::exchange(materialValues, std::move(values));
    materialPanel->setParameters(parameters);  // drops the rows over `old`
    readMaterial();
}

// The values of the material's rows, re-read in place: this runs inside the
// edit of a row, whose editor must not be rebuilt under it.
void StudioWindow::Private::readMaterial()
{
    std::unique_ptr<zsg::IMaterialDescriptor> descriptor =
        graph()->materialHandler()->descriptor(zsg::MaterialId(materialBox->currentData().toUInt()));
    for (std::size_t i = 0; i < materialKeys.size(); ++i)
        (*materialValues)[i] = descriptor ? QString::fromStdString(descriptor->metaData(materialKeys[i])) : QString();
    materialPanel->setEnabled(descriptor != nullptr);
    materialPanel->refresh();
}

void StudioWindow::Private::editMaterial(const zsg::Parameter& parameter, const zsg::Variant& value,
                                         zsg::ParameterPanel::Gesture gesture)
{
    if (gesture != zsg::ParameterPanel::Gesture::Finished)
        return;
    QString before;
    QString after;
    parameter.getp(&before);
    value.getp(&after);
    if (before == after)
        return;
    const orb::MaterialId material = materialBox->currentData().toUInt();
    scene.undoStack.push(new MaterialInfoCommand(graph()->materialHandler(), material, parameter.name().toStdString(),
                                                 before.toStdString(), after.toStdString()));
}

void StudioWindow::Private::buildLightLayers()
{
    lightLayers = new zsg::LightLayerTreeModel(graph(), &scene.undoStack, q);
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    lightLayerView = new QTreeView;
    lightLayerView->setModel(lightLayers);
    lightLayerView->setAccessibleName(tr("Light layers"));
    lightLayerView->setHeaderHidden(true);
    lightLayerView->expandAll();
    layout->addWidget(lightLayerView);
    layout->addWidget(new QLabel(tr("Scene lights:")));
    lightList = new QListWidget;
    lightList->setAccessibleName(tr("Scene lights"));
    lightList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (orb::ObjectId light : scene.lights) {
        auto* item = new QListWidgetItem(tr("Light %1").arg(light), lightList);
        item->setData(Qt::UserRole, light);
    }
    layout->addWidget(lightList);
    reversed = new QCheckBox(tr("Reversed"));
    reversed->setToolTip(tr("Adding lights to a reversed layer removes them, and removing adds them."));
    layout->addWidget(reversed);
    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    QPushButton* create = button(tr("New Layer"), page, buttons);
    QPushButton* assign = button(tr("Add Lights"), page, buttons);
    QPushButton* remove = button(tr("Remove Lights"), page, buttons);
    QPushButton* del = button(tr("Delete"), page, buttons);
    dock(tr("Light Layers"), QStringLiteral("lightLayersDock"), page, Qt::RightDockWidgetArea);

    zsg::ILightLayerController* controller = graph()->lightLayerController();
    connect(create, &QPushButton::clicked, q, [this, controller] {
        const orb::LightLayerId layer = controller->createLayer(tr("Light Layer").toStdString());
        const QModelIndex index = lightLayers->indexOf(layer);
        if (index.isValid())
            lightLayerView->setCurrentIndex(index);
    });
    connect(assign, &QPushButton::clicked, q, [this, controller] {
        const std::vector<orb::ObjectId> lights = selectedLights();
        if (selectedLayer() != orb::InvalidId && !lights.empty())
            controller->addLights(selectedLayer(), {lights.data(), lights.size()});
        lightLayerView->expandAll();
    });
    connect(remove, &QPushButton::clicked, q, [this, controller] {
        const std::vector<orb::ObjectId> lights = selectedLights();
        if (selectedLayer() != orb::InvalidId && !lights.empty())
            controller->removeLights(selectedLayer(), {lights.data(), lights.size()});
    });
    connect(del, &QPushButton::clicked, q, [this, controller] {
        if (selectedLayer() != orb::InvalidId)
            controller->deleteLayer(selectedLayer());
    });
    connect(reversed, &QCheckBox::clicked, q, [this, controller](bool on) {
        const orb::LightLayerId layer = selectedLayer();
        if (layer == orb::InvalidId)
            return;
        const zsg::LightLayerFlags flags = controller->lightLayerApi()->flags(layer);
        controller->setFlags(layer, flags.setFlag(orb::LayerReversed, on));
    });
    connect(lightLayerView->selectionModel(), &QItemSelectionModel::currentChanged, q, [this, controller] {
        const orb::LightLayerId layer = selectedLayer();
        reversed->setEnabled(layer != orb::InvalidId);
        reversed->setChecked(layer != orb::InvalidId &&
                             controller->lightLayerApi()->flags(layer).testFlag(orb::LayerReversed));
    });
    connect(lightLayers, &QAbstractItemModel::rowsInserted, lightLayerView, &QTreeView::expandAll);
}

orb::LightLayerId StudioWindow::Private::selectedLayer() const
{
    QModelIndex index = lightLayerView->currentIndex();
    if (index.parent().isValid())
        index = index.parent();  // a light stands for its layer
    return index.isValid() ? index.data(zsg::LightLayerTreeModel::IdRole).toUInt() : orb::InvalidId;
}

std::vector<orb::ObjectId> StudioWindow::Private::selectedLights() const
{
    std::vector<orb::ObjectId> lights;
    for (const QListWidgetItem* item : lightList->selectedItems())
        lights.push_back(item->data(Qt::UserRole).toUInt());
    return lights;
}

void StudioWindow::Private::buildPaint()
{
    paintLayers = new zsg::PaintLayerListModel(graph(), scene.surface, q);
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    paintView = new QListView;
    paintView->setModel(paintLayers);
    paintView->setAccessibleName(tr("Paint layers"));
    paintView->setDragDropMode(QAbstractItemView::InternalMove);
    paintView->setDefaultDropAction(Qt::MoveAction);
    layout->addWidget(paintView);
    blendBox = new QComboBox;
    blendBox->setAccessibleName(tr("Blend mode"));
    for (int mode = int(orb::ColorBlendMode::Normal); mode <= int(orb::ColorBlendMode::Subtract); ++mode)
        blendBox->addItem(zsg::PaintLayerListModel::blendModeName(orb::ColorBlendMode(mode)), mode);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Blend mode:")));
    row->addWidget(blendBox, 1);
    QPushButton* background = button(tr("Background..."), page, row);
    layout->addLayout(row);
    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    QPushButton* add = button(tr("Add Layer"), page, buttons);
    QPushButton* del = button(tr("Delete Layer"), page, buttons);
    QPushButton* up = button(tr("Move Up"), page, buttons);
    QPushButton* down = button(tr("Move Down"), page, buttons);
    dock(tr("Paint Layers"), QStringLiteral("paintDock"), page, Qt::RightDockWidgetArea);

    connect(add, &QPushButton::clicked, q, [this] {
        const int index = selectedPaintIndex();
        if (zsg::IPainterSurface* s = surface())
            s->addLayer(index < 0 ? 0 : index);
    });
    connect(del, &QPushButton::clicked, q, [this] {
        const int index = selectedPaintIndex();
        if (zsg::IPainterSurface* s = surface(); s && index >= 0)
            s->setLayerDeleted(std::uint32_t(index), true);
    });
    // Up and down are drags of one row by one place, as the list's own drag would do.
    const auto moveBy = [this](int delta) {
        const QModelIndex current = paintView->currentIndex();
        if (!current.isValid())
            return;
        const int destination = delta < 0 ? current.row() - 1 : current.row() + 2;
        if (destination < 0 || destination > paintLayers->rowCount())
            return;
        const std::uint32_t id = current.data(zsg::PaintLayerListModel::IdRole).toUInt();
        paintLayers->moveRows({}, current.row(), 1, {}, destination);
        paintView->setCurrentIndex(paintLayers->indexOf(id));
    };
    connect(up, &QPushButton::clicked, q, [moveBy] { moveBy(-1); });
    connect(down, &QPushButton::clicked, q, [moveBy] { moveBy(+1); });
    connect(blendBox, &QComboBox::activated, q, [this] {
        const QModelIndex current = paintView->currentIndex();
        if (current.isValid())
            paintLayers->setData(current, blendBox->currentData(), zsg::PaintLayerListModel::BlendModeRole);
    });
    connect(background, &QPushButton::clicked, q, [this] {
        const QModelIndex current = paintView->currentIndex();
        if (!current.isValid())
            return;
        const QColor initial = current.data(zsg::PaintLayerListModel::BackgroundColorRole).value<QColor>();
        const QColor chosen = QColorDialog::getColor(initial, q, tr("Layer Background"), QColorDialog::ShowAlphaChannel);
        if (chosen.isValid())
            paintLayers->setData(current, chosen, zsg::PaintLayerListModel::BackgroundColorRole);
    });
    const auto showBlend = [this] {
        const QModelIndex current = paintView->currentIndex();
        blendBox->setEnabled(current.isValid());
        if (current.isValid())
            blendBox->setCurrentIndex(blendBox->findData(current.data(zsg::PaintLayerListModel::BlendModeRole)));
    };
    connect(paintView->selectionModel(), &QItemSelectionModel::currentChanged, q, showBlend);
    connect(paintLayers, &QAbstractItemModel::dataChanged, q, showBlend);
    showBlend();
}

int StudioWindow::Private::selectedPaintIndex() const
{
    return paintLayers->listIndex(paintView->currentIndex());
}

void StudioWindow::Private::buildBrushAndHistory()
{
    brushPanel = new zsg::ParameterPanel;
    brushPanel->setAccessibleName(tr("Brush"));
    brushBinding = new zsg::BrushPanelBinding(brushPanel, scene.brush.get(), &scene.undoStack, q);
    auto* scroll = new QScrollArea;
    scroll->setWidget(brushPanel);
    scroll->setWidgetResizable(true);
    dock(tr("Brush"), QStringLiteral("brushDock"), scroll, Qt::RightDockWidgetArea);

    history = new zsg::UndoHistoryView(&scene.undoStack);
    history->setAccessibleName(tr("History"));
    dock(tr("History"), QStringLiteral("historyDock"), history, Qt::LeftDockWidgetArea);
}

void StudioWindow::Private::buildMenus()
{
    QMenu* edit = q->menuBar()->addMenu(tr("&Edit"));
    QAction* undo = edit->addAction(tr("&Undo"));
    undo->setShortcuts(QKeySequence::Undo);
    QAction* redo = edit->addAction(tr("&Redo"));
    // The platform's redo keys, and Ctrl+Shift+Z everywhere.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)))
        redoKeys.prepend(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    redo->setShortcuts(redoKeys);
    zsg::ZUndoStack* stack = &scene.undoStack;
    connect(undo, &QAction::triggered, q, [stack] { stack->undo(); });
    connect(redo, &QAction::triggered, q, [stack] { stack->redo(); });
    undo->setEnabled(stack->canUndo());
    redo->setEnabled(stack->canRedo());
    connect(stack, &zsg::ZUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(stack, &zsg::ZUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    QMenu* view = q->menuBar()->addMenu(tr("&View"));
    for (QDockWidget* d : q->findChildren<QDockWidget*>())
        view->addAction(d->toggleViewAction());
}

StudioWindow::StudioWindow(ExampleScene& scene, QWidget* parent)
    : QMainWindow(parent), d(std::make_unique<Private>(this, scene))
{
    setWindowTitle(tr("Scene Graph Studio"));
    setDockNestingEnabled(true);
    d->buildColors();
    d->buildMaterials();
    d->buildLightLayers();
    d->buildPaint();
    d->buildBrushAndHistory();
    d->buildMenus();
    statusBar()->showMessage(tr("The in-memory renderer draws nothing: its records change as you edit in the docks. "
                                "Ctrl+Z undoes, Ctrl+Shift+Z redoes."));
    // No central view: three columns of docks. Colours on the left; light and
    // paint layers in the middle; the brush and the material on the right.
    const auto dock = [this](const char* name) { return findChild<QDockWidget*>(QLatin1String(name)); };
    splitDockWidget(dock("lightLayersDock"), dock("brushDock"), Qt::Horizontal);
    splitDockWidget(dock("lightLayersDock"), dock("paintDock"), Qt::Vertical);
    splitDockWidget(dock("brushDock"), dock("materialsDock"), Qt::Vertical);
    resize(1500, 950);
    resizeDocks({dock("colorsDock"), dock("lightLayersDock"), dock("brushDock")}, {380, 480, 560}, Qt::Horizontal);
    resizeDocks({dock("brushDock"), dock("materialsDock")}, {560, 360}, Qt::Vertical);
}

StudioWindow::~StudioWindow() = default;

bool StudioWindow::writeScreenshots(const QString& directory)
{
    if (!QDir().mkpath(directory))
        return false;
    show();
    // The layout requests of the first show, and of the panels it filled.
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    bool ok = grab().save(QDir(directory).filePath(QStringLiteral("studio.png")));
    for (QDockWidget* dock : findChildren<QDockWidget*>())
        ok = dock->grab().save(QDir(directory).filePath(dock->objectName() + QStringLiteral(".png"))) && ok;
    return ok;
}

} // namespace studio
