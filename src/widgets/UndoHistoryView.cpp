#include <zsg/widgets/UndoHistoryView.h>

#include <zsg/platform/ZUndoStack.h>

namespace zsg {

UndoHistoryView::UndoHistoryView(ZUndoStack*, QWidget* parent) : QListView(parent) {}
UndoHistoryView::~UndoHistoryView() = default;
ZUndoStack* UndoHistoryView::stack() const { return nullptr; }

} // namespace zsg
