#include <zsg/widgets/ColorListModel.h>

#include "RowSync.h"

#include <zsg/color/IColorController.h>
#include <zsg/color/IColorDB.h>
#include <zsg/color/IColorExtEdit.h>
#include <zsg/scenegraph/Event.h>
#include <zsg/scenegraph/IEventListener.h>
#include <zsg/scenegraph/IEventQueue.h>
#include <zsg/scenegraph/ISceneGraph.h>

#include <QColor>
#include <QHash>
#include <QPointer>

#include <optional>

namespace zsg {

namespace {

// What data() answers for a row, read from the colour's view once per change.
struct ColorEntry {
    QString name;
    QColor color;
};

// Bits of a colour record's flags.
constexpr std::uint32_t MultiFlag = 1;
constexpr std::uint32_t TemporaryFlag = 4;

struct ColorRow {
    orb::ColorId id;
    mutable std::optional<ColorEntry> entry;
};

} // namespace

struct ColorListModel::Private final : IEventListener {
    ColorListModel* q;
    ISceneGraph* scene;
    QPointer<IEventQueue> queue;
    Kind kind;
    std::vector<ColorRow> rows;
    // Row of each id; rebuilt lazily after a change other than an append.
    mutable QHash<orb::ColorId, int> rowOfId;
    mutable bool rowOfIdValid = true;

    Private(ColorListModel* model, ISceneGraph* s, Kind k) : q(model), scene(s), kind(k) {}

    ~Private() override
    {
        if (queue)
            queue->removeListener(this);
    }

    orb::Span<const orb::ColorId> libraryIds() const
    {
        IColorDB* db = scene->colorDB();
        return kind == PlainColors ? db->colors() : db->multiColors();
    }

    // Whether the database lists the colour in this model's list (plain or
    // multi colours, never its scratch colour).
    bool listed(orb::ColorId id) const
    {
        const IColorExtEdit* view = scene->colorDB()->getColorParameters(id);
        return view && !view->hasFlag(TemporaryFlag) && view->hasFlag(MultiFlag) == (kind == MultiColors);
    }

    // Re-reads the database's whole list: for changes made behind the library's back.
    void syncRows()
    {
        const orb::Span<const orb::ColorId> ids = libraryIds();
        if (RowSync<ColorListModel>(q, {}).apply(rows, std::span<const orb::ColorId>(ids.begin(), ids.size()),
                                                 [](orb::ColorId id) { return ColorRow{id, {}}; }))
            rowOfIdValid = false;
    }

    // The renderer lists a new colour last, so creating one costs an append
    // rather than a comparison of the whole list.
    void appendRow(orb::ColorId id)
    {
        const int row = int(rows.size());
        q->beginInsertRows({}, row, row);
        rows.push_back({id, {}});
        if (rowOfIdValid)
            rowOfId.insert(id, row);
        q->endInsertRows();
    }

    int rowOf(orb::ColorId id) const
    {
        if (!rowOfIdValid) {
            rowOfId.clear();
            rowOfId.reserve(qsizetype(rows.size()));
            for (int row = 0; row < int(rows.size()); ++row)
                rowOfId.insert(rows[row].id, row);
            rowOfIdValid = true;
        }
        return rowOfId.value(id, -1);
    }

    void invalidate(orb::ColorId id)
    {
        const int row = rowOf(id);
        if (row < 0)
            return;
        rows[row].entry.reset();
        const QModelIndex index = q->index(row);
        emit q->dataChanged(index, index);
    }

    void handleEvent(Event* event) override
    {
        switch (event->type()) {
        case EventType::ColorCreated: {
            const orb::ColorId id = static_cast<ColorEvent*>(event)->colorId();
            if (rowOf(id) < 0 && listed(id))
                appendRow(id);
            break;
        }
        case EventType::ColorUpdated: {
            // A pushed value may change the colour's kind and so its list.
            const orb::ColorId id = static_cast<ColorUpdatedEvent*>(event)->colorId();
            if ((rowOf(id) >= 0) != listed(id))
                syncRows();
            invalidate(id);
            break;
        }
        case EventType::ColorSynced:
            syncRows();
            invalidate(static_cast<ColorSyncedEvent*>(event)->colorId());
            break;
        case EventType::ColorIdChanged:
            syncRows();
            invalidate(static_cast<ColorIdChangeEvent*>(event)->newColorId());
            break;
        default:
            break;
        }
    }

    const ColorEntry& entry(const ColorRow& row) const
    {
        if (!row.entry) {
            ColorEntry fresh;
            if (const IColorExtEdit* view = scene->colorDB()->getColorParameters(row.id)) {
                const orbColor_rgba c = view->color();
                fresh.name = QString::fromStdString(view->displayName());
                fresh.color = QColor::fromRgbF(qBound(0.f, c.r, 1.f), qBound(0.f, c.g, 1.f), qBound(0.f, c.b, 1.f),
                                               qBound(0.f, c.a, 1.f));
            }
            row.entry = std::move(fresh);
        }
        return *row.entry;
    }

    // The event queue goes last when the scene graph is destroyed: nothing may be read after it.
    void forgetScene()
    {
        q->beginResetModel();
        rows.clear();
        rowOfId.clear();
        scene = nullptr;
        q->endResetModel();
    }
};

ColorListModel::ColorListModel(ISceneGraph* scene, Kind kind, QObject* parent)
    : QAbstractListModel(parent), d(std::make_unique<Private>(this, scene, kind))
{
    if (!scene)
        return;
    d->queue = scene->eventQueue();
    for (EventType type : {EventType::ColorCreated, EventType::ColorUpdated, EventType::ColorSynced, EventType::ColorIdChanged})
        d->queue->addListener(d.get(), type);
    connect(d->queue, &QObject::destroyed, this, [this] { d->forgetScene(); });
    d->syncRows();
}

ColorListModel::~ColorListModel() = default;

ColorListModel::Kind ColorListModel::kind() const
{
    return d->kind;
}

QModelIndex ColorListModel::indexOf(orb::ColorId id) const
{
    const int row = d->rowOf(id);
    return row < 0 ? QModelIndex() : index(row);
}

int ColorListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(d->rows.size());
}

QVariant ColorListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const ColorRow& row = d->rows[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return d->entry(row).name;
    case Qt::DecorationRole:
        return d->entry(row).color;
    case Qt::ToolTipRole: {
        const ColorEntry& e = d->entry(row);
        return tr("%1\nRGB %2, %3, %4").arg(e.name).arg(e.color.red()).arg(e.color.green()).arg(e.color.blue());
    }
    case IdRole:
        return row.id;
    default:
        return {};
    }
}

bool ColorListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    const QString name = value.toString();
    if (name.isEmpty())
        return false;
    if (name != d->entry(d->rows[index.row()]).name)
        d->scene->colorController()->setDisplayName(d->rows[index.row()].id, name.toStdString());
    return true;
}

Qt::ItemFlags ColorListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemNeverHasChildren;
}

} // namespace zsg
