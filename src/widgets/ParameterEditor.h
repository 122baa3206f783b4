#pragma once
// The editor of one panel row, built from the parameter's description by a
// factory per type. Editors show values and report edits; they never write the
// parameter themselves.

#include <zsg/widgets/ParameterPanel.h>

#include <functional>
#include <memory>

class QWidget;

namespace zsg {

class Parameter;
class Variant;

class ParameterEditor
{
public:
    // Receives each edit as a holder of the parameter's type.
    using Commit = std::function<void(const Variant& value, ParameterPanel::Gesture gesture)>;

    virtual ~ParameterEditor();
    ParameterEditor(const ParameterEditor&) = delete;
    ParameterEditor& operator=(const ParameterEditor&) = delete;

    // Owned by the widget's parent.
    QWidget* widget() const { return m_widget; }
    // Shows `value` (a holder of the parameter's type) without reporting an edit.
    virtual void setValue(const Variant& value) = 0;

protected:
    ParameterEditor(QWidget* widget, Commit commit) : m_widget(widget), m_commit(std::move(commit)) {}
    void commit(const Variant& value, ParameterPanel::Gesture gesture) const { m_commit(value, gesture); }

private:
    QWidget* m_widget;
    Commit m_commit;
};

// The editor for the parameter's type; a read-only text for types without one.
// The parameter must be valid and hold a value.
std::unique_ptr<ParameterEditor> createParameterEditor(const Parameter& parameter, ParameterEditor::Commit commit,
                                                       QWidget* parent);

} // namespace zsg
