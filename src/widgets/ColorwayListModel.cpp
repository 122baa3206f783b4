#include <zsg/widgets/ColorwayListModel.h>

#include "RowSync.h"

#include <zsg/color/IColorController.h>
#include <zsg/color/IColorDB.h>
#include <zsg/color/IColorwayEdit.h>
#include <zsg/scenegraph/Event.h>
#include <zsg/scenegraph/IEventListener.h>
#include <zsg/scenegraph/IEventQueue.h>
#include <zsg/scenegraph/ISceneGraph.h>

#include <QFont>
#include <QPointer>

namespace zsg {

namespace {

struct ColorwayRow {
    orb::ColorwayId id;
    QString name;
    bool active = false;
    bool operator==(const ColorwayRow&) const = default;
};

} // namespace

struct ColorwayListModel::Private final : IEventListener {
    ColorwayListModel* q;
    ISceneGraph* scene;
    QPointer<IEventQueue> queue;
    std::vector<ColorwayRow> rows;

    Private(ColorwayListModel* model, ISceneGraph* s) : q(model), scene(s) {}

    ~Private() override
    {
        if (queue)
            queue->removeListener(this);
    }

    // Colorways are few and every event may change any of them (activating one
    // clears the others), so each event re-reads them all.
    void refresh()
    {
        IColorDB* db = scene->colorDB();
        std::vector<orb::ColorwayId> ids;
        for (orb::ColorwayId id : db->colorways()) {
            const IColorwayEdit* view = db->getColorwayParameters(id);
            if (view && !view->isDeleted())
                ids.push_back(id);
        }
        RowSync<ColorwayListModel> sync(q, {});
        sync.apply(rows, std::span<const orb::ColorwayId>(ids), [](orb::ColorwayId id) { return ColorwayRow{id, {}, false}; });
        const orb::ColorwayId active = db->activeColorwayId();
        sync.update(rows, [&](const ColorwayRow& row) {
            return ColorwayRow{row.id, QString::fromStdString(db->colorwayName(row.id)), row.id == active};
        });
    }

    void handleEvent(Event*) override { refresh(); }

    void forgetScene()
    {
        q->beginResetModel();
        rows.clear();
        scene = nullptr;
        q->endResetModel();
    }
};

ColorwayListModel::ColorwayListModel(ISceneGraph* scene, QObject* parent)
    : QAbstractListModel(parent), d(std::make_unique<Private>(this, scene))
{
    if (!scene)
        return;
    d->queue = scene->eventQueue();
    d->queue->addListener(d.get(), EventType::ColorwayUpdated);
    d->queue->addListener(d.get(), EventType::ColorwaySynced);
    connect(d->queue, &QObject::destroyed, this, [this] { d->forgetScene(); });
    d->refresh();
}

ColorwayListModel::~ColorwayListModel() = default;

QModelIndex ColorwayListModel::indexOf(orb::ColorwayId id) const
{
    const auto it = std::find_if(d->rows.begin(), d->rows.end(), [id](const ColorwayRow& row) { return row.id == id; });
    return it == d->rows.end() ? QModelIndex() : index(int(it - d->rows.begin()));
}

int ColorwayListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(d->rows.size());
}

QVariant ColorwayListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const ColorwayRow& row = d->rows[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return row.name;
    case Qt::CheckStateRole:
        return row.active ? Qt::Checked : Qt::Unchecked;
    case Qt::FontRole: {
        QFont font;
        font.setBold(row.active);
        return font;
    }
    case IdRole:
        return row.id;
    case ActiveRole:
        return row.active;
    default:
        return {};
    }
}

bool ColorwayListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    const QString name = value.toString();
    if (name.isEmpty())
        return false;
    if (name != d->rows[index.row()].name)
        d->scene->colorController()->setColorwayDisplayName(d->rows[index.row()].id, name.toStdString());
    return true;
}

Qt::ItemFlags ColorwayListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemNeverHasChildren;
}

} // namespace zsg
