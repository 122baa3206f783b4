#include <zsg/widgets/PaintLayerListModel.h>

#include "RowSync.h"

#include <zsg/paint/IPainter.h>
#include <zsg/paint/IPainterManager.h>
#include <zsg/paint/IPainterSurface.h>
#include <zsg/scenegraph/Event.h>
#include <zsg/scenegraph/IEventListener.h>
#include <zsg/scenegraph/IEventQueue.h>
#include <zsg/scenegraph/ISceneGraph.h>

#include <QColor>
#include <QDataStream>
#include <QIODevice>
#include <QMimeData>
#include <QPointer>

namespace zsg {

namespace {

const QString MimeType = QStringLiteral("application/x-zsg-paint-layers");

struct LayerRow {
    std::uint32_t id = 0;
    int listIndex = -1;
    QString name;
    bool visible = true;
    orb::ColorBlendMode blend = orb::ColorBlendMode::Normal;
    QColor background;
    bool operator==(const LayerRow&) const = default;
};

QColor toQColor(orbColor_rgba c)
{
    return QColor::fromRgbF(qBound(0.f, c.r, 1.f), qBound(0.f, c.g, 1.f), qBound(0.f, c.b, 1.f), qBound(0.f, c.a, 1.f));
}

} // namespace

struct PaintLayerListModel::Private final : IEventListener {
    PaintLayerListModel* q;
    ISceneGraph* scene;
    QPointer<IEventQueue> queue;
    orb::SurfaceId surfaceId;
    std::vector<LayerRow> rows;

    Private(PaintLayerListModel* model, ISceneGraph* s, orb::SurfaceId id) : q(model), scene(s), surfaceId(id) {}

    ~Private() override
    {
        if (queue)
            queue->removeListener(this);
    }

    // Looked up anew each time: the model holds the id, never the surface.
    IPainterSurface* surface() const
    {
        IPainter* painter = scene ? scene->painterManager()->painter() : nullptr;
        IPainterSurface* s = painter ? painter->surface(surfaceId) : nullptr;
        return s && !s->deleted() ? s : nullptr;
    }

    void refresh()
    {
        std::vector<LayerRow> fresh;
        if (IPainterSurface* s = surface()) {
            const std::vector<orbLayerInfo> layers = s->layers();
            for (int i = 0; i < int(layers.size()); ++i) {
                const orbLayerInfo& l = layers[i];
                if (!l.deleted)
                    fresh.push_back({l.id, i, QString::fromUtf8(l.name), l.visible, l.blendMode, toQColor(l.background)});
            }
        }
        std::vector<std::uint32_t> ids;
        for (const LayerRow& row : fresh)
            ids.push_back(row.id);
        RowSync<PaintLayerListModel> sync(q, {});
        sync.apply(rows, std::span<const std::uint32_t>(ids), [](std::uint32_t id) { LayerRow row; row.id = id; return row; });
        // After apply the rows list the fresh ids in the same order.
        int i = 0;
        sync.update(rows, [&](const LayerRow&) { return fresh[i++]; });
    }

    void handleEvent(Event* event) override
    {
        if (static_cast<PaintLayersUpdatedEvent*>(event)->surfaceId() == surfaceId)
            refresh();
    }

    const LayerRow* row(const QModelIndex& index) const
    {
        return q->checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) ? &rows[index.row()]
                                                                                                      : nullptr;
    }

    void forgetScene()
    {
        q->beginResetModel();
        rows.clear();
        scene = nullptr;
        q->endResetModel();
    }
};

PaintLayerListModel::PaintLayerListModel(ISceneGraph* scene, orb::SurfaceId surface, QObject* parent)
    : QAbstractListModel(parent), d(std::make_unique<Private>(this, scene, surface))
{
    if (!scene)
        return;
    d->queue = scene->eventQueue();
    d->queue->addListener(d.get(), EventType::PaintLayersUpdated);
    connect(d->queue, &QObject::destroyed, this, [this] { d->forgetScene(); });
    d->refresh();
}

PaintLayerListModel::~PaintLayerListModel() = default;

orb::SurfaceId PaintLayerListModel::surfaceId() const
{
    return d->surfaceId;
}

void PaintLayerListModel::setSurfaceId(orb::SurfaceId surface)
{
    if (surface == d->surfaceId)
        return;
    // Another surface's layers are other rows, even where their ids coincide.
    beginResetModel();
    d->surfaceId = surface;
    d->rows.clear();
    endResetModel();
    d->refresh();
}

void PaintLayerListModel::refresh()
{
    d->refresh();
}

int PaintLayerListModel::listIndex(const QModelIndex& index) const
{
    const LayerRow* row = d->row(index);
    return row ? row->listIndex : -1;
}

QModelIndex PaintLayerListModel::indexOf(std::uint32_t layerId) const
{
    const auto it = std::find_if(d->rows.begin(), d->rows.end(), [layerId](const LayerRow& r) { return r.id == layerId; });
    return it == d->rows.end() ? QModelIndex() : index(int(it - d->rows.begin()));
}

