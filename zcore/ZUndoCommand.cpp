#include <zsg/platform/ZUndoCommand.h>

#include <vector>

namespace zsg {

struct ZUndoCommand::Private
{
    ZCommandId id;
    QString text;
    std::vector<std::unique_ptr<ZUndoCommand>> children;
};

ZUndoCommand::ZUndoCommand(ZCommandId id, const QString& text, ZUndoCommand* parent)
    : d(new Private{id, text, {}})
{
    if (parent)
        parent->adoptChild(this);
}

ZUndoCommand::~ZUndoCommand() = default;

bool ZUndoCommand::undo()
{
    bool ok = true;
    for (auto it = d->children.rbegin(); it != d->children.rend(); ++it)
        ok = (*it)->undo() && ok;
    return ok;
}

bool ZUndoCommand::redo()
{
    bool ok = true;
    for (const auto& child : d->children)
        ok = child->redo() && ok;
    return ok;
}

QString ZUndoCommand::text() const
{
    return d->text;
}

bool ZUndoCommand::mergeWith(const ZUndoCommand*)
{
    return false;
}

bool ZUndoCommand::hasIdRecursive(ZCommandId id) const
{
    if (d->id == id)
        return true;
    for (const auto& child : d->children) {
        if (child->hasIdRecursive(id))
            return true;
    }
    return false;
}

void ZUndoCommand::setText(const QString& text)
{
    d->text = text;
}

ZCommandId ZUndoCommand::id() const
{
    return d->id;
}

void ZUndoCommand::adoptChild(ZUndoCommand* child)
{
    d->children.emplace_back(child);
}

} // namespace zsg
