#pragma once

#include <zsg/Export.h>

#include <QListView>

namespace zsg {

class ZUndoStack;

/// A ZUndoStack as a list: "<empty>", then each command's text, the current index
/// selected and the clean state marked. Clicking a row undoes or redoes to it.
/// The stack may die first: the view then shows nothing.
class ZSG_WIDGETS_EXPORT UndoHistoryView : public QListView
{
    Q_OBJECT

public:
    explicit UndoHistoryView(ZUndoStack* stack, QWidget* parent = nullptr);
    ~UndoHistoryView() override;

    ZUndoStack* stack() const;
};

} // namespace zsg
