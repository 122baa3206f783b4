#pragma once

#include <zsg/Export.h>

namespace zsg {

class ZUndoStack;

/// Ends an undo macro that the caller opened (IColorController::getScopedMacro)
/// when it goes out of scope; does nothing without a stack.
class ZSG_EXPORT ScopedUndoMacro
{
public:
    explicit ScopedUndoMacro(ZUndoStack* stack) : m_stack(stack) {}
    ~ScopedUndoMacro();

    ScopedUndoMacro(const ScopedUndoMacro&) = delete;
    ScopedUndoMacro& operator=(const ScopedUndoMacro&) = delete;

private:
    ZUndoStack* m_stack;
};

} // namespace zsg
