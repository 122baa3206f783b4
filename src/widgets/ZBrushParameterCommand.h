#pragma once

#include <zsg/platform/ZUndoCommand.h>

#include <QString>

#include <functional>
#include <memory>

namespace zsg {

class Variant;

/// One finished edit of a brush parameter: the value before the gesture and after it.
/// The target is a weak handle, so once the binding is gone undo and redo do nothing
/// and return false.
class ZBrushParameterCommand : public ZUndoCommand
{
public:
    // Writes `value` into the brush parameter `name`; false when the parameter is gone.
    using Writer = std::function<bool(const QString& name, const Variant& value)>;

    ZBrushParameterCommand(std::weak_ptr<Writer> writer, const QString& name, const QString& displayName,
                           std::unique_ptr<Variant> before, std::unique_ptr<Variant> after);
    ~ZBrushParameterCommand() override;

    bool undo() override;
    bool redo() override;

private:
    bool write(const Variant& value) const;

    std::weak_ptr<Writer> m_writer;
    QString m_name;
    std::unique_ptr<Variant> m_before;
    std::unique_ptr<Variant> m_after;
};

} // namespace zsg
