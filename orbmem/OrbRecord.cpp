#include "OrbRecord.h"

#include <algorithm>
#include <cstdlib>
#include <new>

namespace orbmem {

namespace {
constexpr FieldLayout colorFields[] = {
    {"id", Form::Id},     {"display_name", Form::String}, {"original_name", Form::String}, {"color", Form::Rgba},
    {"flags", Form::Id},  {"sub_colors", Form::List},     {"active_sub", Form::Id},
};
constexpr FieldLayout colorwayFields[] = {
    {"id", Form::Id},
    {"display_name", Form::String},
    {"multi_colors", Form::List},
    {"active_sub_indices", Form::List},
    {"flags", Form::Id},
};
constexpr FieldLayout settingsFields[] = {{"active_colorway_id", Form::Id}};
} // namespace

std::span<const FieldLayout> fieldLayouts(orb::RecordKind kind)
{
    switch (kind) {
    case orb::ColorRecord: return colorFields;
    case orb::ColorwayRecord: return colorwayFields;
    case orb::ColorSettingsRecord: return settingsFields;
    }
    return {};
}

std::optional<Form> formOf(const char* name)
{
    for (auto kind : {orb::ColorRecord, orb::ColorwayRecord, orb::ColorSettingsRecord})
        for (const FieldLayout& field : fieldLayouts(kind))
            if (std::strncmp(field.name, name, sizeof(orb::FieldEntry::name)) == 0)
                return field.form;
    return std::nullopt;
}

std::uint32_t* allocateList(std::size_t count, Heap heap)
{
    if (count == 0)
        return nullptr;
    const std::size_t size = count * sizeof(std::uint32_t);
    void* block = heap == Heap::Caller ? orb_malloc(size) : std::malloc(size);
    if (!block)
        throw std::bad_alloc();
    return static_cast<std::uint32_t*>(block);
}

void freeList(std::uint32_t* data, Heap heap)
{
    if (heap == Heap::Caller)
        orb_free(data);
    else
        std::free(data);
}

bool updateList(orb::FieldEntry& field, std::span<const std::uint32_t> values, Heap heap)
{
    const auto old = get<orb::ListValue>(field);
    if (std::ranges::equal(listOf(field), values))
        return false;
    std::uint32_t* data = allocateList(values.size(), heap);
    std::ranges::copy(values, data);
    put(field, orb::ListValue{data, static_cast<std::uint32_t>(values.size())});
    freeList(old.data, heap);
    return true;
}

orb::Record* createRecord(orb::RecordKind kind, std::uint32_t id)
{
    const auto layouts = fieldLayouts(kind);
    auto* record = new orb::Record;
    record->id = id;
    record->kind = kind;
    record->fieldCount = static_cast<std::int32_t>(layouts.size());
    record->fields = new orb::FieldEntry[layouts.size()]();
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        orb::FieldEntry& field = record->fields[i];
        std::strncpy(field.name, layouts[i].name, sizeof field.name - 1);
        switch (layouts[i].form) {
        case Form::Id:
            put(field, std::strcmp(field.name, "id") == 0      ? id
                       : std::strcmp(field.name, "flags") == 0 ? std::uint32_t{0}
                                                               : orb::InvalidId);
            break;
        case Form::String: put(field, static_cast<const char*>(nullptr)); break;
        case Form::Rgba: put(field, orbColor_rgba{0, 0, 0, 1}); break;
        case Form::List: put(field, orb::ListValue{nullptr, 0}); break;
        }
    }
    return record;
}

orb::Record* cloneRecord(const orb::Record& source, Heap heap)
{
    auto* record = new orb::Record(source);
    const auto count = static_cast<std::size_t>(std::max(source.fieldCount, 0));
    record->fields = new orb::FieldEntry[count];
    std::memcpy(static_cast<void*>(record->fields), source.fields, count * sizeof(orb::FieldEntry));
    for (std::size_t i = 0; i < count; ++i) {
        orb::FieldEntry& field = record->fields[i];
        if (formOf(field.name) != Form::List)
            continue;
        const auto list = get<orb::ListValue>(field);
        std::uint32_t* copy = list.data ? allocateList(list.count, heap) : nullptr;
        if (copy)
            std::memcpy(copy, list.data, list.count * sizeof(std::uint32_t));
        put(field, orb::ListValue{copy, copy ? list.count : 0});
    }
    return record;
}

void destroyRecord(orb::Record* record, Heap heap)
{
    if (!record)
        return;
    for (int i = 0; i < record->fieldCount; ++i) {
        if (formOf(record->fields[i].name) == Form::List)
            freeList(get<orb::ListValue>(record->fields[i]).data, heap);
    }
    delete[] record->fields;
    delete record;
}

} // namespace orbmem
