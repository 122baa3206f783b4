// Building a parameter panel over 1,000 float parameters against Qt building the
// same bare widgets (label, slider, spin box, tool button per row in a grid):
// the panel's descriptions, defaults and connections should cost at most as
// much again as the widgets themselves.

#include "RatioReporter.h"

#include <zsg/values/Parameter.h>
#include <zsg/values/Variant.h>
#include <zsg/widgets/ParameterPanel.h>

#include <QApplication>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>
#include <QToolButton>

#include <cstdio>

namespace {

constexpr int Rows = 1000;

void BM_ParameterPanel(benchmark::State& state)
{
    QList<zsg::Parameter> parameters;
    for (int i = 0; i < Rows; ++i)
        parameters << zsg::Parameter(zsg::Parameter::Builder(QString::number(i), QStringLiteral("Parameter %1").arg(i))
                                         .value(new zsg::ValueVariant<float>(0.5f))
                                         .limits(0.0f, 1.0f));
    for (auto _ : state) {
        zsg::ParameterPanel panel;
        panel.setParameters(parameters);
        benchmark::DoNotOptimize(panel.editor(QStringLiteral("999")));
    }
}

void BM_BareWidgets(benchmark::State& state)
{
    for (auto _ : state) {
        QWidget panel;
        auto* layout = new QGridLayout(&panel);
        for (int i = 0; i < Rows; ++i) {
            layout->addWidget(new QLabel(QStringLiteral("Parameter %1").arg(i), &panel), i, 0);
            auto* slider = new QSlider(Qt::Horizontal, &panel);
            slider->setRange(0, 1000);
            slider->setValue(500);
            auto* spin = new QDoubleSpinBox(&panel);
            spin->setRange(0.0, 1.0);
            spin->setValue(0.5);
            layout->addWidget(slider, i, 1);
            layout->addWidget(spin, i, 2);
            layout->addWidget(new QToolButton(&panel), i, 3);
        }
        benchmark::DoNotOptimize(layout->count());
    }
}

BENCHMARK(BM_ParameterPanel)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BareWidgets)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("BM_ParameterPanel/real_time", "BM_BareWidgets/real_time", " (goal <= 2)");
    benchmark::Shutdown();
    return 0;
}
