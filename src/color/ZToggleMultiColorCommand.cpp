#include <zsg/color/ZToggleMultiColorCommand.h>

#include <zsg/color/ColorDB.h>

namespace zsg {

ZToggleMultiColorCommand::ZToggleMultiColorCommand(ColorDB* colorDB, std::vector<orb::ColorId> colors)
    : ZUndoCommand(Id), m_colorDB(colorDB), m_colors(std::move(colors))
{
}

ZToggleMultiColorCommand::~ZToggleMultiColorCommand() = default;

bool ZToggleMultiColorCommand::undo()
{
    return redo();
}

bool ZToggleMultiColorCommand::redo()
{
    for (orb::ColorId id : m_colors)
        m_colorDB->postColorUpdateSyncEvent(id);
    return true;
}

} // namespace zsg