QString PaintLayerListModel::blendModeName(orb::ColorBlendMode mode)
{
    switch (mode) {
    case orb::ColorBlendMode::Normal:
        return tr("Normal");
    case orb::ColorBlendMode::Multiply:
        return tr("Multiply");
    case orb::ColorBlendMode::Screen:
        return tr("Screen");
    case orb::ColorBlendMode::Overlay:
        return tr("Overlay");
    case orb::ColorBlendMode::Add:
        return tr("Add");
    case orb::ColorBlendMode::Subtract:
        return tr("Subtract");
    }
    return tr("Unknown blend mode %1").arg(int(mode));
}

int PaintLayerListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(d->rows.size());
}

QVariant PaintLayerListModel::data(const QModelIndex& index, int role) const
{
    const LayerRow* row = d->row(index);
    if (!row)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return row->name.isEmpty() ? tr("Unnamed layer") : row->name;
    case Qt::EditRole:
        return row->name;
    case Qt::CheckStateRole:
        return row->visible ? Qt::Checked : Qt::Unchecked;
    case Qt::ToolTipRole:
        return tr("Blend mode: %1").arg(blendModeName(row->blend));
    case IdRole:
        return row->id;
    case BlendModeRole:
        return int(row->blend);
    case BackgroundColorRole:
        return row->background;
    default:
        return {};
    }
}

bool PaintLayerListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    const LayerRow* row = d->row(index);
    IPainterSurface* surface = d->surface();
    if (!row || !surface)
        return false;
    const std::uint32_t i = std::uint32_t(row->listIndex);
    switch (role) {
    case Qt::CheckStateRole: {
        bool ok = false;
        const int state = value.toInt(&ok);
        if (!ok)
            return false;
        surface->setLayerVisibility(i, state == Qt::Checked);
        return true;
    }
    case Qt::EditRole: {
        const QString name = value.toString();
        if (name.isEmpty())
            return false;
        // The surface would push a step even for the same name.
        if (name != row->name)
            surface->setLayerName(i, name);
        return true;
    }
    case BlendModeRole: {
        bool ok = false;
        const int mode = value.toInt(&ok);
        if (!ok || mode < int(orb::ColorBlendMode::Normal) || mode > int(orb::ColorBlendMode::Subtract))
            return false;
        surface->setLayerBlend(i, orb::ColorBlendMode(mode));
        return true;
    }
    case BackgroundColorRole: {
        const QColor color = value.value<QColor>();
        if (!color.isValid())
            return false;
        surface->setLayerBackgroundColor(i, {color.redF(), color.greenF(), color.blueF(), color.alphaF()}, true);
        return true;
    }
    default:
        return false;
    }
}

Qt::ItemFlags PaintLayerListModel::flags(const QModelIndex& index) const
{
    // Drops land between rows, never on one.
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsUserCheckable
         | Qt::ItemIsDragEnabled | Qt::ItemNeverHasChildren;
}

Qt::DropActions PaintLayerListModel::supportedDropActions() const
{
    return Qt::MoveAction;
}

QStringList PaintLayerListModel::mimeTypes() const
{
    return {MimeType};
}

QMimeData* PaintLayerListModel::mimeData(const QModelIndexList& indexes) const
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << d->surfaceId;
    for (const QModelIndex& index : indexes)
        if (const LayerRow* row = d->row(index))
            out << row->id;
    auto* data = new QMimeData;
    data->setData(MimeType, bytes);
    return data;
}

bool PaintLayerListModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                                       const QModelIndex& parent)
{
    if (action != Qt::MoveAction || !data || !data->hasFormat(MimeType))
        return false;
    QDataStream in(data->data(MimeType));
    orb::SurfaceId surface = orb::InvalidId;
    std::uint32_t layer = 0;
    in >> surface >> layer;
    // One layer of this surface: anything else would take several moves.
    if (in.status() != QDataStream::Ok || !in.atEnd() || surface != d->surfaceId)
        return false;
    const QModelIndex source = indexOf(layer);
    if (!source.isValid())
        return false;
    const int before = row >= 0 ? row : parent.isValid() ? parent.row() : rowCount();
    return moveRows({}, source.row(), 1, {}, before);
}

bool PaintLayerListModel::moveRows(const QModelIndex& sourceParent, int sourceRow, int count,
                                   const QModelIndex& destinationParent, int destinationChild)
{
    const int n = rowCount();
    IPainterSurface* surface = d->surface();
    if (!surface || sourceParent.isValid() || destinationParent.isValid() || count != 1 || sourceRow < 0
        || sourceRow >= n || destinationChild < 0 || destinationChild > n)
        return false;
    if (destinationChild == sourceRow || destinationChild == sourceRow + 1)
        return false;
    // The moved layer ends where the row it lands next to is now; deleted layers
    // in between stay where they are. The surface's event moves the row.
    const int target = destinationChild > sourceRow ? destinationChild - 1 : destinationChild;
    surface->moveLayer(std::uint32_t(d->rows[sourceRow].listIndex), std::uint32_t(d->rows[target].listIndex));
    return true;
}

} // namespace zsg
