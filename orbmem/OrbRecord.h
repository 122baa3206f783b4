#pragma once
// Building, copying and freeing the records of the in-memory renderer.
// Private to orbmem.

#include <zsg/platform/OrbRuntime.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string_view>

namespace orbmem {

enum class Form { Id, String, Rgba, List };

struct FieldLayout {
    const char* name;
    Form form;
};

// The fields the scene gives each record kind, in this order; the scene reads
// its own records by these positions.
enum ColorField { ColorIdField, ColorName, ColorOriginalName, ColorValue, ColorFlags, ColorSubColors, ColorActiveSub };
enum ColorwayField { ColorwayIdField, ColorwayName, ColorwayMultiColors, ColorwaySubColors, ColorwayFlags };
enum SettingsField { SettingsActiveColorway };

inline constexpr std::uint32_t MultiColorFlag = 1;
inline constexpr std::uint32_t TemporaryColorFlag = 4;
inline constexpr std::uint32_t DeletedColorwayFlag = 1;
inline constexpr std::uint32_t ActiveColorwayFlag = 2;

std::span<const FieldLayout> fieldLayouts(orb::RecordKind kind);
// The value form of a field name, or nothing for a name no record here has.
std::optional<Form> formOf(const char* name);

template <typename T>
T get(const orb::FieldEntry& field)
{
    T value;
    std::memcpy(&value, field.value, sizeof value);
    return value;
}

template <typename T>
void put(orb::FieldEntry& field, const T& value)
{
    static_assert(sizeof(T) <= sizeof field.value);
    std::memcpy(field.value, &value, sizeof value);
}

inline std::span<const std::uint32_t> listOf(const orb::FieldEntry& field)
{
    const auto list = get<orb::ListValue>(field);
    return list.data ? std::span<const std::uint32_t>(list.data, list.count) : std::span<const std::uint32_t>();
}

// Strings compare by content; null and "" are the same (no name).
inline std::string_view textOf(const orb::FieldEntry& field)
{
    const char* text = get<const char*>(field);
    return text ? std::string_view(text) : std::string_view();
}

// Writes `value` into a field when its bytes differ; reports whether it did.
template <typename T>
bool update(orb::FieldEntry& field, const T& value)
{
    if (std::memcmp(field.value, &value, sizeof value) == 0)
        return false;
    put(field, value);
    return true;
}

// Where a record's list blocks live. Records handed to a caller use orb_malloc,
// because views resize their lists with orb_malloc / orb_free; the scene's own
// records use the plain heap so that only what is handed out is counted.
enum class Heap { Scene, Caller };

std::uint32_t* allocateList(std::size_t count, Heap heap);
void freeList(std::uint32_t* data, Heap heap);
// Replaces a list field's elements (a new block on `heap`, the old one freed)
// when they differ; reports whether it did.
bool updateList(orb::FieldEntry& field, std::span<const std::uint32_t> values, Heap heap);

// A record of `kind` with every field of the kind at its default: no names,
// colour (0, 0, 0, 1), no flags, empty lists, no ids. Its lists are empty, so
// it suits either heap.
orb::Record* createRecord(orb::RecordKind kind, std::uint32_t id);
// A deep copy: own field array and list blocks; strings stay shared, since
// they live in the scene's string storage.
orb::Record* cloneRecord(const orb::Record& source, Heap heap);
// Frees the list blocks the record holds now, the field array and the record.
void destroyRecord(orb::Record* record, Heap heap);

} // namespace orbmem
