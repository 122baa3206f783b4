#include <zsg/color/ZColorExtEdit.h>

#include "RecordFields.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace zsg {

using namespace fields;

namespace {
enum Field { Id, DisplayName, OriginalName, Color, Flags, SubColors, ActiveSub, FieldCount };
constexpr const char* fieldNames[FieldCount] = {"id",    "display_name", "original_name", "color",
                                                "flags", "sub_colors",   "active_sub"};
} // namespace

struct ZColorExtEdit::Private {
    orbRT_api* rtApi;
    orb::Record* record = nullptr;
    orb::FieldEntry* fields[FieldCount] = {};
    bool dirty = false;
    std::uint32_t changes = 0;

    orb::FieldEntry* field(Field f) const { return fields[f]; }
    void changed()
    {
        dirty = true;
        ++changes;
    }
};

ZColorExtEdit::ZColorExtEdit(orbRT_api* rtApi, orb::Record* record) : d(std::make_unique<Private>())
{
    d->rtApi = rtApi;
    if (record && record->kind == orb::ColorRecord) {
        d->record = record;
        locate(record, fieldNames, d->fields);
    }
}

ZColorExtEdit::~ZColorExtEdit()
{
    if (d->rtApi && d->record)
        d->rtApi->releaseColor(d->record);
}

orb::ColorId ZColorExtEdit::id() const
{
    return read<std::uint32_t>(d->field(Id), orb::InvalidId);
}

std::string ZColorExtEdit::displayName() const
{
    return readString(d->field(DisplayName));
}

std::string ZColorExtEdit::originalName() const
{
    return readString(d->field(OriginalName));
}

orbColor_rgba ZColorExtEdit::color() const
{
    return read(d->field(Color), orbColor_rgba{0, 0, 0, 1});
}

bool ZColorExtEdit::hasFlag(std::uint32_t mask) const
{
    return (read<std::uint32_t>(d->field(Flags), 0) & mask) != 0;
}

orb::Span<const orb::ColorId> ZColorExtEdit::subColors() const
{
    return list(d->field(SubColors));
}

orb::ColorId ZColorExtEdit::activeSub() const
{
    return read<std::uint32_t>(d->field(ActiveSub), orb::InvalidId);
}

bool ZColorExtEdit::isDirty() const
{
    return d->dirty;
}

bool ZColorExtEdit::hasSubColor(orb::ColorId id) const
{
    return hasFlag(MultiColorFlag) && contains(subColors(), id);
}

std::uint32_t ZColorExtEdit::changeCount() const
{
    return d->changes;
}

void ZColorExtEdit::setDisplayName(const std::string& name)
{
    if (writeString(d->rtApi, d->field(DisplayName), name))
        d->changed();
}

void ZColorExtEdit::setOriginalName(const std::string& name)
{
    if (writeString(d->rtApi, d->field(OriginalName), name))
        d->changed();
}

void ZColorExtEdit::setColor(const orbColor_rgba& color)
{
    orb::FieldEntry* field = d->field(Color);
    if (!field)
        return;
    const auto stored = load<orbColor_rgba>(field);
    if (std::memcmp(&stored, &color, sizeof color) == 0)
        return;
    store(field, color);
    d->changed();
}

void ZColorExtEdit::setFlag(std::uint32_t mask)
{
    if (writeFlag(d->field(Flags), mask, true))
        d->changed();
}

void ZColorExtEdit::clearFlag(std::uint32_t mask)
{
    if (writeFlag(d->field(Flags), mask, false))
        d->changed();
}

void ZColorExtEdit::setSubColors(orb::Span<const orb::ColorId> ids)
{
    orb::FieldEntry* field = d->field(SubColors);
    if (!field || std::ranges::equal(list(field), ids))
        return;
    // The ids may point into the list that is about to be replaced.
    const std::vector<orb::ColorId> copy(ids.begin(), ids.end());
    const auto count = static_cast<std::uint32_t>(copy.size());
    resizeList(field, count);
    if (count)
        std::memcpy(load<orb::ListValue>(field).data, copy.data(), count * sizeof(orb::ColorId));
    d->changed();
    if (!contains(subColors(), activeSub()))
        setActiveSub(copy.empty() ? orb::InvalidId : copy.front());
}

