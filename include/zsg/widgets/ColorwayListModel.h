#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbTypes.h>

#include <QAbstractListModel>

#include <memory>

namespace zsg {

class ISceneGraph;
template <typename> class RowSync;

/// The scene's colorways that are not deleted, the active one checked and bold; a rename is one undo step.
/// Applying one is the view's job (IColorController::applyColorway); the event queue's destruction empties the model.
class ZSG_WIDGETS_EXPORT ColorwayListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Role {
        IdRole = Qt::UserRole + 1,  // the orb::ColorwayId of a row
        ActiveRole,                 // bool
    };

    // A null scene gives an empty model.
    explicit ColorwayListModel(ISceneGraph* scene, QObject* parent = nullptr);
    ~ColorwayListModel() override;

    // Invalid for an id the model does not list.
    QModelIndex indexOf(orb::ColorwayId id) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // EditRole renames; an empty name is refused.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    template <typename> friend class RowSync;
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace zsg
