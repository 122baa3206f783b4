#include "ParameterEditor.h"

#include "ParameterValue.h"

#include <zsg/platform/ZColor.h>
#include <zsg/values/Parameter.h>
#include <zsg/values/Variant.h>

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>

#include <algorithm>
#include <climits>
#include <cmath>

namespace zsg {

using Gesture = ParameterPanel::Gesture;

namespace {

template <typename T>
T read(const Variant& value)
{
    T native{};
    value.getp(&native);
    return native;
}

QString unitSuffix(Quantity quantity)
{
    switch (quantity) {
    case Quantity::Length: return QLatin1Char(' ') + ParameterPanel::tr("units");
    case Quantity::Angle: return QStringLiteral("°");
    case Quantity::Percentage: return QStringLiteral("%");
    case Quantity::PixelLength: return QStringLiteral(" px");
    default: return {};
    }
}

// Lays out the children `first` (stretching) and `second` of their parent in a
// row without margins; returns the parent. Children made with their parent
// are not reparented, which costs more than making them.
QWidget* row(QWidget* first, QWidget* second)
{
    QWidget* container = first->parentWidget();
    auto* layout = new QHBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(first, 1);
    layout->addWidget(second);
    return container;
}

// A slider over the slider range and a spin box over the limits. The slider
// reports a drag as InProgress edits and its release as one Finished edit.
class FloatEditor : public ParameterEditor
{
public:
    static constexpr int SliderSteps = 1000;

    FloatEditor(const Parameter& parameter, Commit commit, QWidget* parent)
        : ParameterEditor(new QWidget(parent), std::move(commit))
        , m_slider(new QSlider(Qt::Horizontal, widget()))
        , m_spin(new QDoubleSpinBox(widget()))
    {
        row(m_slider, m_spin);
        float value = 0.0f;
        parameter.getp(&value);
        float low = 0.0f, high = 0.0f;
        const bool hasLimits = parameter.limits(low, high);
        if (!parameter.sliderRange(m_low, m_high) || !(m_low < m_high)) {
            if (hasLimits && low < high)
                m_low = low, m_high = high;
            else
                m_low = std::min(0.0f, value), m_high = std::max(1.0f, value);
        }
        // The step is a power of ten near a hundredth of the slider range.
        const double step = std::pow(10.0, std::floor(std::log10((double(m_high) - m_low) / 100.0)));
        m_spin->setDecimals(std::clamp(1 - int(std::floor(std::log10(step))), 1, 6));
        m_spin->setSingleStep(step);
        if (hasLimits)
            m_spin->setRange(low, high);
        else
            m_spin->setRange(-1e9, 1e9);
        m_spin->setSuffix(unitSuffix(parameter.quantity()));
        m_slider->setRange(0, SliderSteps);
        m_slider->setAccessibleName(parameter.displayName());
        m_spin->setAccessibleName(parameter.displayName());

        QObject::connect(m_slider, &QSlider::valueChanged, m_slider, [this](int position) {
            m_value = m_low + (m_high - m_low) * float(position) / SliderSteps;
            showInSpin();
            send(m_slider->isSliderDown() ? Gesture::InProgress : Gesture::Finished);
        });
        QObject::connect(m_slider, &QSlider::sliderReleased, m_slider, [this] { send(Gesture::Finished); });
        QObject::connect(m_spin, &QDoubleSpinBox::editingFinished, m_spin, [this] {
            if (m_spin->value() == m_spinShown)
                return;
            m_value = float(m_spin->value());
            showInSlider();
            send(Gesture::Finished);
        });
    }

    void setValue(const Variant& value) override
    {
        m_value = read<float>(value);
        showInSlider();
        showInSpin();
    }

private:
    void send(Gesture gesture) { commit(ValueVariant<float>(m_value), gesture); }

    void showInSlider()
    {
        const QSignalBlocker blocker(m_slider);
        m_slider->setValue(int(std::lround((m_value - m_low) / (m_high - m_low) * SliderSteps)));
    }

    void showInSpin()
    {
        const QSignalBlocker blocker(m_spin);
        m_spin->setValue(m_value);
        m_spinShown = m_spin->value();
    }