void ZColorExtEdit::insertSubColors(orb::Span<const orb::ColorId> ids, int position)
{
    orb::FieldEntry* field = d->field(SubColors);
    if (!field || ids.empty())
        return;
    const std::vector<orb::ColorId> inserted(ids.begin(), ids.end());
    const orb::Span<const orb::ColorId> stored = list(field);
    int movedFromBefore = 0;
    for (int i = 0; i < position && i < static_cast<int>(stored.size()); ++i) {
        if (std::ranges::find(inserted, stored[i]) != inserted.end())
            ++movedFromBefore;
    }
    if (removeSubColors({inserted.data(), inserted.size()}))
        position -= movedFromBefore;

    const auto oldCount = static_cast<std::uint32_t>(list(field).size());
    const auto count = static_cast<std::uint32_t>(inserted.size());
    resizeList(field, oldCount + count);
    std::uint32_t* data = load<orb::ListValue>(field).data;
    std::uint32_t at = oldCount;
    if (position >= 0 && static_cast<std::uint32_t>(position) < oldCount) {
        at = static_cast<std::uint32_t>(position);
        std::memmove(data + at + count, data + at, (oldCount - at) * sizeof(orb::ColorId));
    }
    std::memcpy(data + at, inserted.data(), count * sizeof(orb::ColorId));
    d->changed();
}

bool ZColorExtEdit::removeSubColors(orb::Span<const orb::ColorId> ids)
{
    orb::FieldEntry* field = d->field(SubColors);
    if (!field)
        return false;
    const orb::Span<const orb::ColorId> stored = list(field);
    std::vector<orb::ColorId> remaining;
    for (orb::ColorId id : stored) {
        if (!contains(ids, id))
            remaining.push_back(id);
    }
    if (remaining.empty() || remaining.size() == stored.size())
        return false;
    const auto count = static_cast<std::uint32_t>(remaining.size());
    std::uint32_t* data = allocateList(count);
    std::memcpy(data, remaining.data(), count * sizeof(orb::ColorId));
    installList(field, data, count);
    d->changed();
    if (std::ranges::find(remaining, activeSub()) == remaining.end())
        setActiveSub(remaining.front());
    return true;
}

void ZColorExtEdit::replaceSubColor(orb::ColorId oldId, orb::ColorId newId)
{
    orb::FieldEntry* field = d->field(SubColors);
    if (!field || !hasFlag(MultiColorFlag) || newId == orb::InvalidId)
        return;
    const orb::Span<const orb::ColorId> stored = list(field);
    auto old = std::ranges::find(stored, oldId);
    if (old == stored.end() || contains(stored, newId))
        return;
    load<orb::ListValue>(field).data[old - stored.begin()] = newId;
    d->changed();
    if (activeSub() == oldId)
        setActiveSub(newId);
}

void ZColorExtEdit::setActiveSub(orb::ColorId id)
{
    orb::FieldEntry* field = d->field(ActiveSub);
    if (!field || load<std::uint32_t>(field) == id)
        return;
    store(field, id);
    d->changed();
}

std::uint32_t ZColorExtEdit::indexOfSubColor(orb::ColorId id) const
{
    if (!hasFlag(MultiColorFlag))
        return orb::InvalidId;
    const orb::Span<const orb::ColorId> stored = subColors();
    auto it = std::ranges::find(stored, id);
    return it == stored.end() ? orb::InvalidId : static_cast<std::uint32_t>(it - stored.begin());
}

void ZColorExtEdit::markDirty()
{
    d->changed();
}

void ZColorExtEdit::continueChangeCount(std::uint32_t replacedCount)
{
    d->changes += replacedCount;
}

void ZColorExtEdit::clearDirty()
{
    d->dirty = false;
}

bool ZColorExtEdit::commit(bool force)
{
    if (!d->record || !d->rtApi || (!force && !d->dirty))
        return false;
    d->rtApi->commitColor(d->record);
    d->dirty = false;
    return true;
}

std::unique_ptr<ZColorExtEdit> ZColorExtEdit::copy(orb::ColorId id) const
{
    if (!d->record || !d->rtApi)
        return nullptr;
    orb::Record* record = d->rtApi->copyRecord(d->record, 1);
    if (!record)
        return nullptr;
    auto view = std::make_unique<ZColorExtEdit>(d->rtApi, record);
    if (orb::FieldEntry* field = view->d->field(Id))
        store(field, id);
    record->id = id;
    view->markDirty();
    return view;
}

} // namespace zsg
