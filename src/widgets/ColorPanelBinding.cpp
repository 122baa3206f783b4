#include <zsg/widgets/ColorPanelBinding.h>

namespace zsg {

struct ColorPanelBinding::Private
{
    orb::ColorId color;
};

ColorPanelBinding::ColorPanelBinding(ParameterPanel*, ISceneGraph*, orb::ColorId color, QObject* parent)
    : QObject(parent), d(std::make_unique<Private>(color)) {}
ColorPanelBinding::~ColorPanelBinding() = default;
orb::ColorId ColorPanelBinding::color() const { return d->color; }

} // namespace zsg
