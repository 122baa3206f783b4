#pragma once

#include <QAbstractListModel>
#include <QIcon>
#include <QPointer>
#include <QStringList>

#include <zsg/platform/ZUndoStack.h>

namespace zsg {


/// The rows of an undo history: "<empty>", then the texts of the commands. It
/// copies the stack's state on each stack signal, so a macro that is still open
/// (the stack stays silent) shows nothing new until it ends.
class UndoHistoryModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit UndoHistoryModel(ZUndoStack* stack, QObject* parent = nullptr);

    ZUndoStack* stack() const { return m_stack; }
    // The row of the stack's current index.
    int currentRow() const { return m_index; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

signals:
    void synced();

private:
    void sync();

    QPointer<ZUndoStack> m_stack;
    QStringList m_texts;
    int m_index = 0;
    int m_clean = 0;
    QIcon m_cleanIcon;
};

} // namespace zsg
