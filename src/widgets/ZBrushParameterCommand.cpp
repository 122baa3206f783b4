#include "ZBrushParameterCommand.h"

#include <zsg/values/Variant.h>

#include <QCoreApplication>

namespace zsg {

ZBrushParameterCommand::ZBrushParameterCommand(std::weak_ptr<Writer> writer, const QString& name,
                                               const QString& displayName, std::unique_ptr<Variant> before,
                                               std::unique_ptr<Variant> after)
    : ZUndoCommand(-1, QCoreApplication::translate("zsg::ZBrushParameterCommand", "3D Paint change brush %1").arg(displayName))
    , m_writer(std::move(writer))
    , m_name(name)
    , m_before(std::move(before))
    , m_after(std::move(after))
{}

ZBrushParameterCommand::~ZBrushParameterCommand() = default;

bool ZBrushParameterCommand::undo()
{
    return write(*m_before);
}

bool ZBrushParameterCommand::redo()
{
    return write(*m_after);
}

bool ZBrushParameterCommand::write(const Variant& value) const
{
    const auto writer = m_writer.lock();
    return writer && (*writer)(m_name, value);
}

} // namespace zsg
