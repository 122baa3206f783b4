#include "UndoHistoryModel.h"

#include <zsg/platform/ZUndoStack.h>

#include <QApplication>
#include <QStyle>

namespace zsg {

UndoHistoryModel::UndoHistoryModel(ZUndoStack* stack, QObject* parent)
    : QAbstractListModel(parent), m_stack(stack),
      m_cleanIcon(QApplication::style()->standardIcon(QStyle::SP_DialogSaveButton))
{
    if (stack) {
        connect(stack, &ZUndoStack::indexChanged, this, &UndoHistoryModel::sync);
        connect(stack, &ZUndoStack::cleanChanged, this, &UndoHistoryModel::sync);
        // A merge changes the top command's text without moving the index.
        connect(stack, &ZUndoStack::undoTextChanged, this, &UndoHistoryModel::sync);
        connect(stack, &QObject::destroyed, this, &UndoHistoryModel::sync);
    }
    sync();
}

int UndoHistoryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_texts.size());
}

QVariant UndoHistoryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return m_texts[index.row()];
    if (role == Qt::DecorationRole && index.row() == m_clean)
        return m_cleanIcon;
    return {};
}

void UndoHistoryModel::sync()
{
    QStringList texts;
    if (m_stack) {
        texts << tr("<empty>");
        for (int i = 0; i < m_stack->count(); ++i)
            texts << m_stack->text(i);
    }
    const int index = m_stack ? m_stack->index() : 0;
    const int clean = m_stack ? m_stack->cleanIndex() : -1;
    if (texts.size() != m_texts.size()) {
        beginResetModel();
        m_texts = texts;
        m_index = index;
        m_clean = clean;
        endResetModel();
    } else if (texts != m_texts || clean != m_clean || index != m_index) {
        m_texts = texts;
        m_index = index;
        m_clean = clean;
        emit dataChanged(this->index(0), this->index(int(m_texts.size()) - 1));
    }
    emit synced();
}

} // namespace zsg
