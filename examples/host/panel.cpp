// A host's brush panel from the installed widgets library: the brush's
// parameters as editors, each finished edit one undo step on the host's stack.
// Runs on the offscreen platform unless the caller chose another.
#include <zsg/zsg.h>
#include <zsg/widgets/BrushPanelBinding.h>
#include <zsg/widgets/ParameterPanel.h>
#include <orbmem/MemoryRuntime.h>
#include <orbmem/MemorySceneMaterialManager.h>

#include <QApplication>
#include <QDoubleSpinBox>
#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    orb::MemoryRuntime runtime;
    zsg::ZUndoStack undo;
    orb::MemorySceneMaterialManager materials(runtime);
    zsg::ZTaskQueue tasks;
    auto graph = zsg::ISceneGraph::create({&runtime, nullptr, &materials, &tasks, &undo});
    std::unique_ptr<zsg::IPainterBrush> brush = graph->painterManager()->createBrush(1.0f, orb::InvalidId);

    zsg::ParameterPanel panel;
    zsg::BrushPanelBinding binding(&panel, brush.get(), &undo);
    QWidget* size = panel.editor(QStringLiteral("basic_size_px_value"));
    auto* spin = size ? size->findChild<QDoubleSpinBox*>() : nullptr;
    if (!spin) {
        std::printf("failed: no size editor\n");
        return 1;
    }
    // A typed value commits when editing finishes: one undo step.
    spin->setValue(spin->value() + 1);
    emit spin->editingFinished();
    std::printf("panel ok: %d parameters, %d undo step \"%s\"\n", int(panel.parameters().size()), undo.count(),
                qPrintable(undo.text(0)));
    undo.clear();
    return undo.count() == 0 ? 0 : 1;
}
