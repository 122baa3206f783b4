#pragma once
// The scene-graph shell: reads commands one per line, drives the library as a
// user interface would, and prints every posted event and every result.
// Subsystems contribute their commands through add*Commands(Shell&).

#include <zsg/color/IColorLinkHandler.h>
#include <zsg/color/MultiColorPair.h>
#include <zsg/platform/ZTaskQueue.h>
#include <zsg/platform/ZUndoStack.h>
#include <zsg/scenegraph/IEventListener.h>
#include <zsg/scenegraph/ISceneGraph.h>

#include <orbmem/MemoryRuntime.h>
#include <orbmem/MemorySceneMaterialManager.h>

#include <QMap>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace zsg {
class ZColorExt;
}

// The shell is also the application's colour link handler: it answers as
// set with setLinkAnswer and prints each time it is asked.
class Shell : public zsg::IEventListener, public zsg::IColorLinkHandler {
public:
    // A command gets its arguments (without the command word) and returns
    // false after reporting an error with fail().
    using Handler = std::function<bool(const QStringList& args)>;
    // One word of a command with subcommands; `usage` lists its arguments.
    struct Subcommand {
        QString name;
        QString usage;
        Handler handler;
    };

    explicit Shell(QTextStream& out);
    ~Shell() override;

    void addCommand(const QString& name, const QString& usage, const QString& help, Handler handler);
    // A command whose first argument picks the subcommand; its help lists them.
    void addCommand(const QString& name, const QString& help, const QList<Subcommand>& subcommands);

    // Runs every line of `in`; returns the number of lines that failed.
    int run(QTextStream& in);
    bool runLine(const QString& line, int lineNumber);

    void print(const QString& text);
    bool fail(const QString& message);

    // Splits a line into words; double quotes group words, backslash escapes.
    static std::optional<QStringList> split(const QString& line);
    // Parses an unsigned 32-bit number (decimal or 0x hex), reporting an error.
    std::optional<std::uint32_t> toUInt(const QString& word);
    bool expectArgs(const QStringList& args, int min, int max);
    // Numbers as toUInt reads them, reporting the first malformed one.
    std::optional<std::vector<std::uint32_t>> toIds(const QStringList& words);
    // Three channels from args[from] on (alpha 1), reporting an error.
    std::optional<orbColor_rgba> toRgba(const QStringList& args, int from);
    // Words of the form <multi>:<sub>, reporting an error.
    std::optional<std::vector<zsg::MultiColorPair>> toPairs(const QStringList& words);

    orb::MemoryRuntime& runtime() { return *m_runtime; }
    zsg::ZUndoStack& undoStack() { return m_undoStack; }
    zsg::ZTaskQueue& taskQueue() { return m_taskQueue; }
    orb::MemorySceneMaterialManager& sceneMaterials() { return *m_sceneMaterials; }
    zsg::ISceneGraph* sceneGraph() const { return m_sceneGraph.get(); }
    // The scene graph, or an error when none was created.
    zsg::ISceneGraph* requireSceneGraph();
    void createSceneGraph();
    void destroySceneGraph();

    void handleEvent(zsg::Event* event) override;

    bool shouldLinkToExisting() override;
    void setLinkAnswer(bool link) { m_linkAnswer = link; }

private:
    struct Command {
        QString usage;
        QString help;
        Handler handler;
    };
    bool help(const QStringList& args);

    QTextStream& m_out;
    QMap<QString, Command> m_commands;
    QString m_error;
    bool m_linkAnswer = true;
    // Declared so that the scene graph goes first and the host services last.
    std::unique_ptr<orb::MemoryRuntime> m_runtime;
    zsg::ZUndoStack m_undoStack;
    // Records material relinks as steps on the undo stack.
    std::unique_ptr<orb::MemorySceneMaterialManager> m_sceneMaterials;
    zsg::ZTaskQueue m_taskQueue;
    std::unique_ptr<zsg::ISceneGraph> m_sceneGraph;
};

// How results print: an id or "none", a UTF-8 text in double quotes.
QString idText(std::uint32_t id);
QString quoted(const std::string& text);
// One line per entry of a colour value, '*' marking the active one.
void printColorEntries(Shell& shell, const zsg::ZColorExt& value);

void addSceneGraphCommands(Shell& shell);
void addValueCommands(Shell& shell);
void addCmfCommands(Shell& shell);
void addColorCommands(Shell& shell);
void addMaterialCommands(Shell& shell);
void addColorEditCommands(Shell& shell);
void addLightLayerCommands(Shell& shell);
void addPaintCommands(Shell& shell);
void addBrushCommands(Shell& shell);
