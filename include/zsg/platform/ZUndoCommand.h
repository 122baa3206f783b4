#pragma once

#include <zsg/Export.h>

#include <QString>

#include <memory>

namespace zsg {

// The kind of a command, for merging. Commands merge only with commands of the
// same id; a negative id never merges.
using ZCommandId = int;

/// One undoable edit. A command may own child commands (give it as `parent` when
/// building them); the base undo and redo run the children, which makes a plain
/// ZUndoCommand a composite.
class ZCORE_EXPORT ZUndoCommand
{
public:
    // With a parent, the new command becomes the parent's last child and is
    // owned by it.
    explicit ZUndoCommand(ZCommandId id, const QString& text = QString(), ZUndoCommand* parent = nullptr);
    virtual ~ZUndoCommand();

    ZUndoCommand(const ZUndoCommand&) = delete;
    ZUndoCommand& operator=(const ZUndoCommand&) = delete;

    // Both report success. The base versions undo the children in reverse order
    // and redo them in order; every child runs even when an earlier one fails.
    virtual bool undo();
    virtual bool redo();
    virtual QString text() const;
    // Called on the older of two commands with equal ids; returning true means
    // this command now also stands for `other`, which the stack then deletes.
    virtual bool mergeWith(const ZUndoCommand* other);
    // Whether this command or any command below it has `id`.
    virtual bool hasIdRecursive(ZCommandId id) const;

    void setText(const QString& text);
    ZCommandId id() const;

private:
    friend class ZUndoStack;
    // Macros collect commands that already exist.
    void adoptChild(ZUndoCommand* child);

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace zsg