    QSlider* m_slider;
    QDoubleSpinBox* m_spin;
    float m_low = 0.0f;
    float m_high = 1.0f;
    float m_value = 0.0f;
    double m_spinShown = 0.0;
};

class IntegerEditor : public ParameterEditor
{
public:
    IntegerEditor(const Parameter& parameter, Commit commit, QWidget* parent)
        : ParameterEditor(new QSpinBox(parent), std::move(commit)), m_spin(static_cast<QSpinBox*>(widget()))
    {
        int low = INT_MIN, high = INT_MAX;
        parameter.limits(low, high);
        m_spin->setRange(low, high);
        m_spin->setSuffix(unitSuffix(parameter.quantity()));
        QObject::connect(m_spin, &QSpinBox::editingFinished, m_spin, [this] {
            if (m_spin->value() != m_shown)
                this->commit(ValueVariant<std::int32_t>(m_shown = m_spin->value()), Gesture::Finished);
        });
    }

    void setValue(const Variant& value) override
    {
        const QSignalBlocker blocker(m_spin);
        m_spin->setValue(read<std::int32_t>(value));
        m_shown = m_spin->value();
    }

private:
    QSpinBox* m_spin;
    int m_shown = 0;
};

class BooleanEditor : public ParameterEditor
{
public:
    BooleanEditor(Commit commit, QWidget* parent) : ParameterEditor(new QCheckBox(parent), std::move(commit))
    {
        auto* box = static_cast<QCheckBox*>(widget());
        QObject::connect(box, &QCheckBox::toggled, box,
                         [this](bool on) { this->commit(ValueVariant<bool>(on), Gesture::Finished); });
    }

    void setValue(const Variant& value) override
    {
        auto* box = static_cast<QCheckBox*>(widget());
        const QSignalBlocker blocker(box);
        box->setChecked(read<bool>(value));
    }
};

// Commits when editing finishes, and only a changed text: typing alone changes nothing.
class StringEditor : public ParameterEditor
{
public:
    StringEditor(Commit commit, QWidget* parent) : ParameterEditor(new QLineEdit(parent), std::move(commit))
    {
        auto* line = static_cast<QLineEdit*>(widget());
        QObject::connect(line, &QLineEdit::editingFinished, line, [this, line] {
            if (line->text() != m_shown)
                this->commit(ValueVariant<QString>(m_shown = line->text()), Gesture::Finished);
        });
    }

    void setValue(const Variant& value) override
    {
        auto* line = static_cast<QLineEdit*>(widget());
        const QSignalBlocker blocker(line);
        line->setText(m_shown = read<QString>(value));
    }

private:
    QString m_shown;
};

class FilePathEditor : public ParameterEditor
{
public:
    FilePathEditor(Commit commit, QWidget* parent)
        : ParameterEditor(new QWidget(parent), std::move(commit)), m_line(new QLineEdit(widget()))
    {
        auto* browse = new QToolButton(widget());
        row(m_line, browse);
        browse->setText(QStringLiteral("…"));
        browse->setAccessibleName(ParameterPanel::tr("Browse"));
        browse->setToolTip(ParameterPanel::tr("Browse"));
        QObject::connect(m_line, &QLineEdit::editingFinished, m_line, [this] { send(m_line->text()); });
        QObject::connect(browse, &QToolButton::clicked, browse, [this] {
            const QString path = QFileDialog::getOpenFileName(widget(), ParameterPanel::tr("Choose File"), m_line->text());
            if (!path.isEmpty()) {
                m_line->setText(path);
                send(path);
            }
        });
    }

    void setValue(const Variant& value) override
    {
        const QSignalBlocker blocker(m_line);
        m_line->setText(m_shown = read<FilePath>(value).toString());
    }

private:
    void send(const QString& path)
    {
        if (path != m_shown)
            commit(ValueVariant<FilePath>(FilePath(m_shown = path)), Gesture::Finished);
    }

    QLineEdit* m_line;
    QString m_shown;
};

class EnumerableEditor : public ParameterEditor
{
public:
    EnumerableEditor(Commit commit, QWidget* parent) : ParameterEditor(new QComboBox(parent), std::move(commit))
    {
        auto* combo = static_cast<QComboBox*>(widget());
        QObject::connect(combo, &QComboBox::activated, combo, [this, combo](int index) {
            Enumerable chosen = m_value;
            chosen.current = combo->itemData(index).toInt();
            this->commit(ValueVariant<Enumerable>(chosen), Gesture::Finished);
        });
    }

