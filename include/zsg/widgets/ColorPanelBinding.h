#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbTypes.h>

#include <QObject>

#include <memory>

namespace zsg {

class ISceneGraph;
class ParameterPanel;

/// Shows one colour's name and value in a panel and edits them through the colour
/// controller: a colour drag is one undo step. Follows the colour's events and
/// removes its rows when the colour vanishes. The scene graph must outlive the binding.
class ZSG_WIDGETS_EXPORT ColorPanelBinding : public QObject
{
    Q_OBJECT

public:
    // Sets the panel's parameters and edit handler; none of the pointers is owned.
    ColorPanelBinding(ParameterPanel* panel, ISceneGraph* graph, orb::ColorId color, QObject* parent = nullptr);
    ~ColorPanelBinding() override;

    orb::ColorId color() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace zsg
