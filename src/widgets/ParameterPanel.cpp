#include <zsg/widgets/ParameterPanel.h>

#include "ParameterEditor.h"
#include "ParameterValue.h"

#include <zsg/values/Parameter.h>
#include <zsg/values/Variant.h>

#include <QGridLayout>
#include <QLabel>
#include <QToolButton>
#include <QVariantMap>

#include <algorithm>
#include <cmath>
#include <vector>

namespace zsg {

namespace {

// Why the panel will not edit the parameter; empty when it will.
QString problem(const Parameter& parameter)
{
    if (!parameter.isValid())
        return ParameterPanel::tr("This parameter is invalid.");
    if (typeName(parameter.type()) == QLatin1String("(invalid type)"))
        return ParameterPanel::tr("The value type %1 is unknown.").arg(int(parameter.type()));
    float low = 0.0f, high = 0.0f;
    int intLow = 0, intHigh = 0;
    if (parameter.limits(low, high) && !(low <= high))
        return ParameterPanel::tr("The minimum %1 is greater than the maximum %2.").arg(low).arg(high);
    if (parameter.limits(intLow, intHigh) && intLow > intHigh)
        return ParameterPanel::tr("The minimum %1 is greater than the maximum %2.").arg(intLow).arg(intHigh);
    if (parameter.type() == Type::Float && !parameter.isPure()) {
        float value = 0.0f;
        parameter.getp(&value);
        if (std::isnan(value))
            return ParameterPanel::tr("The value is not a number.");
    }
    return {};
}

} // namespace

struct ParameterPanel::Private
{
    struct Row
    {
        Parameter parameter;
        std::unique_ptr<Variant> defaultValue;  // null for rows that cannot be edited
        std::unique_ptr<ParameterEditor> editor;
        QLabel* label = nullptr;
        QWidget* field = nullptr;
        QToolButton* reset = nullptr;
    };

    ParameterPanel* q;
    QGridLayout* layout;
    EditHandler handler;
    std::vector<std::unique_ptr<Row>> rows;

    Row* row(const QString& name) const
    {
        for (const auto& r : rows)
            if (r->parameter.name() == name)
                return r.get();
        return nullptr;
    }

