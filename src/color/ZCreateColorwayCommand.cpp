#include <zsg/color/ZCreateColorwayCommand.h>

#include <zsg/color/ColorDB.h>

#include <QCoreApplication>

namespace zsg {

ZCreateColorwayCommand::ZCreateColorwayCommand(ColorDB* colorDB, orb::ColorwayId id)
    : ZUndoCommand(Id, QCoreApplication::translate("ZCreateColorwayCommand", "Create Colorway"))
    , m_colorDB(colorDB)
    , m_id(id)
{
}

ZCreateColorwayCommand::~ZCreateColorwayCommand() = default;

bool ZCreateColorwayCommand::undo()
{
    ZColorwayEdit* view = m_colorDB->getColorwayParameters(m_id);
    if (!view)
        return false;
    view->setDeleted(true);
    m_colorDB->pushColorway(m_id);
    return true;
}

bool ZCreateColorwayCommand::redo()
{
    ZColorwayEdit* view = m_colorDB->getColorwayParameters(m_id);
    if (!view)
        return false;
    view->setDeleted(false);
    m_colorDB->pushColorway(m_id);
    return true;
}

} // namespace zsg
