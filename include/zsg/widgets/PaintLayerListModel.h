#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbPainter.h>

#include <QAbstractListModel>

#include <memory>

namespace zsg {

class ISceneGraph;
template <typename> class RowSync;

/// One paint surface's layers that are not deleted, topmost first; each edit, a drag-and-drop move too, is one undo step.
/// An unknown or deleted surface, or a destroyed event queue, leaves it empty; deleting a surface posts nothing (refresh()).
class ZSG_WIDGETS_EXPORT PaintLayerListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Role {
        IdRole = Qt::UserRole + 1,  // the layer id (unique within the surface)
        BlendModeRole,              // int of orb::ColorBlendMode
        BackgroundColorRole,        // QColor
    };

    // A null scene gives an empty model.
    PaintLayerListModel(ISceneGraph* scene, orb::SurfaceId surface, QObject* parent = nullptr);
    ~PaintLayerListModel() override;

    orb::SurfaceId surfaceId() const;
    void setSurfaceId(orb::SurfaceId surface);
    // Re-reads the surface, for changes that announce nothing (a surface marked deleted).
    void refresh();
    // The surface's list index of the row (what IPainterSurface operations take), -1 for an invalid index.
    int listIndex(const QModelIndex& index) const;
    // Invalid for a layer the model does not list.
    QModelIndex indexOf(std::uint32_t layerId) const;
    // The translated name of a blend mode.
    static QString blendModeName(orb::ColorBlendMode mode);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // CheckStateRole, EditRole, BlendModeRole and BackgroundColorRole; bad values are refused.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    // Moves the one layer the data names (from this model's surface) before `row`, or before
    // `parent`'s row, or to the bottom.
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;
    // One row, placed before `destinationChild`: one IPainterSurface::moveLayer.
    bool moveRows(const QModelIndex& sourceParent, int sourceRow, int count,
                  const QModelIndex& destinationParent, int destinationChild) override;

private:
    template <typename> friend class RowSync;
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace zsg