    void addRow(const Parameter& parameter);
    void commit(Row& row, const Variant& value, Gesture gesture);
    void show(Row& row);
    void markDefault(Row& row);
};

void ParameterPanel::Private::addRow(const Parameter& parameter)
{
    if (parameter.isValid() && parameter.metaData().toMap().value(QStringLiteral("hidden")).toBool())
        return;
    auto row = std::make_unique<Row>();
    Row& r = *row;
    r.parameter = parameter;
    const int line = layout->rowCount();
    const QString why = problem(parameter);
    r.label = new QLabel(parameter.isValid() ? parameter.displayName() : parameter.name(), q);
    if (why.isEmpty())
        r.defaultValue = readValue(parameter);
    if (r.defaultValue) {
        r.editor = createParameterEditor(
            parameter, [this, &r](const Variant& value, Gesture gesture) { commit(r, value, gesture); }, q);
        r.field = r.editor->widget();
        r.field->setToolTip(parameter.toolTip());
        r.field->setEnabled(parameter.isEnabled());
        r.editor->setValue(*r.defaultValue);
        r.reset = new QToolButton(q);
        r.reset->setText(QStringLiteral("↺"));
        r.reset->setToolTip(tr("Reset to default"));
        r.reset->setAccessibleName(tr("Reset %1 to default").arg(parameter.displayName()));
        r.reset->setEnabled(false);
        QObject::connect(r.reset, &QToolButton::clicked, q, [this, name = parameter.name()] { q->resetToDefault(name); });
        layout->addWidget(r.reset, line, 2);
    } else {
        // Shown so the user sees the parameter exists, but nothing can be edited.
        auto* text = new QLabel(why.isEmpty() ? QString::fromLatin1(typeName(parameter.type())) : why, q);
        text->setEnabled(false);
        text->setToolTip(why.isEmpty() ? tr("This parameter has no value to edit.") : why);
        r.field = text;
        r.label->setEnabled(false);
    }
    r.label->setToolTip(r.field->toolTip());
    r.label->setBuddy(r.field);
    layout->addWidget(r.label, line, 0);
    layout->addWidget(r.field, line, 1);
    rows.push_back(std::move(row));
}

void ParameterPanel::Private::commit(Row& row, const Variant& value, Gesture gesture)
{
    // Copies: the handler may rebuild the panel, deleting the row.
    const Parameter parameter = row.parameter;
    const QString name = parameter.name();
    if (handler)
        handler(parameter, value, gesture);
    else
        writeValue(parameter, value);
    Row* still = this->row(name);
    if (!still)
        return;
    // A drag keeps its own editor state; afterwards the editor shows what the parameter took.
    if (gesture == Gesture::Finished)
        show(*still);
    else
        markDefault(*still);
}

void ParameterPanel::Private::show(Row& row)
{
    if (!row.editor)
        return;
    if (const auto value = readValue(row.parameter))
        row.editor->setValue(*value);
    markDefault(row);
}

void ParameterPanel::Private::markDefault(Row& row)
{
    const bool differs = q->differsFromDefault(row.parameter.name());
    QFont font = row.label->font();
    font.setBold(differs);
    row.label->setFont(font);
    row.reset->setEnabled(differs && row.parameter.isEnabled());
}

ParameterPanel::ParameterPanel(QWidget* parent) : QWidget(parent), d(std::make_unique<Private>())
{
    d->q = this;
    d->layout = new QGridLayout(this);
    d->layout->setColumnStretch(1, 1);
}

ParameterPanel::~ParameterPanel()
{
    // The editors' widgets are the panel's children, which QWidget deletes after
    // the rows and their editors; a focus change on the way (a line edit
    // finishing its editing) must reach neither a freed editor nor a handler.
    for (QObject* child : findChildren<QObject*>())
        child->blockSignals(true);
}

void ParameterPanel::setEditHandler(EditHandler handler)
{
    d->handler = std::move(handler);
}

void ParameterPanel::setParameters(const QList<Parameter>& parameters)
{
    while (!d->rows.empty())
        removeParameter(d->rows.back()->parameter.name());
    for (const Parameter& parameter : parameters)
        d->addRow(parameter);
}

QList<Parameter> ParameterPanel::parameters() const
{
    QList<Parameter> result;
    for (const auto& row : d->rows)
        result << row->parameter;
    return result;
}

void ParameterPanel::setDefaultValue(const QString& name, const Variant& value)
{
    Private::Row* row = d->row(name);
    if (!row || !row->defaultValue || value.type() != row->parameter.type())
        return;
    row->defaultValue = copyValue(value);
    d->markDefault(*row);
}

void ParameterPanel::refresh()
{
    for (const auto& row : d->rows)
        d->show(*row);
}

void ParameterPanel::refresh(const QString& name)
{
    if (Private::Row* row = d->row(name))
        d->show(*row);
}

void ParameterPanel::removeParameter(const QString& name)
{
    const auto it = std::find_if(d->rows.begin(), d->rows.end(),
                                 [&](const auto& row) { return row->parameter.name() == name; });
    if (it == d->rows.end())
        return;
    Private::Row& row = **it;
    // Deleting a focused editor moves the focus; its own widgets stay silent.
    for (QWidget* widget : {static_cast<QWidget*>(row.label), row.field, static_cast<QWidget*>(row.reset)}) {
        if (!widget)
            continue;
        widget->blockSignals(true);
        for (QObject* child : widget->findChildren<QObject*>())
            child->blockSignals(true);
    }
    delete row.label;
    delete row.field;
    delete row.reset;
    d->rows.erase(it);
}

QWidget* ParameterPanel::editor(const QString& name) const
{
    const Private::Row* row = d->row(name);
    return row ? row->field : nullptr;
}

bool ParameterPanel::differsFromDefault(const QString& name) const
{
    const Private::Row* row = d->row(name);
    if (!row || !row->defaultValue)
        return false;
    const auto value = readValue(row->parameter);
    return value && !sameValue(*value, *row->defaultValue);
}

void ParameterPanel::resetToDefault(const QString& name)
{
    Private::Row* row = d->row(name);
    if (row && row->defaultValue && row->parameter.isEnabled()) {
        const auto value = copyValue(*row->defaultValue);  // the commit may replace the default
        d->commit(*row, *value, Gesture::Finished);
    }
}

} // namespace zsg
