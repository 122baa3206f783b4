// Scene graph, notifications and the undo stack.

#include "Shell.h"

#include <vector>

using namespace zsg;

namespace {

void printStack(Shell& shell)
{
    ZUndoStack& stack = shell.undoStack();
    shell.print(QStringLiteral("stack index=%1 count=%2 clean=%3")
                    .arg(stack.index())
                    .arg(stack.count())
                    .arg(stack.cleanIndex()));
    // Like an undo view: the empty state first, '*' marks the current state.
    for (int i = 0; i <= stack.count(); ++i) {
        QString text = i == 0 ? QStringLiteral("<empty>") : QStringLiteral("\"%1\"").arg(stack.text(i - 1));
        shell.print(QStringLiteral("%1 %2 %3").arg(i == stack.index() ? "*" : " ").arg(i).arg(text));
    }
}

} // namespace

void addSceneGraphCommands(Shell& shell)
{
    shell.addCommand("create", "create", "create the scene graph on the in-memory renderer (replaces any)",
                     [&shell](const QStringList& args) {
                         if (!shell.expectArgs(args, 0, 0))
                             return false;
                         shell.createSceneGraph();
                         shell.print(QStringLiteral("scene graph created"));
                         return true;
                     });
    shell.addCommand("destroy", "destroy", "destroy the scene graph", [&shell](const QStringList& args) {
        if (!shell.expectArgs(args, 0, 0) || !shell.requireSceneGraph())
            return false;
        shell.destroySceneGraph();
        shell.print(QStringLiteral("scene graph destroyed"));
        return true;
    });
    shell.addCommand("notify", "notify <code> [ids...]",
                     "forward a renderer notification: 5006 <colour ids...>, 5007 <colorway id>",
                     [&shell](const QStringList& args) {
                         ISceneGraph* graph = shell.requireSceneGraph();
                         if (!graph || !shell.expectArgs(args, 1, -1))
                             return false;
                         std::optional<std::uint32_t> code = shell.toUInt(args[0]);
                         std::optional<std::vector<orb::ColorId>> list = code ? shell.toIds(args.mid(1)) : std::nullopt;
                         if (!list)
                             return false;
                         std::vector<orb::ColorId>& ids = *list;
                         if (*code == 5007 && ids.size() != 1)
                             return shell.fail(QStringLiteral("5007 takes one colorway id"));
                         orb::SceneNotification notification;
                         notification.code = *code;
                         if (*code == 5007)
                             notification.colorway = ids.front();
                         else {
                             notification.colors = ids.data();
                             notification.colorCount = ids.size();
                         }
                         bool handled = graph->handleNotification(notification);
                         shell.print(handled ? QStringLiteral("handled") : QStringLiteral("not handled"));
                         return true;
                     });
    shell.addCommand("undo", "undo", "undo the last command", [&shell](const QStringList& args) {
        if (!shell.expectArgs(args, 0, 0))
            return false;
        QString text = shell.undoStack().undoText();
        if (!shell.undoStack().undo())
            return shell.fail(QStringLiteral("nothing to undo"));
        shell.print(QStringLiteral("undone \"%1\"").arg(text));
        return true;
    });
    shell.addCommand("redo", "redo", "redo the next command", [&shell](const QStringList& args) {
        if (!shell.expectArgs(args, 0, 0))
            return false;
        QString text = shell.undoStack().redoText();
        if (!shell.undoStack().redo())
            return shell.fail(QStringLiteral("nothing to redo"));
        shell.print(QStringLiteral("redone \"%1\"").arg(text));
        return true;
    });
    shell.addCommand("stack", "stack", "show the undo stack's texts and the current index",
                     [&shell](const QStringList& args) {
                         if (!shell.expectArgs(args, 0, 0))
                             return false;
                         printStack(shell);
                         return true;
                     });
}
