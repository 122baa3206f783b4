#include <zsg/color/ZEditColorWayCommand.h>

#include <zsg/color/ColorDB.h>

#include <QCoreApplication>

namespace zsg {

namespace {

// Literal context and source in every call, so that lupdate finds each text.
QString editText(std::uint32_t kind, const std::string& name)
{
    const QString arg = name.empty() ? QString() : QStringLiteral("(%1)").arg(QString::fromStdString(name));
    switch (kind) {
    case ZEditColorWayCommand::Name:
        if (arg.isEmpty())
            return QCoreApplication::translate("ZEditColorWayCommand", "Clear Colorway name");
        return QCoreApplication::translate("ZEditColorWayCommand", "Set Colorway name %1").arg(arg);
    case ZEditColorWayCommand::Edit:
        return QCoreApplication::translate("ZEditColorWayCommand", "Edit Colorway %1").arg(arg);
    case ZEditColorWayCommand::Delete:
        return QCoreApplication::translate("ZEditColorWayCommand", "Delete Colorway %1").arg(arg);
    default:
        return {};
    }
}

} // namespace

ZEditColorWayCommand::ZEditColorWayCommand(std::uint32_t kind, ColorDB* colorDB,
                                           std::unique_ptr<ZColorwayEdit> before,
                                           std::unique_ptr<ZColorwayEdit> after)
    : ZUndoCommand(Id), m_colorDB(colorDB), m_before(std::move(before)), m_after(std::move(after))
{
    setText(editText(kind, m_after->displayName()));
}

ZEditColorWayCommand::~ZEditColorWayCommand() = default;

bool ZEditColorWayCommand::undo()
{
    m_colorDB->setColorwayEdit(m_before.get());
    return true;
}

bool ZEditColorWayCommand::redo()
{
    m_colorDB->setColorwayEdit(m_after.get());
    return true;
}

} // namespace zsg
