#include <zsg/widgets/BrushPanelBinding.h>

#include "ParameterValue.h"
#include "ZBrushParameterCommand.h"

#include <zsg/paint/IPainterBrush.h>
#include <zsg/paint/ZPainterBrush.h>
#include <zsg/platform/ZUndoStack.h>
#include <zsg/values/Variant.h>
#include <zsg/widgets/ParameterPanel.h>

#include <QHash>
#include <QPointer>

namespace zsg {

struct BrushPanelBinding::Private
{
    QPointer<ParameterPanel> panel;
    IPainterBrush* brush;
    QPointer<ZUndoStack> undo;
    // The value each parameter had when its current gesture began.
    QHash<QString, std::shared_ptr<Variant>> gestureStart;
    // Held by the commands weakly: they outlive the binding on the stack.
    std::shared_ptr<ZBrushParameterCommand::Writer> setValueInternal;

    void edit(const Parameter& parameter, const Variant& value, ParameterPanel::Gesture gesture);
};

void BrushPanelBinding::Private::edit(const Parameter& parameter, const Variant& value, ParameterPanel::Gesture gesture)
{
    const QString name = parameter.name();
    if (!gestureStart.contains(name))
        gestureStart.insert(name, readValue(parameter));
    if (gesture == ParameterPanel::Gesture::InProgress) {
        (*setValueInternal)(name, value);  // live, no step: the release makes the step
        return;
    }
    const std::shared_ptr<Variant> before = gestureStart.take(name);
    if (!before || sameValue(*before, value) || !undo) {
        // Nothing to undo: a click without a move, or a drag back to where it began.
        (*setValueInternal)(name, value);
        return;
    }
    undo->push(new ZBrushParameterCommand(setValueInternal, name, parameter.displayName(), copyValue(*before),
                                          copyValue(value)));
}

BrushPanelBinding::BrushPanelBinding(ParameterPanel* panel, IPainterBrush* brush, ZUndoStack* undo, QObject* parent)
    : QObject(parent), d(std::make_unique<Private>())
{
    d->panel = panel;
    d->brush = brush;
    d->undo = undo;
    Private* p = d.get();
    d->setValueInternal = std::make_shared<ZBrushParameterCommand::Writer>(
        [p](const QString& name, const Variant& value) {
            const Parameter parameter = p->brush->parameter(name);
            if (!parameter.isValid())
                return false;
            // Some settings live twice, in the brush and in its graph (a percentage
            // and its fraction), and the binding cannot tell which copy a parameter
            // edits: sync both ways around the write so the edited copy wins, then
            // write once more to undo the rounding of the round trip.
            writeValue(parameter, value);
            p->brush->readFromNode();
            writeValue(parameter, value);
            p->brush->writeToNode();
            writeValue(parameter, value);
            if (p->panel)
                p->panel->refresh();  // the mirror of the setting changed too
            return true;
        });
    if (!panel || !brush)
        return;
    QList<Parameter> parameters;
    for (const QString& name : ZPainterBrush::parameterNames()) {
        const Parameter parameter = brush->parameter(name);
        if (parameter.isValid())
            parameters << parameter;
    }
    panel->setParameters(parameters);
    panel->setEditHandler([p](const Parameter& parameter, const Variant& value, ParameterPanel::Gesture gesture) {
        p->edit(parameter, value, gesture);
    });
}

BrushPanelBinding::~BrushPanelBinding()
{
    if (d->panel)
        d->panel->setEditHandler({});
}

} // namespace zsg
