#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbTypes.h>

#include <QAbstractListModel>

#include <memory>

namespace zsg {

class ISceneGraph;
template <typename> class RowSync;

/// The scene's plain or multi colours in the database's order, following its events; a rename is one undo step.
/// The scene graph must outlive the model or at least its event queue, whose destruction empties the model.
class ZSG_WIDGETS_EXPORT ColorListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Kind { PlainColors, MultiColors };
    enum Role { IdRole = Qt::UserRole + 1 };  // the orb::ColorId of a row

    // A null scene gives an empty model.
    ColorListModel(ISceneGraph* scene, Kind kind, QObject* parent = nullptr);
    ~ColorListModel() override;

    Kind kind() const;
    // Invalid for an id the model does not list.
    QModelIndex indexOf(orb::ColorId id) const;

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
