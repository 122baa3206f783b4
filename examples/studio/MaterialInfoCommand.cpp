#include "MaterialInfoCommand.h"

#include <QCoreApplication>

namespace studio {

MaterialInfoCommand::MaterialInfoCommand(zsg::IMaterialHandler* handler, orb::MaterialId material, std::string key,
                                         std::string before, std::string after)
    : zsg::ZUndoCommand(-1, QCoreApplication::translate("studio::MaterialInfoCommand", "Edit Material Information")),
      m_handler(handler), m_material(material), m_key(std::move(key)), m_before(std::move(before)),
      m_after(std::move(after))
{
}

bool MaterialInfoCommand::redo()
{
    return write(m_handler, m_material, m_key, m_after);
}

bool MaterialInfoCommand::undo()
{
    return write(m_handler, m_material, m_key, m_before);
}

bool MaterialInfoCommand::write(zsg::IMaterialHandler* handler, orb::MaterialId material, const std::string& key,
                                const std::string& value)
{
    std::unique_ptr<zsg::IMaterialDescriptor> descriptor = handler->descriptor(zsg::MaterialId(material));
    if (!descriptor)
        return false;
    if (value.empty())
        descriptor->removeMetaData(key);
    else
        descriptor->setMetaData(key, value);
    handler->applyDescriptor(*descriptor);
    return true;
}

} // namespace studio
