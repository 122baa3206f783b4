#pragma once
// Access to the named fields of renderer records, shared by the colour views
// and the colour database. A field's value is raw bytes at byte 40 of its
// entry, so values are copied in and out with memcpy.

#include <zsg/platform/OrbRuntime.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>
#include <string>

namespace zsg::fields {

// Finds the field entries named in `names` with one walk over the record and
// stores the first entry of each name at the same index of `found` (null when
// the record has none).
template <std::size_t N>
void locate(const orb::Record* record, const char* const (&names)[N], orb::FieldEntry* (&found)[N])
{
    for (orb::FieldEntry*& entry : found)
        entry = nullptr;
    if (!record || !record->fields)
        return;
    for (int i = 0; i < record->fieldCount; ++i) {
        orb::FieldEntry& entry = record->fields[i];
        for (std::size_t n = 0; n < N; ++n) {
            if (!found[n] && std::strncmp(entry.name, names[n], sizeof entry.name) == 0) {
                found[n] = &entry;
                break;
            }
        }
    }
}

template <typename T>
T load(const orb::FieldEntry* field)
{
    T value;
    std::memcpy(&value, field->value, sizeof value);
    return value;
}

template <typename T>
void store(orb::FieldEntry* field, const T& value)
{
    std::memcpy(field->value, &value, sizeof value);
}

// Reads with a fallback for a missing field.
template <typename T>
T read(const orb::FieldEntry* field, T fallback)
{
    return field ? load<T>(field) : fallback;
}

inline std::string readString(const orb::FieldEntry* field)
{
    const char* text = field ? load<const char*>(field) : nullptr;
    return text ? std::string(text) : std::string();
}

// Writes a copy of `text` made in the scene's string storage when the content
// differs; the replaced string belongs to the scene and is left alone.
inline bool writeString(orbRT_api* rtApi, orb::FieldEntry* field, const std::string& text)
{
    if (!field || !rtApi || readString(field) == text)
        return false;
    store(field, static_cast<const char*>(orb_string_dup(rtApi->scene(), text.c_str())));
    return true;
}

// Sets (or clears) the bits of `mask` in a flags field: setting only when none
// of them is set, clearing only when any is. Returns whether it changed.
inline bool writeFlag(orb::FieldEntry* field, std::uint32_t mask, bool set)
{
    if (!field)
        return false;
    const auto flags = load<std::uint32_t>(field);
    const bool any = (flags & mask) != 0;
    if (set == any)
        return false;
    store(field, set ? flags | mask : flags & ~mask);
    return true;
}

inline orb::Span<const std::uint32_t> list(const orb::FieldEntry* field)
{
    if (!field)
        return {};
    const auto value = load<orb::ListValue>(field);
    return {value.data, value.count};
}

// Members are stored one by one so the padding after the count stays untouched.
inline void setListData(orb::FieldEntry* field, std::uint32_t* data)
{
    std::memcpy(field->value + offsetof(orb::ListValue, data), &data, sizeof data);
}

inline void setListCount(orb::FieldEntry* field, std::uint32_t count)
{
    std::memcpy(field->value + offsetof(orb::ListValue, count), &count, sizeof count);
}

inline std::uint32_t* allocateList(std::size_t count)
{
    void* block = orb_malloc(count * sizeof(std::uint32_t));
    if (!block)
        throw std::bad_alloc();
    return static_cast<std::uint32_t*>(block);
}

// Growing moves the elements into a new block from the renderer's allocator;
// shrinking only lowers the count.
inline void resizeList(orb::FieldEntry* field, std::uint32_t count)
{
    const orb::Span<const std::uint32_t> old = list(field);
    if (count > old.count) {
        std::uint32_t* data = allocateList(count);
        if (old.count)
            std::memcpy(data, old.data, old.count * sizeof(std::uint32_t));
        orb_free(const_cast<std::uint32_t*>(old.data));
        setListData(field, data);
    }
    setListCount(field, count);
}

// Replaces the list's block by `data` (from allocateList) holding `count` elements.
inline void installList(orb::FieldEntry* field, std::uint32_t* data, std::uint32_t count)
{
    orb_free(const_cast<std::uint32_t*>(list(field).data));
    setListData(field, data);
    setListCount(field, count);
}

inline bool contains(orb::Span<const std::uint32_t> ids, std::uint32_t id)
{
    for (std::uint32_t element : ids) {
        if (element == id)
            return true;
    }
    return false;
}

} // namespace zsg::fields
