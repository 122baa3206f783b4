#pragma once

#include <zsg/Export.h>

#include <zsg/color/IColorSettingsEdit.h>

#include <memory>

class orbRT_api;
namespace orb { struct Record; }

namespace zsg {

/// The editable view of the colour-settings record.
class ZSG_EXPORT ZColorSettingsEdit : public IColorSettingsEdit
{
public:
    // Takes ownership of a colour-settings record (kind 5) and releases it
    // through `rtApi` when destroyed. A record of another kind is not taken.
    ZColorSettingsEdit(orbRT_api* rtApi, orb::Record* record);
    ~ZColorSettingsEdit() override;

    ZColorSettingsEdit(const ZColorSettingsEdit&) = delete;
    ZColorSettingsEdit& operator=(const ZColorSettingsEdit&) = delete;

    orb::ColorwayId activeColorwayId() const override;
    bool isDirty() const override;

    void setActiveColorwayId(orb::ColorwayId id);
    void clearDirty();
    bool commit(bool force);
    std::unique_ptr<ZColorSettingsEdit> copy() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace zsg
