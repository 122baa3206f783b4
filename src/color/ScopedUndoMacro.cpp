#include <zsg/color/ScopedUndoMacro.h>

#include <zsg/platform/ZUndoStack.h>

namespace zsg {

ScopedUndoMacro::~ScopedUndoMacro()
{
    if (m_stack)
        m_stack->endMacro(QString());
}

} // namespace zsg
