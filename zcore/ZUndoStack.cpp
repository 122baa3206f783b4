#include <zsg/platform/ZUndoStack.h>

#include <utility>
#include <vector>

namespace zsg {

namespace {

// What the signals report; compared before and after each change so that every
// signal fires exactly when its value changed.
struct State
{
    int index = 0;
    bool clean = true;
    bool canUndo = false;
    bool canRedo = false;
    QString undoText;
    QString redoText;
};

bool mergeInto(ZUndoCommand* previous, const ZUndoCommand& command)
{
    return previous && previous->id() >= 0 && previous->id() == command.id()
        && previous->mergeWith(&command);
}

} // namespace

struct ZUndoStack::Private
{
    struct OpenMacro
    {
        ZUndoCommand* command;
        ZUndoCommand* lastChild; // the one a push may merge into
    };

    std::vector<std::unique_ptr<ZUndoCommand>> commands;
    int index = 0;
    int cleanIndex = 0;
    int undoLimit = 0;

    std::unique_ptr<ZUndoCommand> outerMacro; // joins `commands` at its endMacro
    std::vector<OpenMacro> macros;            // innermost last
    int macroPushes = 0;

    State published;

    void discardRedoTail()
    {
        commands.resize(index);
        if (cleanIndex > index)
            cleanIndex = -1;
    }

    // Appends at the index, which must be the top, then applies the undo limit.
    void append(std::unique_ptr<ZUndoCommand> command)
    {
        commands.push_back(std::move(command));
        ++index;
        if (undoLimit <= 0 || count() <= undoLimit)
            return;
        const int dropped = count() - undoLimit;
        commands.erase(commands.begin(), commands.begin() + dropped);
        index -= dropped;
        if (cleanIndex != -1)
            cleanIndex = cleanIndex < dropped ? -1 : cleanIndex - dropped;
    }

    int count() const { return int(commands.size()); }

    // Emits what changed since the last call. Only called with no macro open,
    // which is what keeps the signals quiet inside macros.
    void publish(ZUndoStack* q)
    {
        const State was = std::exchange(published, State{index, index == cleanIndex, q->canUndo(),
                                                          q->canRedo(), q->undoText(), q->redoText()});
        const State now = published; // a copy: slots may change the stack again
        if (now.index != was.index)
            emit q->indexChanged(now.index);
        if (now.canUndo != was.canUndo)
            emit q->canUndoChanged(now.canUndo);
        if (now.undoText != was.undoText)
            emit q->undoTextChanged(now.undoText);
        if (now.canRedo != was.canRedo)
            emit q->canRedoChanged(now.canRedo);
        if (now.redoText != was.redoText)
            emit q->redoTextChanged(now.redoText);
        if (now.clean != was.clean)
            emit q->cleanChanged(now.clean);
    }
};

ZUndoStack::ZUndoStack(QObject* parent)
    : QObject(parent)
    , d(new Private)
{
}

ZUndoStack::~ZUndoStack() = default;

bool ZUndoStack::push(ZUndoCommand* command)
{
    if (!command)
        return false;
    std::unique_ptr<ZUndoCommand> owned(command);
    const bool ok = command->redo();

    if (!d->macros.empty()) {
        ++d->macroPushes;
        Private::OpenMacro& macro = d->macros.back();
        if (!mergeInto(macro.lastChild, *command)) {
            macro.command->adoptChild(owned.release());
            macro.lastChild = command;
        }
        return ok;
    }

    d->discardRedoTail();
    // The clean command must stay as it was saved.
    ZUndoCommand* previous = d->index > 0 && d->index != d->cleanIndex ? d->commands[d->index - 1].get() : nullptr;
    if (!mergeInto(previous, *command))
        d->append(std::move(owned));
    d->publish(this);
    return ok;
}

void ZUndoStack::beginMacro(const QString& text)
{
    ZUndoCommand* macro;
    if (d->macros.empty()) {
        d->outerMacro = std::make_unique<ZUndoCommand>(-1, text);
        macro = d->outerMacro.get();
    } else {
        Private::OpenMacro& parent = d->macros.back();
        macro = new ZUndoCommand(-1, text, parent.command);
        parent.lastChild = macro;
    }
    d->macros.push_back({macro, nullptr});
}

bool ZUndoStack::endMacro(const QString& text)
{
    if (d->macros.empty())
        return false;
    if (!text.isEmpty())
        d->macros.back().command->setText(text);
    d->macros.pop_back();
    if (!d->macros.empty())
        return true;

    // The redo tail goes only now: a macro that ends empty changed nothing.
    std::unique_ptr<ZUndoCommand> macro = std::move(d->outerMacro);
    if (std::exchange(d->macroPushes, 0) > 0) {
        d->discardRedoTail();
        d->append(std::move(macro));
    }
    d->publish(this);
    return true;
}

bool ZUndoStack::undo()
{
    if (!canUndo())
        return false;
    const int target = d->index - 1;
    const bool ok = d->commands[target]->undo();
    d->index = target;
    d->publish(this);
    return ok;
}

bool ZUndoStack::redo()
{
    if (!canRedo())
        return false;
    const bool ok = d->commands[d->index]->redo();
    ++d->index;
    d->publish(this);
    return ok;
}

void ZUndoStack::clear()
{
    d->macros.clear();
    d->outerMacro.reset();
    d->macroPushes = 0;
    d->commands.clear();
    d->index = 0;
    d->cleanIndex = 0;
    d->publish(this);
}

bool ZUndoStack::setClean()
{
    if (!d->macros.empty())
        return false;
    d->cleanIndex = d->index;
    d->publish(this);
    return true;
}

bool ZUndoStack::isClean() const
{
    return d->macros.empty() && d->index == d->cleanIndex;
}

int ZUndoStack::cleanIndex() const
{
    return d->cleanIndex;
}

bool ZUndoStack::setUndoLimit(int limit)
{
    if (!d->commands.empty() || !d->macros.empty())
        return false;
    d->undoLimit = qMax(limit, 0);
    return true;
}

int ZUndoStack::undoLimit() const
{
    return d->undoLimit;
}

bool ZUndoStack::canUndo() const
{
    return d->macros.empty() && d->index > 0;
}

bool ZUndoStack::canRedo() const
{
    return d->macros.empty() && d->index < d->count();
}

int ZUndoStack::count() const
{
    return d->count();
}

int ZUndoStack::index() const
{
    return d->index;
}

QString ZUndoStack::text(int index) const
{
    return index >= 0 && index < d->count() ? d->commands[index]->text() : QString();
}

QString ZUndoStack::undoText() const
{
    return canUndo() ? d->commands[d->index - 1]->text() : QString();
}

QString ZUndoStack::redoText() const
{
    return canRedo() ? d->commands[d->index]->text() : QString();
}

} // namespace zsg
