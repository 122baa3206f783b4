#include <zsg/widgets/UndoHistoryView.h>

#include "UndoHistoryModel.h"

#include <zsg/platform/ZUndoStack.h>

namespace zsg {

UndoHistoryView::UndoHistoryView(ZUndoStack* stack, QWidget* parent) : QListView(parent)
{
    auto* model = new UndoHistoryModel(stack, this);
    setModel(model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAccessibleName(tr("Undo history"));
    const auto select = [this, model] {
        const QModelIndex current = model->index(model->currentRow());
        if (current != currentIndex())
            selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect);
    };
    connect(model, &UndoHistoryModel::synced, this, select);
    // A row the user picks is where the stack goes; steps are taken one at a
    // time so every command's undo or redo runs. The stack's signals then
    // select the row it reached.
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [model](const QModelIndex& row) {
        ZUndoStack* stack = model->stack();
        if (!stack || !row.isValid())
            return;
        // A failed command still moves the index: only a refusal stops the walk.
        for (int at = stack->index(); at != row.row(); at = stack->index()) {
            at > row.row() ? stack->undo() : stack->redo();
            if (stack->index() == at)
                break;
        }
    });
    select();
}

UndoHistoryView::~UndoHistoryView() = default;

ZUndoStack* UndoHistoryView::stack() const
{
    return static_cast<UndoHistoryModel*>(model())->stack();
}

} // namespace zsg
