#pragma once

#include <zsg/Export.h>

#include <QList>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

namespace zsg {

class Parameter;
class Variant;

/// One editor row per Parameter: label, editor, a "changed from default" mark and
/// a reset button. Rows hold the parameters, so their value holders must stay alive.
/// Edits go to the edit handler; without one the panel writes the parameter itself.
/// A parameter whose metadata map has "hidden" set gets no row; one the panel cannot
/// edit safely (invalid, unknown type, minimum above maximum, NaN) gets a disabled row
/// whose tooltip says why.
class ZSG_WIDGETS_EXPORT ParameterPanel : public QWidget
{
    Q_OBJECT

public:
    /// A slider drag sends InProgress edits while it moves and one Finished edit on
    /// release; every other editor sends Finished only.
    enum class Gesture { InProgress, Finished };
    Q_ENUM(Gesture)

    // `value` is a holder of the parameter's type carrying the new value; it lives
    // only for the call.
    using EditHandler = std::function<void(const Parameter& parameter, const Variant& value, Gesture gesture)>;

    explicit ParameterPanel(QWidget* parent = nullptr);
    ~ParameterPanel() override;

    // Replaces the handler; an empty one makes the panel write with setp (no undo).
    void setEditHandler(EditHandler handler);

    // Rebuilds every row; each row's default is the value its parameter holds now.
    // No parameter may be null (default-constructed): a null one cannot be asked anything.
    void setParameters(const QList<Parameter>& parameters);
    QList<Parameter> parameters() const;
    // Overrides the row's default with a copy of `value`; ignored for a holder of another type.
    void setDefaultValue(const QString& name, const Variant& value);

    // Re-read values into the editors, calling no handler.
    void refresh();
    void refresh(const QString& name);

    void removeParameter(const QString& name);
    // The row's editor (for a Float, the widget holding slider and spin box); null
    // for an unknown name. Owned by the panel.
    QWidget* editor(const QString& name) const;
    bool differsFromDefault(const QString& name) const;
    // Sends the row's default through the handler as one Finished edit.
    void resetToDefault(const QString& name);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace zsg
