#pragma once

#include <zsg/color/IColorLinker.h>

namespace zsg {

class ColorDB;
class IColorController;
class IColorLinkHandler;

/// The colour linker over a colour controller and the application's link
/// handler; owns neither.
class ZSG_EXPORT ZColorLinker : public IColorLinker
{
public:
    ZColorLinker(IColorController* controller, IColorLinkHandler* handler);
    ~ZColorLinker() override;

    ZColorExt addLinkedColor(const ZColorExt& target, ZColorExt& color) override;
    void addSubColorsFrom(ZColorExt& target, const ZColorExt& source, bool skipExisting) override;
    ZColorExt resolveConflicts(ZColorExt color, bool applyValue, bool push) override;
    ZColorExt makeNamesUnique(ZColorExt color) override;
    std::string uniqueName(std::string name) override;

private:
    IColorController* m_controller;
    ColorDB* m_colorDB;
    IColorLinkHandler* m_handler;
};

} // namespace zsg
