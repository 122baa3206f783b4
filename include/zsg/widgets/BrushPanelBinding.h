#pragma once

#include <zsg/Export.h>

#include <QObject>

#include <memory>

namespace zsg {

class IPainterBrush;
class ParameterPanel;
class ZUndoStack;

/// Shows every parameter of a brush in a panel and turns each finished gesture
/// into one undo step; drags write the brush (and its node graph) live.
/// Destroy the binding before the brush: its commands then do nothing.
class ZSG_WIDGETS_EXPORT BrushPanelBinding : public QObject
{
    Q_OBJECT

public:
    // Sets the panel's parameters and edit handler; none of the pointers is owned.
    BrushPanelBinding(ParameterPanel* panel, IPainterBrush* brush, ZUndoStack* undo, QObject* parent = nullptr);
    ~BrushPanelBinding() override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace zsg
