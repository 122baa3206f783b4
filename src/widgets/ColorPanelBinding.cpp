#include <zsg/widgets/ColorPanelBinding.h>

#include <zsg/color/IColorController.h>
#include <zsg/color/IColorDB.h>
#include <zsg/color/IColorExtEdit.h>
#include <zsg/scenegraph/Event.h>
#include <zsg/scenegraph/IEventListener.h>
#include <zsg/scenegraph/IEventQueue.h>
#include <zsg/scenegraph/ISceneGraph.h>
#include <zsg/values/Parameter.h>
#include <zsg/values/Variant.h>
#include <zsg/widgets/ParameterPanel.h>

#include <QPointer>

namespace zsg {

namespace {
const QString NameKey = QStringLiteral("name");
const QString ColorKey = QStringLiteral("color");
} // namespace

struct ColorPanelBinding::Private : IEventListener
{
    QPointer<ParameterPanel> panel;
    ISceneGraph* graph = nullptr;
    orb::ColorId color = orb::InvalidId;
    // The binding's own copies of the colour's name and value, which the panel edits.
    Parameter name;
    Parameter value;

    void handleEvent(Event* event) override;
    void edit(const Parameter& parameter, const Variant& edited, ParameterPanel::Gesture gesture) const;
    // Re-reads the colour into the parameters; false when it is gone.
    bool read();
};

bool ColorPanelBinding::Private::read()
{
    IColorExtEdit* view = graph->colorDB()->getColorParameters(color);
    if (!view)
        return false;
    const QString text = QString::fromStdString(view->displayName());
    const ZColorExt current = graph->colorDB()->colorFromId(color);
    name.setp(&text);
    value.setp(&current);
    return true;
}

void ColorPanelBinding::Private::handleEvent(Event* event)
{
    if (color == orb::InvalidId)
        return;
    if (event->type() == EventType::ColorIdChanged) {
        const auto* change = static_cast<ColorIdChangeEvent*>(event);
        if (change->oldColorId() != color)
            return;
        color = change->newColorId();
    }
    // Any colour event may be the one after which this colour is gone.
    if (read()) {
        if (panel)
            panel->refresh();
        return;
    }
    color = orb::InvalidId;
    if (panel) {
        panel->removeParameter(NameKey);
        panel->removeParameter(ColorKey);
    }
}

void ColorPanelBinding::Private::edit(const Parameter& parameter, const Variant& edited,
                                      ParameterPanel::Gesture gesture) const
{
    if (color == orb::InvalidId)
        return;
    if (parameter.name() == NameKey) {
        QString text;
        edited.getp(&text);
        graph->colorController()->setDisplayName(color, text.toStdString());
    } else if (parameter.name() == ColorKey) {
        ZColorExt chosen;
        edited.getp(&chosen);
        // The drag merges into one step, which the release closes.
        graph->colorController()->setColor(color, chosen.getActive(),
                                           gesture == ParameterPanel::Gesture::InProgress ? ContinueMerge : FinishMerge);
    }
}

ColorPanelBinding::ColorPanelBinding(ParameterPanel* panel, ISceneGraph* graph, orb::ColorId color, QObject* parent)
    : QObject(parent), d(std::make_unique<Private>())
{
    d->panel = panel;
    d->graph = graph;
    d->color = color;
    d->name = Parameter::Builder(NameKey, tr("Name")).value(new ValueVariant<QString>());
    d->value = Parameter::Builder(ColorKey, tr("Color")).value(new ValueVariant<ZColorExt>());
    if (!graph || !panel || !d->read()) {
        d->color = orb::InvalidId;
        return;
    }
    for (EventType type : {EventType::ColorUpdated, EventType::ColorSynced, EventType::ColorIdChanged})
        graph->eventQueue()->addListener(d.get(), type);
    panel->setParameters({d->name, d->value});
    panel->setEditHandler([p = d.get()](const Parameter& parameter, const Variant& edited,
                                        ParameterPanel::Gesture gesture) { p->edit(parameter, edited, gesture); });
}

ColorPanelBinding::~ColorPanelBinding()
{
    if (d->graph)
        d->graph->eventQueue()->removeListener(d.get());
    if (d->panel)
        d->panel->setEditHandler({});
}

orb::ColorId ColorPanelBinding::color() const
{
    return d->color;
}

} // namespace zsg
