#include <zsg/color/ZLinkColorCommand.h>

#include <zsg/color/ColorController.h>
#include <zsg/color/ISceneMaterial.h>
#include <zsg/color/ISceneMaterialManager.h>

#include <QCoreApplication>

namespace zsg {

ZLinkColorCommand::ZLinkColorCommand(ColorController* controller, orb::ColorId oldColor, orb::ColorId newColor,
                                     orb::MaterialId material, std::uint32_t parameterIndex)
    // The text has shared the colorway commands' translation context from the start.
    : ZUndoCommand(Id, QCoreApplication::translate("ZEditColorWayCommand", "Link color"))
    , m_controller(controller)
    , m_oldColor(oldColor)
    , m_newColor(newColor)
    , m_material(material)
    , m_parameterIndex(parameterIndex)
{
}

ZLinkColorCommand::~ZLinkColorCommand() = default;

bool ZLinkColorCommand::undo()
{
    return setParameter(m_oldColor);
}

bool ZLinkColorCommand::redo()
{
    return setParameter(m_newColor);
}

bool ZLinkColorCommand::setParameter(orb::ColorId color)
{
    ISceneMaterialManager* manager = m_controller->sceneMaterialManager();
    ISceneMaterial* material = manager ? manager->sceneMaterial(m_material, orb::InvalidId) : nullptr;
    if (!material)
        return false;
    material->setColorParameter(m_parameterIndex, color);
    // Not recorded again: this command is the undo step.
    material->updateMaterial(false, true);
    return true;
}

} // namespace zsg