    void setValue(const Variant& value) override
    {
        auto* combo = static_cast<QComboBox*>(widget());
        const QSignalBlocker blocker(combo);
        const Enumerable shown = read<Enumerable>(value);
        if (!(shown == m_value) || combo->count() != shown.items.size()) {
            combo->clear();
            for (const Enumerable::Item& item : shown.items)
                combo->addItem(item.name, item.value);
        }
        m_value = shown;
        combo->setCurrentIndex(combo->findData(shown.current));
    }

private:
    Enumerable m_value;
};

// A swatch that opens a colour dialog. Moving through the dialog is a gesture in
// progress; choosing finishes it, and cancelling finishes it on the old colour.
template <typename T>
class ColorEditor : public ParameterEditor
{
public:
    ColorEditor(Commit commit, QWidget* parent) : ParameterEditor(new QToolButton(parent), std::move(commit))
    {
        auto* swatch = static_cast<QToolButton*>(widget());
        swatch->setToolButtonStyle(Qt::ToolButtonIconOnly);
        QObject::connect(swatch, &QToolButton::clicked, swatch, [this] { openDialog(); });
    }

    void setValue(const Variant& value) override
    {
        m_value = read<T>(value);
        QPixmap pixmap(24, 16);
        pixmap.fill(toQColor(m_value));
        static_cast<QToolButton*>(widget())->setIcon(pixmap);
    }

private:
    static constexpr bool HasAlpha = std::is_same_v<T, ZColorExtAlpha>;

    static QColor toQColor(const ZColorExt& color)
    {
        const orbColor_rgba c = color.rgba();
        const auto unit = [](float v) { return std::clamp(double(v), 0.0, 1.0); };
        return QColor::fromRgbF(unit(c.r), unit(c.g), unit(c.b), HasAlpha ? unit(c.a) : 1.0);
    }

    T withColor(const QColor& chosen) const
    {
        T result = m_value;
        const int index = std::max(0, result.activeIndex());
        const float alpha = HasAlpha ? float(chosen.alphaF()) : result.getActive().alpha();
        result.setColor(index, ZColor(ZColor::RGB, float(chosen.redF()), float(chosen.greenF()), float(chosen.blueF()),
                                      0.0f, alpha));
        return result;
    }

    void openDialog()
    {
        auto* dialog = new QColorDialog(toQColor(m_value), widget());
        dialog->setObjectName(QStringLiteral("colorDialog"));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setOption(QColorDialog::DontUseNativeDialog);
        dialog->setOption(QColorDialog::ShowAlphaChannel, HasAlpha);
        const T original = m_value;
        auto moved = std::make_shared<bool>(false);
        QObject::connect(dialog, &QColorDialog::currentColorChanged, dialog, [this, moved](const QColor& color) {
            *moved = true;
            commit(ValueVariant<T>(withColor(color)), Gesture::InProgress);
        });
        QObject::connect(dialog, &QColorDialog::colorSelected, dialog,
                         [this](const QColor& color) { commit(ValueVariant<T>(withColor(color)), Gesture::Finished); });
        QObject::connect(dialog, &QDialog::rejected, dialog, [this, moved, original] {
            if (*moved)
                commit(ValueVariant<T>(original), Gesture::Finished);
        });
        dialog->open();
    }

    T m_value;
};

class TextEditor : public ParameterEditor
{
public:
    explicit TextEditor(QWidget* parent) : ParameterEditor(new QLabel(parent), {})
    {
        static_cast<QLabel*>(widget())->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }

    void setValue(const Variant& value) override { static_cast<QLabel*>(widget())->setText(valueText(value)); }
};

} // namespace

ParameterEditor::~ParameterEditor() = default;

std::unique_ptr<ParameterEditor> createParameterEditor(const Parameter& parameter, ParameterEditor::Commit commit,
                                                       QWidget* parent)
{
    std::unique_ptr<ParameterEditor> editor;
    switch (parameter.type()) {
    case Type::Float: editor = std::make_unique<FloatEditor>(parameter, std::move(commit), parent); break;
    case Type::Integer: editor = std::make_unique<IntegerEditor>(parameter, std::move(commit), parent); break;
    case Type::Boolean: editor = std::make_unique<BooleanEditor>(std::move(commit), parent); break;
    case Type::String: editor = std::make_unique<StringEditor>(std::move(commit), parent); break;
    case Type::FilePath: editor = std::make_unique<FilePathEditor>(std::move(commit), parent); break;
    case Type::Enumerable: editor = std::make_unique<EnumerableEditor>(std::move(commit), parent); break;
    case Type::Color: editor = std::make_unique<ColorEditor<ZColorExt>>(std::move(commit), parent); break;
    case Type::ColorAlpha: editor = std::make_unique<ColorEditor<ZColorExtAlpha>>(std::move(commit), parent); break;
    default: editor = std::make_unique<TextEditor>(parent); break;
    }
    editor->widget()->setAccessibleName(parameter.displayName());
    return editor;
}

} // namespace zsg
