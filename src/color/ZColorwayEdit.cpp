#include <zsg/color/ZColorwayEdit.h>

#include "RecordFields.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

namespace zsg {

using namespace fields;

namespace {
enum Field { Id, DisplayName, MultiColors, ActiveSubs, Flags, FieldCount };
constexpr const char* fieldNames[FieldCount] = {"id", "display_name", "multi_colors", "active_sub_indices",
                                                "flags"};
enum : std::uint32_t { DeletedFlag = 1, ActiveFlag = 2 };
} // namespace

struct ZColorwayEdit::Private {
    orbRT_api* rtApi;
    orb::Record* record = nullptr;
    orb::FieldEntry* fields[FieldCount] = {};
    bool dirty = false;

    orb::FieldEntry* field(Field f) const { return fields[f]; }
    bool hasLists() const { return field(MultiColors) && field(ActiveSubs); }
    std::vector<MultiColorPair> pairs(std::size_t count) const
    {
        const orb::Span<const orb::ColorId> multis = list(field(MultiColors));
        const orb::Span<const orb::ColorId> subs = list(field(ActiveSubs));
        std::vector<MultiColorPair> result;
        for (std::size_t i = 0; i < count; ++i)
            result.push_back({multis[i], subs[i]});
        return result;
    }
};

ZColorwayEdit::ZColorwayEdit(orbRT_api* rtApi, orb::Record* record) : d(std::make_unique<Private>())
{
    d->rtApi = rtApi;
    if (!record || record->kind != orb::ColorwayRecord)
        return;
    d->record = record;
    locate(record, fieldNames, d->fields);
    if (!d->hasLists())
        return;

    // Older or foreign records may pair the lists badly: cut them to one
    // length, then keep one pair per multi colour.
    const std::size_t multiCount = multiColors().size();
    const std::size_t subCount = activeSubs().size();
    if (multiCount != subCount) {
        const std::vector<MultiColorPair> cut = d->pairs(std::min(multiCount, subCount));
        setMultiColors({cut.data(), cut.size()});
    }
    std::map<orb::ColorId, orb::ColorId> firstSub;
    for (const MultiColorPair& pair : d->pairs(multiColors().size()))
        firstSub.try_emplace(pair.multiColor, pair.subColor);
    if (firstSub.size() != multiColors().size()) {
        std::vector<MultiColorPair> unique;
        for (const auto& [multi, sub] : firstSub)
            unique.push_back({multi, sub});
        setMultiColors({unique.data(), unique.size()});
    }
}

ZColorwayEdit::~ZColorwayEdit()
{
    if (d->rtApi && d->record)
        d->rtApi->releaseColorway(d->record);
}

orb::ColorwayId ZColorwayEdit::id() const
{
    return read<std::uint32_t>(d->field(Id), orb::InvalidId);
}

std::string ZColorwayEdit::displayName() const
{
    return readString(d->field(DisplayName));
}

orb::Span<const orb::ColorId> ZColorwayEdit::multiColors() const
{
    return list(d->field(MultiColors));
}

orb::Span<const orb::ColorId> ZColorwayEdit::activeSubs() const
{
    return list(d->field(ActiveSubs));
}

orb::ColorId ZColorwayEdit::activeSubOf(orb::ColorId multiColor) const
{
    const orb::Span<const orb::ColorId> multis = multiColors();
    const orb::Span<const orb::ColorId> subs = activeSubs();
    const auto position = static_cast<std::size_t>(std::ranges::find(multis, multiColor) - multis.begin());
    return position < multis.size() && position < subs.size() ? subs[position] : orb::InvalidId;
}

bool ZColorwayEdit::isDeleted() const
{
    return (read<std::uint32_t>(d->field(Flags), 0) & DeletedFlag) != 0;
}

bool ZColorwayEdit::isActive() const
{
    return (read<std::uint32_t>(d->field(Flags), 0) & ActiveFlag) != 0;
}

bool ZColorwayEdit::hasMultiColor(orb::ColorId id) const
{
    return contains(multiColors(), id);
}

bool ZColorwayEdit::isDirty() const
{
    return d->dirty;
}

void ZColorwayEdit::setDisplayName(const std::string& name)
{
    if (writeString(d->rtApi, d->field(DisplayName), name))
        d->dirty = true;
}

void ZColorwayEdit::setDeleted(bool deleted)
{
    if (writeFlag(d->field(Flags), DeletedFlag, deleted))
        d->dirty = true;
}

void ZColorwayEdit::setActive(bool active)
{
    if (writeFlag(d->field(Flags), ActiveFlag, active))
        d->dirty = true;
}

void ZColorwayEdit::setMultiColors(orb::Span<const MultiColorPair> pairs)
{
    if (!d->hasLists())
        return;
    d->dirty = true;
    const auto count = static_cast<std::uint32_t>(pairs.size());
    resizeList(d->field(MultiColors), count);
    resizeList(d->field(ActiveSubs), count);
    std::uint32_t* multis = load<orb::ListValue>(d->field(MultiColors)).data;
    std::uint32_t* subs = load<orb::ListValue>(d->field(ActiveSubs)).data;
    for (std::uint32_t i = 0; i < count; ++i) {
        multis[i] = pairs[i].multiColor;
        subs[i] = pairs[i].subColor;
    }
}

void ZColorwayEdit::insertMultiColors(orb::Span<const MultiColorPair> pairs, int position)
{
    if (!d->hasLists() || pairs.empty())
        return;
    const std::vector<MultiColorPair> inserted(pairs.begin(), pairs.end());
    std::vector<orb::ColorId> ids;
    for (const MultiColorPair& pair : inserted)
        ids.push_back(pair.multiColor);
    // Each listed pair that moves from before the position shifts it down by one.
    const orb::Span<const orb::ColorId> stored = multiColors();
    int movedFromBefore = 0;
    for (int i = 0; i < position && i < static_cast<int>(stored.size()); ++i) {
        if (std::ranges::find(ids, stored[i]) != ids.end())
            ++movedFromBefore;
    }
    removeMultiColors({ids.data(), ids.size()});
    position -= movedFromBefore;

    const auto oldCount = static_cast<std::uint32_t>(multiColors().size());
    const auto count = static_cast<std::uint32_t>(inserted.size());
    std::uint32_t at = oldCount;
    if (position >= 0 && static_cast<std::uint32_t>(position) < oldCount)
        at = static_cast<std::uint32_t>(position);
    for (Field f : {MultiColors, ActiveSubs}) {
        resizeList(d->field(f), oldCount + count);
        std::uint32_t* data = load<orb::ListValue>(d->field(f)).data;
        std::memmove(data + at + count, data + at, (oldCount - at) * sizeof(orb::ColorId));
        for (std::uint32_t i = 0; i < count; ++i)
            data[at + i] = f == MultiColors ? inserted[i].multiColor : inserted[i].subColor;
    }
    d->dirty = true;
}

void ZColorwayEdit::removeMultiColors(orb::Span<const orb::ColorId> ids)
{
    if (!d->hasLists() || multiColors().size() != activeSubs().size())
        return;
    // The ids may point into the list compacted below.
    const std::vector<orb::ColorId> removed(ids.begin(), ids.end());
    std::uint32_t* multis = load<orb::ListValue>(d->field(MultiColors)).data;
    std::uint32_t* subs = load<orb::ListValue>(d->field(ActiveSubs)).data;
    const auto count = static_cast<std::uint32_t>(multiColors().size());
    std::uint32_t kept = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (std::ranges::find(removed, multis[i]) != removed.end())
            continue;
        multis[kept] = multis[i];
        subs[kept] = subs[i];
        ++kept;
    }
    resizeList(d->field(MultiColors), kept);
    resizeList(d->field(ActiveSubs), kept);
    d->dirty = true;
}

void ZColorwayEdit::clearDirty()
{
    d->dirty = false;
}

bool ZColorwayEdit::commit(bool force)
{
    if (!d->record || !d->rtApi || (!force && !d->dirty))
        return false;
    d->rtApi->commitColorway(d->record);
    d->dirty = false;
    return true;
}

std::unique_ptr<ZColorwayEdit> ZColorwayEdit::copy() const
{
    if (!d->record || !d->rtApi)
        return nullptr;
    orb::Record* record = d->rtApi->copyRecord(d->record, 1);
    return record ? std::make_unique<ZColorwayEdit>(d->rtApi, record) : nullptr;
}

} // namespace zsg
