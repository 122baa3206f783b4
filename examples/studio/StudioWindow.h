#pragma once
// The studio's main window: one dock per part of the library (colours, multi
// colours, colorways, materials, light layers, paint layers, brush, history).
// Every edit goes through the library's controllers and surfaces, so the undo
// stack (Ctrl+Z, Ctrl+Shift+Z, the history dock) restores renderer and docks.

#include <QMainWindow>

#include <memory>

namespace studio {

struct ExampleScene;

class StudioWindow : public QMainWindow {
    Q_OBJECT

public:
    // The scene must outlive the window.
    explicit StudioWindow(ExampleScene& scene, QWidget* parent = nullptr);
    ~StudioWindow() override;

    // PNGs of the window and of each dock (named after its object name) in
    // `directory`, which is created; false when a file cannot be written.
    bool writeScreenshots(const QString& directory);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace studio
