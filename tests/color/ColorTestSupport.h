#pragma once
// Shared by the colour tests: building colours and colorways straight through
// the renderer's scene API, and writing raw record lists the way a foreign
// renderer might have left them.

#include <color/RecordFields.h>

#include <zsg/platform/OrbRuntime.h>

#include <QString>

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

// Readable failure messages for the event lists.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace zsg::test {

// The scene's own record of a new colour or colorway (valid until the scene changes).
inline orb::Record* addColor(orbRT_api& rtApi, const std::string& name = {})
{
    orbScene_api* api = orb_get_scene_api(rtApi.scene());
    api->begin_color(orb::InvalidId);
    if (!name.empty())
        api->set_attribute("display_name", 10, name.c_str());
    return api->end_color();
}

inline orb::Record* addColorway(orbRT_api& rtApi)
{
    orbScene_api* api = orb_get_scene_api(rtApi.scene());
    api->begin_colorway(orb::InvalidId);
    return api->end_colorway();
}

inline orb::FieldEntry* field(orb::Record* record, const char* name)
{
    const char* names[] = {name};
    orb::FieldEntry* found[1];
    fields::locate(record, names, found);
    return found[0];
}

// Replaces a list field of a record fetched by the caller (blocks from orb_malloc).
inline void writeList(orb::Record* record, const char* name, std::initializer_list<std::uint32_t> values)
{
    orb::FieldEntry* list = field(record, name);
    std::uint32_t* data = fields::allocateList(values.size());
    std::copy(values.begin(), values.end(), data);
    fields::installList(list, data, static_cast<std::uint32_t>(values.size()));
}

inline std::vector<std::uint32_t> toVector(orb::Span<const std::uint32_t> ids)
{
    return {ids.begin(), ids.end()};
}

} // namespace zsg::test
