#include <zsg/widgets/BrushPanelBinding.h>

namespace zsg {

struct BrushPanelBinding::Private
{
};

BrushPanelBinding::BrushPanelBinding(ParameterPanel*, IPainterBrush*, ZUndoStack*, QObject* parent)
    : QObject(parent), d(std::make_shared<Private>()) {}
BrushPanelBinding::~BrushPanelBinding() = default;

} // namespace zsg
