#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbTypes.h>

#include <QAbstractItemModel>

#include <memory>

namespace zsg {

class ISceneGraph;
class ZUndoStack;
template <typename> class RowSync;

/// Light layers that are not deleted with their lights as children, as the API's mirror lists them; a rename is one undo step.
/// The model never syncs the mirror (the host does after the renderer changed); the event queue's destruction empties it.
class ZSG_WIDGETS_EXPORT LightLayerTreeModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    enum Role {
        IdRole = Qt::UserRole + 1,  // a layer's orb::LightLayerId, a light's orb::ObjectId
        FlagsRole,                  // a layer's flags word (uint); setting it is not undoable
    };

    // A null scene gives an empty model; a null undo stack makes renaming not undoable.
    LightLayerTreeModel(ISceneGraph* scene, ZUndoStack* undoStack, QObject* parent = nullptr);
    ~LightLayerTreeModel() override;

    // Invalid for a layer the model does not list.
    QModelIndex indexOf(orb::LightLayerId layer) const;
    // Renames the layer as one undo step (the library makes the name unique); false for an
    // empty or unchanged name or a layer the model does not list.
    bool setLayerName(orb::LightLayerId layer, const QString& name);

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // EditRole on a layer renames it (setLayerName), FlagsRole sets its flags.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    template <typename> friend class RowSync;
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace zsg
