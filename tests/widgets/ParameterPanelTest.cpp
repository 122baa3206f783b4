// The panel on its own: which rows it refuses and why, when editors commit,
// and the default mark with its reset, over parameters the test owns.

#include "ParameterValue.h"

#include <zsg/values/Parameter.h>
#include <zsg/values/Variant.h>
#include <zsg/widgets/ParameterPanel.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <cmath>
#include <limits>

using namespace zsg;
using Gesture = ParameterPanel::Gesture;

namespace {

// A holder of a type number the library does not know.
struct StrangeVariant : Variant {
    Type type() const override { return Type(99); }
};

template <typename T>
Parameter holding(T value = T{})
{
    return Parameter::Builder("p", "P").value(new ValueVariant<T>(std::move(value)));
}

Parameter floatParameter(float value, float low, float high)
{
    return Parameter::Builder("p", "P").value(new ValueVariant<float>(value)).limits(low, high);
}

Parameter intParameter(std::int32_t value, float low, float high)
{
    return Parameter::Builder("p", "P").value(new ValueVariant<std::int32_t>(value)).limits(low, high);
}

QLabel* labelOf(const ParameterPanel& panel, const QString& name)
{
    for (QLabel* label : panel.findChildren<QLabel*>())
        if (label->buddy() == panel.editor(name))
            return label;
    return nullptr;
}

struct Edit {
    Gesture gesture;
    QString text;
};

} // namespace

class ParameterPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void badInputRowsAreDisabledWithTheReason_data()
    {
        QTest::addColumn<Parameter>("parameter");
        QTest::addColumn<QString>("reason");  // empty: an editable row
        const float nan = std::numeric_limits<float>::quiet_NaN();
        QTest::newRow("float minimum above maximum") << floatParameter(0.5f, 2, 1)
                                                     << "The minimum 2 is greater than the maximum 1.";
        QTest::newRow("integer minimum above maximum") << intParameter(3, 5, 1)
                                                       << "The minimum 5 is greater than the maximum 1.";
        QTest::newRow("NaN limit") << floatParameter(0.5f, nan, 1) << "The minimum nan is greater than the maximum 1.";
        QTest::newRow("NaN value") << floatParameter(nan, 0, 1) << "The value is not a number.";
        QTest::newRow("no holder") << Parameter(Parameter::Builder("p", "P").value(nullptr))
                                   << "This parameter is invalid.";
        QTest::newRow("unknown type") << Parameter(Parameter::Builder("p", "P").value(new StrangeVariant))
                                      << "The value type 99 is unknown.";
        QTest::newRow("equal limits") << floatParameter(1, 1, 1) << QString();
        QTest::newRow("equal integer limits") << intParameter(3, 3, 3) << QString();
        QTest::newRow("fine") << floatParameter(0.5f, 0, 1) << QString();
        QTest::newRow("colour with alpha") << holding<ZColorExtAlpha>() << QString();
    }

    void badInputRowsAreDisabledWithTheReason()
    {
        QFETCH(Parameter, parameter);
        QFETCH(QString, reason);
        ParameterPanel panel;
        panel.setParameters({parameter});
        QWidget* editor = panel.editor("p");
        QVERIFY(editor);
        QCOMPARE(editor->isEnabled(), reason.isEmpty());
        QCOMPARE(labelOf(panel, "p")->isEnabled(), reason.isEmpty());
        if (!reason.isEmpty())
            QCOMPARE(editor->toolTip(), reason);
        panel.resetToDefault("p");  // must neither crash nor write
        QVERIFY(!panel.differsFromDefault("p"));
    }

    void flagsDecideEditableAndShown()
    {
        Parameter readOnly = Parameter::Builder("ro", "Read only").value(new ValueVariant<bool>(true)).enabled(false)
                                 .toolTip("Why not");
        Parameter hidden = Parameter::Builder("h", "Hidden").value(new ValueVariant<bool>(true));
        hidden.setMetaData(QVariantMap{{"hidden", true}});
        Parameter shown = Parameter::Builder("s", "Shown").value(new ValueVariant<bool>(true));
        shown.setMetaData(QVariantMap{{"hidden", false}});
        ParameterPanel panel;
        panel.setParameters({readOnly, hidden, shown});
        QVERIFY(!panel.editor("ro")->isEnabled());
        QCOMPARE(panel.editor("ro")->toolTip(), "Why not");
        QVERIFY(!panel.editor("h"));
        QVERIFY(panel.editor("s")->isEnabled());
        QCOMPARE(panel.parameters().size(), 2);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        // Label, editor and reset side by side on one line; each editor named for assistive tools.
        QWidget* editor = panel.editor("s");
        const QList<QToolButton*> resets = panel.findChildren<QToolButton*>();
        QCOMPARE(resets.size(), 2);
        QVERIFY(labelOf(panel, "s")->geometry().right() < editor->geometry().left());
        QVERIFY(editor->geometry().right() < resets[1]->geometry().left());
        QCOMPARE(resets[1]->geometry().center().y(), editor->geometry().center().y());
        QCOMPARE(editor->accessibleName(), "Shown");
        QCOMPARE(resets[1]->accessibleName(), "Reset Shown to default");
        const bool off = false;
        readOnly.setp(&off);
        panel.resetToDefault("ro");  // a read-only row is not reset either
        QVERIFY(panel.differsFromDefault("ro"));
        panel.setParameters({shown});  // replaces every row
        QCOMPARE(panel.parameters().size(), 1);
        QVERIFY(!panel.editor("ro"));
    }

    void descriptionsShapeTheNumberEditors_data()
    {
        QTest::addColumn<Parameter>("parameter");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<double>("step");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<int>("sliderAt");  // of 1000
        QTest::addColumn<int>("decimals");
        const auto number = [](float value, const char* help, Quantity quantity) {
            return Parameter::Builder("p", "P").value(new ValueVariant<float>(value)).help(help).quantity(quantity);
        };
        QTest::newRow("limits") << floatParameter(0.5f, 0, 10) << 0.0 << 10.0 << 0.1 << "" << 50 << 2;
        QTest::newRow("range hint") << Parameter(number(250, "-range,0,1000-", Quantity::Percentage)) << -1e9 << 1e9
                                    << 10.0 << "%" << 250 << 1;
        QTest::newRow("spin hint") << Parameter(number(0.1f, "-spin,0,0.5,0.01-", Quantity::Angle)) << -1e9 << 1e9
                                   << 0.001 << "°" << 200 << 4;
        QTest::newRow("no hint") << Parameter(number(0.25f, nullptr, Quantity::Length)) << -1e9 << 1e9 << 0.01
                                 << " units" << 250 << 3;
        QTest::newRow("no hint, value above 1") << Parameter(number(40, nullptr, Quantity::None)) << -1e9 << 1e9 << 0.1
                                                << "" << 1000 << 2;
        QTest::newRow("integer") << Parameter(Parameter::Builder("p", "P").value(new ValueVariant<std::int32_t>(3))
                                                  .limits(2, 7).quantity(Quantity::PixelLength))
                                 << 2.0 << 7.0 << 1.0 << " px" << 0 << 0;
    }

    void descriptionsShapeTheNumberEditors()
    {
        QFETCH(Parameter, parameter);
        QFETCH(double, minimum);
        QFETCH(double, maximum);
        QFETCH(double, step);
        QFETCH(QString, suffix);
        QFETCH(int, sliderAt);
        QFETCH(int, decimals);
        ParameterPanel panel;
        panel.setParameters({parameter});
        QWidget* editor = panel.editor("p");
        if (auto* spin = qobject_cast<QSpinBox*>(editor)) {
            QCOMPARE(spin->minimum(), minimum);
            QCOMPARE(spin->maximum(), maximum);
            QCOMPARE(spin->value(), 3);
            QCOMPARE(spin->suffix(), suffix);
            return;
        }
        auto* spin = editor->findChild<QDoubleSpinBox*>();
        QCOMPARE(spin->minimum(), minimum);
        QCOMPARE(spin->maximum(), maximum);
        QCOMPARE(spin->singleStep(), step);
        QCOMPARE(spin->suffix(), suffix);
        QCOMPARE(spin->decimals(), decimals);
        QCOMPARE(editor->findChild<QSlider*>()->value(), sliderAt);
        QCOMPARE(editor->findChild<QSlider*>()->accessibleName(), "P");
    }

    void otherTypesShowTheirText_data()
    {
        QTest::addColumn<Parameter>("parameter");
        QTest::addColumn<QString>("text");
        QTest::newRow("float3") << holding<orbVectorf>({1, 2, 3}) << "<1, 2, 3>";
        QTest::newRow("double") << holding<double>(2.5) << "2.5";
        QTest::newRow("integer list") << holding<QList<std::int32_t>>({1, 2}) << "1, 2";
        QTest::newRow("string list") << holding<QList<QString>>({"a"}) << "1 elements";
        QTest::newRow("double3") << holding<orbVector>({1, 2, 3}) << "<1, 2, 3>";
        QTest::newRow("float2") << holding<orbVector2f>({1, 2}) << "<1, 2>";
        QTest::newRow("matrix") << holding<orbMatrix>() << "Matrix()";
        QTest::newRow("weave pattern") << holding<WeavePattern>() << "WeavePattern()";
    }

    void otherTypesShowTheirText()
    {
        QFETCH(Parameter, parameter);
        QFETCH(QString, text);
        ParameterPanel panel;
        panel.setParameters({parameter});
        auto* label = qobject_cast<QLabel*>(panel.editor("p"));
        QVERIFY(label);
        QCOMPARE(label->text(), text);
        QVERIFY(label->isEnabled());
    }

    // Typing changes nothing; editing finished commits once, and only a change.
    void editorsCommitWhenEditingFinishes_data()
    {
        QTest::addColumn<Parameter>("parameter");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("committed");
        QTest::addColumn<QString>("shown");  // before, and again after a refresh
        QTest::newRow("string") << holding<QString>("ab") << "cd" << "\"cd\"" << "ab";
        QTest::newRow("integer") << holding<std::int32_t>(1) << "12" << "12" << "1";
        QTest::newRow("float spin box") << floatParameter(0.5f, 0, 10) << "7.25" << "7.25" << "0.50";
        QTest::newRow("file path") << holding<FilePath>(FilePath("/x")) << "/a/b.png" << "/a/b.png" << "/x";
    }

    void editorsCommitWhenEditingFinishes()
    {
        QFETCH(Parameter, parameter);
        QFETCH(QString, typed);
        QFETCH(QString, committed);
        QFETCH(QString, shown);
        const auto text = [](QWidget* w) {
            auto* spin = qobject_cast<QAbstractSpinBox*>(w);
            return spin ? spin->text() : static_cast<QLineEdit*>(w)->text();
        };
        ParameterPanel panel;
        QList<Edit> edits;
        panel.setEditHandler([&](const Parameter& p, const Variant& value, Gesture gesture) {
            QCOMPARE(p.name(), "p");
            FilePath path;
            if (value.type() == Type::FilePath)
                value.getp(&path);
            edits << Edit{gesture, value.type() == Type::FilePath ? path.toString() : valueText(value)};
        });
        panel.setParameters({parameter});
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QWidget* editor = panel.editor("p");
        QWidget* line = editor;
        if (!qobject_cast<QLineEdit*>(editor) && !qobject_cast<QAbstractSpinBox*>(editor)) {
            line = editor->findChild<QAbstractSpinBox*>();
            line = line ? line : editor->findChild<QLineEdit*>();
        }
        QCOMPARE(text(line), shown);
        line->setFocus();
        QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(line, typed);
        QVERIFY(edits.isEmpty());
        QTest::keyClick(line, Qt::Key_Return);
        QCOMPARE(edits.size(), 1);
        QCOMPARE(edits[0].gesture, Gesture::Finished);
        QCOMPARE(edits[0].text, committed);
        QTest::keyClick(line, Qt::Key_Return);  // unchanged: no second edit
        QCOMPARE(edits.size(), 1);
        panel.refresh();  // the handler wrote nothing: the editor shows the parameter again
        QCOMPARE(text(line), shown);
        QTest::keyClick(line, Qt::Key_Return);
        QCOMPARE(edits.size(), 1);
        QVERIFY(!panel.differsFromDefault("p"));
    }

    // Without a handler the panel writes; the mark follows the value, reset clears it.
    void markFollowsTheValueAndResetRestores()
    {
        Enumerable choice{{{1, "One"}, {2, "Two"}}, 1};
        Parameter enumerable = Parameter::Builder("e", "Enum").value(new ValueVariant<Enumerable>(choice));
        Parameter flag = Parameter::Builder("b", "Flag").value(new ValueVariant<bool>(false));
        ParameterPanel panel;
        panel.setParameters({enumerable, flag});
        auto* combo = static_cast<QComboBox*>(panel.editor("e"));
        QCOMPARE(combo->currentText(), "One");
        const auto resets = panel.findChildren<QToolButton*>();
        QVERIFY(std::none_of(resets.begin(), resets.end(), [](QToolButton* b) { return b->isEnabled(); }));
        combo->setCurrentIndex(1);
        emit combo->activated(1);
        static_cast<QCheckBox*>(panel.editor("b"))->click();
        Enumerable now;
        enumerable.getp(&now);
        QCOMPARE(now.current, 2);
        for (const QString name : {"e", "b"}) {
            QVERIFY2(panel.differsFromDefault(name), qPrintable(name));
            QVERIFY(labelOf(panel, name)->font().bold());
        }
        QCOMPARE(std::count_if(resets.begin(), resets.end(), [](QToolButton* b) { return b->isEnabled(); }), 2);
        resets[0]->click();
        enumerable.getp(&now);
        QCOMPARE(now.current, 1);
        QCOMPARE(combo->currentText(), "One");
        QVERIFY(!panel.differsFromDefault("e"));
        QVERIFY(!resets[0]->isEnabled());
        QVERIFY(!labelOf(panel, "e")->font().bold());

        // A new default makes the current value the changed one, or not.
        panel.setDefaultValue("b", ValueVariant<bool>(true));
        QVERIFY(!panel.differsFromDefault("b"));
        panel.setDefaultValue("b", ValueVariant<QString>("wrong type"));
        QVERIFY(!panel.differsFromDefault("b"));
        panel.resetToDefault("b");
        bool on = false;
        flag.getp(&on);
        QVERIFY(on);
        on = false;
        flag.setp(&on);
        panel.refresh("b");
        QVERIFY(!static_cast<QCheckBox*>(panel.editor("b"))->isChecked());

        // New items from elsewhere replace the old ones on refresh.
        Enumerable fewer{{{7, "Seven"}}, 7};
        enumerable.setp(&fewer);
        panel.refresh("e");
        QCOMPARE(combo->count(), 1);
        QCOMPARE(combo->currentText(), "Seven");

        panel.removeParameter("e");
        QVERIFY(!panel.editor("e"));
        QCOMPARE(panel.parameters().size(), 1);
    }
};

QTEST_MAIN(ParameterPanelTest)
#include "ParameterPanelTest.moc"
