#pragma once

#include <zsg/Export.h>
#include <zsg/platform/ZUndoCommand.h>

#include <QObject>
#include <QString>

#include <memory>

namespace zsg {

/// The undo history: a list of commands and an index into it. Commands below the
/// index are done, the rest can be redone. Main thread only; takes no lock.
class ZCORE_EXPORT ZUndoStack : public QObject
{
    Q_OBJECT

public:
    explicit ZUndoStack(QObject* parent = nullptr);
    ~ZUndoStack() override;

    // Takes ownership of `command` in every case and runs its redo once. It is
    // merged into the previous command when both have the same non-negative id,
    // the previous one is not the clean state and its mergeWith agrees; the
    // merged command is deleted. Otherwise it is appended, replacing whatever
    // could have been redone. Returns the result of the redo; false for null.
    //
    // A command that reports failure is kept and the index moves all the same:
    // it may have done part of its work, and only its undo can revert that.
    // push, undo and redo pass the command's result on.
    bool push(ZUndoCommand* command);

    // Commands pushed until the matching endMacro form one undo step. Macros
    // nest; only the outermost becomes a step of its own. A non-empty text at
    // endMacro replaces the one given here. While a macro is open undo, redo and
    // setClean are refused, canUndo/canRedo are false, the texts are empty and
    // no signal is emitted; the signals follow the outermost endMacro. A macro
    // into which nothing was pushed leaves no step. endMacro without an open
    // macro returns false.
    void beginMacro(const QString& text);
    bool endMacro(const QString& text = QString());

    // False, doing nothing, at the bottom or top of the stack and inside a macro.
    bool undo();
    bool redo();

    // Deletes every command (including open macros) without undoing them and
    // makes the empty stack the clean state.
    void clear();

    // Marks the current index as the state the document was saved in. Refused
    // inside a macro.
    bool setClean();
    bool isClean() const;
    // -1 when the clean state is no longer reachable (its commands were
    // replaced or dropped by the undo limit).
    int cleanIndex() const;

    // The most commands kept; the oldest are deleted beyond it. 0 means no
    // limit. Only accepted while the stack is empty, so that no command at the
    // current index can be dropped.
    bool setUndoLimit(int limit);
    int undoLimit() const;

    bool canUndo() const;
    bool canRedo() const;
    int count() const;
    int index() const;
    QString text(int index) const;
    QString undoText() const;
    QString redoText() const;

signals:
    void indexChanged(int index);
    void cleanChanged(bool clean);
    void canUndoChanged(bool canUndo);
    void canRedoChanged(bool canRedo);
    void undoTextChanged(const QString& undoText);
    void redoTextChanged(const QString& redoText);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace zsg
