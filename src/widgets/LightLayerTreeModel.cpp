#include <zsg/widgets/LightLayerTreeModel.h>

#include "RowSync.h"
#include "ZRenameLightLayerCommand.h"

#include <zsg/lightlayer/ILightLayerApi.h>
#include <zsg/lightlayer/ILightLayerController.h>
#include <zsg/platform/ZUndoStack.h>
#include <zsg/scenegraph/IEventListener.h>
#include <zsg/scenegraph/IEventQueue.h>
#include <zsg/scenegraph/ISceneGraph.h>

#include <QPointer>

namespace zsg {

namespace {

struct LightRow {
    orb::ObjectId id;
    bool operator==(const LightRow&) const = default;
};

struct LayerRow {
    orb::LightLayerId id;
    QString name;
    std::uint32_t flags = 0;
    std::vector<LightRow> lights;
    bool operator==(const LayerRow&) const = default;
};

// Copies a renderer-owned id array and gives it back.
std::vector<std::uint32_t> take(orb::Array<std::uint32_t> array)
{
    std::vector<std::uint32_t> ids(array.data, array.data + array.count);
    orb::Unique_array_helper::free(array.data);
    return ids;
}

// A child's internal id names its layer; top-level rows carry 0.
quintptr childTag(orb::LightLayerId layer)
{
    return quintptr(layer) + 1;
}

} // namespace

struct LightLayerTreeModel::Private final : IEventListener {
    LightLayerTreeModel* q;
    ISceneGraph* scene;
    ZUndoStack* undoStack;
    QPointer<IEventQueue> queue;
    std::vector<LayerRow> layers;

    Private(LightLayerTreeModel* model, ISceneGraph* s, ZUndoStack* u) : q(model), scene(s), undoStack(u) {}

    ~Private() override
    {
        if (queue)
            queue->removeListener(this);
    }

    ILightLayerApi* api() const { return scene->lightLayerController()->lightLayerApi(); }

    int rowOf(orb::LightLayerId id) const
    {
        const auto it = std::find_if(layers.begin(), layers.end(), [id](const LayerRow& row) { return row.id == id; });
        return it == layers.end() ? -1 : int(it - layers.begin());
    }

    // A database holds at most a few dozen layers, so every event re-reads all
    // of them from the mirror; the row signals name only what changed.
    void refresh()
    {
        ILightLayerApi* a = api();
        std::vector<orb::LightLayerId> ids;
        for (orb::LightLayerId id : take(a->layers()))
            if (!a->flags(id).testFlag(orb::LayerDeleted))
                ids.push_back(id);
        // Children of the layers that stay first, while their parents' rows are where the views expect them.
        for (int row = 0; row < int(layers.size()); ++row) {
            if (std::find(ids.begin(), ids.end(), layers[row].id) == ids.end())
                continue;
            const std::vector<orb::ObjectId> lights = take(a->lights(layers[row].id));
            RowSync<LightLayerTreeModel>(q, q->index(row, 0)).apply(layers[row].lights, std::span<const orb::ObjectId>(lights),
                                                                      [](orb::ObjectId id) { return LightRow{id}; });
        }
        RowSync<LightLayerTreeModel> sync(q, {});
        sync.apply(layers, std::span<const orb::LightLayerId>(ids), [&](orb::LightLayerId id) {
            LayerRow row{id, {}, 0, {}};
            for (orb::ObjectId light : take(a->lights(id)))
                row.lights.push_back({light});
            return row;
        });
        sync.update(layers, [&](const LayerRow& row) {
            return LayerRow{row.id, QString::fromStdString(a->layerName(row.id)), a->flags(row.id).bits, row.lights};
        });
    }

    void handleEvent(Event*) override { refresh(); }

    void forgetScene()
    {
        q->beginResetModel();
        layers.clear();
        scene = nullptr;
        q->endResetModel();
    }
};

LightLayerTreeModel::LightLayerTreeModel(ISceneGraph* scene, ZUndoStack* undoStack, QObject* parent)
    : QAbstractItemModel(parent), d(std::make_unique<Private>(this, scene, undoStack))
{
    if (!scene)
        return;
    d->queue = scene->eventQueue();
    d->queue->addListener(d.get(), EventType::LightLayerUpdated);
    d->queue->addListener(d.get(), EventType::LightLayerSynced);
    connect(d->queue, &QObject::destroyed, this, [this] { d->forgetScene(); });
    d->refresh();
}

LightLayerTreeModel::~LightLayerTreeModel() = default;

QModelIndex LightLayerTreeModel::indexOf(orb::LightLayerId layer) const
{
    const int row = d->rowOf(layer);
    return row < 0 ? QModelIndex() : index(row, 0);
}

bool LightLayerTreeModel::setLayerName(orb::LightLayerId layer, const QString& name)
{
    const int row = d->rowOf(layer);
    if (row < 0 || name.isEmpty() || name == d->layers[row].name)
        return false;
    auto command = std::make_unique<ZRenameLightLayerCommand>(d->api(), layer, name.toStdString(),
                                                              d->layers[row].name.toStdString());
    // Without a stack the rename runs once, as the controller's commands do.
    if (!d->undoStack)
        return command->redo();
    d->undoStack->push(command.release());
    return true;
}

QModelIndex LightLayerTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row < int(d->layers.size()) ? createIndex(row, 0) : QModelIndex();
    if (parent.internalId() != 0 || parent.row() >= int(d->layers.size()))
        return {};
    const LayerRow& layer = d->layers[parent.row()];
    return row < int(layer.lights.size()) ? createIndex(row, 0, childTag(layer.id)) : QModelIndex();
}

QModelIndex LightLayerTreeModel::parent(const QModelIndex& child) const
{
    if (!child.isValid() || child.internalId() == 0)
        return {};
    const int row = d->rowOf(orb::LightLayerId(child.internalId() - 1));
    return row < 0 ? QModelIndex() : createIndex(row, 0);
}

int LightLayerTreeModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return int(d->layers.size());
    if (parent.internalId() != 0 || parent.row() >= int(d->layers.size()))
        return 0;
    return int(d->layers[parent.row()].lights.size());
}

int LightLayerTreeModel::columnCount(const QModelIndex&) const
{
    return 1;
}

QVariant LightLayerTreeModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (index.internalId() != 0) {
        const QModelIndex layer = parent(index);
        if (!layer.isValid())
            return {};
        const orb::ObjectId light = d->layers[layer.row()].lights[index.row()].id;
        switch (role) {
        case Qt::DisplayRole:
            return tr("Light %1").arg(light);
        case IdRole:
            return light;
        default:
            return {};
        }
    }
    const LayerRow& layer = d->layers[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return layer.name;
    case IdRole:
        return layer.id;
    case FlagsRole:
        return layer.flags;
    default:
        return {};
    }
}

bool LightLayerTreeModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || index.internalId() != 0)
        return false;
    const LayerRow& layer = d->layers[index.row()];
    if (role == Qt::EditRole)
        return setLayerName(layer.id, value.toString());
    if (role != FlagsRole || !value.canConvert<uint>())
        return false;
    d->scene->lightLayerController()->setFlags(layer.id, LightLayerFlags(value.toUInt()));
    return true;
}

Qt::ItemFlags LightLayerTreeModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.internalId() != 0)
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

} // namespace zsg
