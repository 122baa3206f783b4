// The colour family of the renderer's free functions and the scene API accessor.

#include "OrbScene.h"

#include <cstdlib>
#include <cstring>
#include <new>

using orbmem::toArray;

orbScene_api* orb_get_scene_api(orbScene* scene)
{
    return scene ? scene->api() : nullptr;
}

orb::Array<orb::ColorId> orb_get_colors(orbScene* scene, int type)
{
    if (!scene)
        return {};
    std::lock_guard lock(scene->mutex());
    return toArray(scene->colorsOfType(type));
}

orb::Array<orb::ColorId> orb_get_colors_named(orbScene* scene)
{
    if (!scene)
        return {};
    std::lock_guard lock(scene->mutex());
    return toArray(scene->namedColors());
}

orb::Array<orb::ColorwayId> orb_get_colorways(orbScene* scene)
{
    if (!scene)
        return {};
    std::lock_guard lock(scene->mutex());
    std::vector<orb::ColorwayId> ids;
    for (const auto& entry : scene->colorways())
        ids.push_back(entry.first);
    return toArray(ids);
}

void orb_get_colordb_revision(orbScene* scene, std::uint32_t* colorRevision, std::uint32_t* colorwayRevision)
{
    if (!scene)
        return;
    std::lock_guard lock(scene->mutex());
    if (colorRevision)
        *colorRevision = scene->colorRevision();
    if (colorwayRevision)
        *colorwayRevision = scene->colorwayRevision();
}

orb::Array<orb::ColorId> orb_color_from_name(orbScene* scene, const char* name)
{
    if (!scene || !name)
        return {};
    std::lock_guard lock(scene->mutex());
    return toArray(scene->colorsNamed(name, false));
}

orb::Array<orb::ColorId> orb_multi_color_from_name(orbScene* scene, const char* name)
{
    if (!scene || !name)
        return {};
    std::lock_guard lock(scene->mutex());
    return toArray(scene->colorsNamed(name, true));
}

orb::Array<orb::ColorwayId> orb_colorway_from_name(orbScene* scene, const char* name)
{
    if (!scene || !name)
        return {};
    std::lock_guard lock(scene->mutex());
    return toArray(scene->colorwaysNamed(name));
}

std::uint32_t orb_color_reference_count(orbScene* scene, orb::ColorId id)
{
    if (!scene)
        return 0;
    std::lock_guard lock(scene->mutex());
    const auto users =
        scene->materialsUsingColor(id, orbmem::DirectUse | orbmem::UseThroughMulti, /*activeOnly=*/false);
    return static_cast<std::uint32_t>(users.size());
}

bool orb_color_find_unique_name(orbScene* scene, const char* name, orb::Span<const orb::ColorId> ignore,
                                orbColor_extended::ColorType type, char** result)
{
    if (!scene || !name || !result)
        return false;
    std::lock_guard lock(scene->mutex());
    const auto unique = scene->uniqueColorName(name, ignore, type);
    if (!unique)
        return false;
    *result = static_cast<char*>(orb_malloc(unique->size() + 1));
    if (!*result)
        return false;
    std::memcpy(*result, unique->c_str(), unique->size() + 1);
    return true;
}

void orb_color_set_unique_name(orbScene* scene, orb::ColorId id)
{
    if (!scene)
        return;
    std::lock_guard lock(scene->mutex());
    scene->makeNameUnique(id);
}

orb::Array<orb::MaterialId> orb_get_materials_using_color(orbScene* scene, orb::ColorId id, std::uint32_t flags,
                                                          bool activeOnly)
{
    if (!scene)
        return {};
    std::lock_guard lock(scene->mutex());
    return toArray(scene->materialsUsingColor(id, flags, activeOnly));
}
