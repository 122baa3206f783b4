#include <zsg/color/ZColorSettingsEdit.h>

#include "RecordFields.h"

namespace zsg {

using namespace fields;

struct ZColorSettingsEdit::Private {
    orbRT_api* rtApi;
    orb::Record* record = nullptr;
    orb::FieldEntry* activeColorway = nullptr;
    bool dirty = false;
};

ZColorSettingsEdit::ZColorSettingsEdit(orbRT_api* rtApi, orb::Record* record) : d(std::make_unique<Private>())
{
    d->rtApi = rtApi;
    if (!record || record->kind != orb::ColorSettingsRecord)
        return;
    d->record = record;
    static constexpr const char* names[] = {"active_colorway_id"};
    orb::FieldEntry* found[1];
    locate(record, names, found);
    d->activeColorway = found[0];
}

ZColorSettingsEdit::~ZColorSettingsEdit()
{
    if (d->rtApi && d->record)
        d->rtApi->releaseColorSettings(d->record);
}

orb::ColorwayId ZColorSettingsEdit::activeColorwayId() const
{
    return read<std::uint32_t>(d->activeColorway, orb::InvalidId);
}

bool ZColorSettingsEdit::isDirty() const
{
    return d->dirty;
}

void ZColorSettingsEdit::setActiveColorwayId(orb::ColorwayId id)
{
    if (!d->activeColorway || load<std::uint32_t>(d->activeColorway) == id)
        return;
    store(d->activeColorway, id);
    d->dirty = true;
}

void ZColorSettingsEdit::clearDirty()
{
    d->dirty = false;
}

bool ZColorSettingsEdit::commit(bool force)
{
    if (!d->record || !d->rtApi || (!force && !d->dirty))
        return false;
    d->rtApi->commitColorSettings(d->record);
    d->dirty = false;
    return true;
}

std::unique_ptr<ZColorSettingsEdit> ZColorSettingsEdit::copy() const
{
    if (!d->record || !d->rtApi)
        return nullptr;
    orb::Record* record = d->rtApi->copyRecord(d->record, 1);
    return record ? std::make_unique<ZColorSettingsEdit>(d->rtApi, record) : nullptr;
}

} // namespace zsg
