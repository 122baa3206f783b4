#pragma once
// One material-information value changed, as an undo step. The library keeps
// material descriptions without undo, so the studio brings its own command, as
// any host would: redo and undo write the description through the material
// handler, which announces the change.

#include <zsg/zsg.h>

#include <string>

namespace studio {

class MaterialInfoCommand : public zsg::ZUndoCommand {
public:
    // `handler` must outlive the command (clear the stack before the scene graph goes).
    MaterialInfoCommand(zsg::IMaterialHandler* handler, orb::MaterialId material, std::string key,
                        std::string before, std::string after);

    bool redo() override;
    bool undo() override;

    // Writes one metadata value of a material; false when the material is gone.
    static bool write(zsg::IMaterialHandler* handler, orb::MaterialId material, const std::string& key,
                      const std::string& value);

private:
    zsg::IMaterialHandler* m_handler;
    orb::MaterialId m_material;
    std::string m_key;
    std::string m_before;
    std::string m_after;
};

} // namespace studio
