#include "OrbScene.h"
#include "UniqueName.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

using namespace orbmem;

namespace {
bool contains(std::span<const std::uint32_t> ids, std::uint32_t id)
{
    return std::ranges::find(ids, id) != ids.end();
}

orb::FieldEntry& nameField(orb::Record& record)
{
    static_assert(int(ColorName) == int(ColorwayName));
    return record.fields[ColorName];
}

std::string_view nameOf(const orb::Record& record)
{
    return textOf(record.fields[ColorName]);
}
} // namespace

orbScene::orbScene() : m_settings(createRecord(orb::ColorSettingsRecord, orb::InvalidId)) {}

orbScene::~orbScene()
{
    orb::g_strings -= static_cast<std::int64_t>(m_strings.size());
}

char* orbScene::storeString(const char* text)
{
    std::lock_guard lock(m_mutex);
    std::size_t n = std::strlen(text) + 1;
    auto copy = std::make_unique<char[]>(n);
    std::memcpy(copy.get(), text, n);
    m_strings.push_back(std::move(copy));
    ++orb::g_strings;
    return m_strings.back().get();
}

orb::Record* orbScene::color(orb::ColorId id) const
{
    auto it = m_colors.find(id);
    return it == m_colors.end() ? nullptr : it->second.get();
}

orb::Record* orbScene::colorway(orb::ColorwayId id) const
{
    auto it = m_colorways.find(id);
    return it == m_colorways.end() ? nullptr : it->second.get();
}

std::uint32_t orbScene::takeId(std::uint32_t wanted)
{
    if (wanted == orb::InvalidId) {
        if (m_nextId == orb::InvalidId)
            return orb::InvalidId;
        return m_nextId++;
    }
    if (m_colors.contains(wanted) || m_colorways.contains(wanted) || m_materials.contains(wanted))
        return orb::InvalidId;
    m_nextId = std::max(m_nextId, wanted + 1);
    return wanted;
}

orb::Record* orbScene::addColor(orb::ColorId id, const std::string& name)
{
    id = takeId(id);
    if (id == orb::InvalidId)
        return nullptr;
    SceneRecord& record = m_colors[id];
    record.reset(createRecord(orb::ColorRecord, id));
    updateText(record->fields[ColorName], name);
    // The original name is the one the colour was made with.
    put(record->fields[ColorOriginalName], get<const char*>(record->fields[ColorName]));
    colorsChanged();
    return record.get();
}

orb::Record* orbScene::addColorway(orb::ColorwayId id, const std::string& name)
{
    id = takeId(id);
    if (id == orb::InvalidId)
        return nullptr;
    SceneRecord& record = m_colorways[id];
    record.reset(createRecord(orb::ColorwayRecord, id));
    updateText(record->fields[ColorwayName], name);
    colorwaysChanged();
    return record.get();
}

void orbScene::setSettingsPresent(bool present)
{
    if (!present)
        m_settings.reset();
    else if (!m_settings)
        m_settings.reset(createRecord(orb::ColorSettingsRecord, orb::InvalidId));
}

orb::Record* orbScene::handOut(const orb::Record& record)
{
    orb::Record* copy = cloneRecord(record, Heap::Caller);
    m_handedOut.insert(copy);
    ++orb::g_records;
    return copy;
}

void orbScene::release(orb::Record* record)
{
    // The scene's own records (as the scene API hands them out) are never freed here.
    if (!m_handedOut.erase(record))
        return;
    destroyRecord(record, Heap::Caller);
    --orb::g_records;
}

bool orbScene::commit(const orb::Record& record, orb::RecordKind kind)
{
    if (record.kind != kind)
        return false;
    orb::Record* target = kind == orb::ColorSettingsRecord ? settings()
                          : kind == orb::ColorRecord       ? color(record.id)
                                                           : colorway(record.id);
    if (!target)
        return false;
    for (int i = 0; i < record.fieldCount; ++i) {
        const orb::FieldEntry& field = record.fields[i];
        if (std::strcmp(field.name, "id") == 0 && get<std::uint32_t>(field) != record.id)
            return false;
    }
    if (assign(*target, record)) {
        if (kind == orb::ColorRecord)
            colorsChanged();
        else if (kind == orb::ColorwayRecord)
            colorwaysChanged();
    }
    return true;
}

bool orbScene::assign(orb::Record& target, const orb::Record& source)
{
    bool changed = false;
    for (int i = 0; i < source.fieldCount; ++i) {
        const orb::FieldEntry& from = source.fields[i];
        const auto form = formOf(from.name);
        if (!form || std::strcmp(from.name, "id") == 0)
            continue;
        const auto end = target.fields + target.fieldCount;
        const auto to = std::find_if(target.fields, end,
                                     [&](const orb::FieldEntry& f) { return std::strcmp(f.name, from.name) == 0; });
        if (to == end)
            continue;
        switch (*form) {
        case Form::Id: changed |= update(*to, get<std::uint32_t>(from)); break;
        case Form::Rgba: changed |= update(*to, get<orbColor_rgba>(from)); break;
        case Form::String: changed |= updateText(*to, textOf(from)); break;
        case Form::List: changed |= updateList(*to, listOf(from), Heap::Scene); break;
        }
    }
    return changed;
}

bool orbScene::updateText(orb::FieldEntry& field, std::string_view text)
{
    if (textOf(field) == text)
        return false;
    put(field, text.empty() ? nullptr : static_cast<const char*>(storeString(std::string(text).c_str())));
    return true;
}

bool orbScene::isMulti(const orb::Record& color)
{
    return get<std::uint32_t>(color.fields[ColorFlags]) & MultiColorFlag;
}

bool orbScene::isTemporary(const orb::Record& color)
{
    return get<std::uint32_t>(color.fields[ColorFlags]) & TemporaryColorFlag;
}

std::vector<orb::ColorId> orbScene::colorsOfType(int type) const
{
    std::vector<orb::ColorId> ids;
    if (type != orbColor_extended::Plain && type != orbColor_extended::Multi)
        return ids;
    for (const auto& [id, record] : m_colors)
        if (!isTemporary(*record) && isMulti(*record) == (type == orbColor_extended::Multi))
            ids.push_back(id);
    return ids;
}

std::vector<orb::ColorId> orbScene::namedColors() const
{
    std::vector<orb::ColorId> ids;
    for (const auto& [id, record] : m_colors)
        if (!isTemporary(*record) && !nameOf(*record).empty())
            ids.push_back(id);
    return ids;
}

std::vector<orb::ColorId> orbScene::colorsNamed(std::string_view name, bool multiOnly) const
{
    std::vector<orb::ColorId> ids;
    if (name.empty())
        return ids;
    for (const auto& [id, record] : m_colors)
        if (!isTemporary(*record) && (!multiOnly || isMulti(*record)) && nameOf(*record) == name)
            ids.push_back(id);
    return ids;
}

std::vector<orb::ColorwayId> orbScene::colorwaysNamed(std::string_view name) const
{
    std::vector<orb::ColorwayId> ids;
    if (name.empty())
        return ids;
    for (const auto& [id, record] : m_colorways)
        if (!(get<std::uint32_t>(record->fields[ColorwayFlags]) & DeletedColorwayFlag) && nameOf(*record) == name)
            ids.push_back(id);
    return ids;
}

std::optional<std::string> orbScene::uniqueColorName(std::string_view name, orb::Span<const orb::ColorId> ignore,
                                                     int type) const
{
    if (name.empty() || (type != orbColor_extended::Plain && type != orbColor_extended::Multi))
        return std::nullopt;
    // Plain and multi colours name separately: a multi colour made from a
    // colour keeps that colour's name.
    std::unordered_set<std::string_view> taken;
    for (const auto& [id, record] : m_colors) {
        if (isTemporary(*record) || isMulti(*record) != (type == orbColor_extended::Multi)
            || std::find(ignore.begin(), ignore.end(), id) != ignore.end())
            continue;
        taken.insert(nameOf(*record));
    }
    return orbmem::uniqueName(name, [&](std::string_view n) { return taken.contains(n); });
}

void orbScene::makeNameUnique(orb::ColorId id)
{
    orb::Record* record = color(id);
    if (!record || isTemporary(*record))
        return;
    const auto unique = uniqueColorName(nameOf(*record), {&id, 1},
                                        isMulti(*record) ? orbColor_extended::Multi : orbColor_extended::Plain);
    if (unique && updateText(nameField(*record), *unique))
        colorsChanged();
}

orb::MaterialId orbScene::addMaterial(orb::MaterialContent content)
{
    const orb::MaterialId id = takeId(orb::InvalidId);
    if (id != orb::InvalidId)
        m_materials[id] = std::make_unique<Material>(id, std::move(content));
    return id;
}

Material* orbScene::material(orb::MaterialId id) const
{
    auto it = m_materials.find(id);
    return it == m_materials.end() ? nullptr : it->second.get();
}

bool orbScene::allColorsExist(const std::vector<orb::ColorId>& ids) const
{
    return std::ranges::all_of(ids, [this](orb::ColorId id) { return color(id) != nullptr; });
}

std::vector<orb::MaterialId> orbScene::materialsUsingColor(orb::ColorId id, std::uint32_t flags, bool activeOnly) const
{
    std::vector<orb::MaterialId> ids;
    if (!color(id))
        return ids;
    auto uses = [&](orb::ColorId used) {
        if (used == id)
            return (flags & DirectUse) != 0;
        const orb::Record* multi = (flags & UseThroughMulti) ? color(used) : nullptr;
        if (!multi || !isMulti(*multi))
            return false;
        return activeOnly ? get<std::uint32_t>(multi->fields[ColorActiveSub]) == id
                          : contains(listOf(multi->fields[ColorSubColors]), id);
    };
    for (const auto& [materialId, material] : m_materials)
        if (std::ranges::any_of(material->colors, uses))
            ids.push_back(materialId);
    return ids;
}

bool orbScene::activateColorway(orb::ColorwayId id)
{
    const orb::Record* chosen = colorway(id);
    if (!chosen || (get<std::uint32_t>(chosen->fields[ColorwayFlags]) & DeletedColorwayFlag))
        return false;
    const auto multis = listOf(chosen->fields[ColorwayMultiColors]);
    const auto subs = listOf(chosen->fields[ColorwaySubColors]);
    bool colorChange = false;
    for (std::size_t i = 0; i < std::min(multis.size(), subs.size()); ++i) {
        orb::Record* multi = color(multis[i]);
        if (multi && isMulti(*multi) && contains(listOf(multi->fields[ColorSubColors]), subs[i]))
            colorChange |= update(multi->fields[ColorActiveSub], subs[i]);
    }
    bool colorwayChange = false;
    for (const auto& [colorwayId, record] : m_colorways) {
        const auto flags = get<std::uint32_t>(record->fields[ColorwayFlags]);
        colorwayChange |= update(record->fields[ColorwayFlags],
                                 colorwayId == id ? flags | ActiveColorwayFlag : flags & ~ActiveColorwayFlag);
    }
    if (m_settings)
        update(m_settings->fields[SettingsActiveColorway], id);
    if (colorChange)
        colorsChanged();
    if (colorwayChange)
        colorwaysChanged();
    return true;
}

namespace orbmem {

void SceneApi::begin_color(orb::ColorId id)
{
    std::lock_guard lock(m_scene.mutex());
    m_building = Building::Color;
    m_id = id;
    m_name.clear();
}

orb::Record* SceneApi::end_color()
{
    std::lock_guard lock(m_scene.mutex());
    if (std::exchange(m_building, Building::Nothing) != Building::Color)
        return nullptr;
    return m_scene.addColor(m_id, m_name);
}

void SceneApi::begin_colorway(orb::ColorwayId id)
{
    std::lock_guard lock(m_scene.mutex());
    m_building = Building::Colorway;
    m_id = id;
    m_name.clear();
}

orb::Record* SceneApi::end_colorway()
{
    std::lock_guard lock(m_scene.mutex());
    if (std::exchange(m_building, Building::Nothing) != Building::Colorway)
        return nullptr;
    return m_scene.addColorway(m_id, m_name);
}

void SceneApi::begin_node(const char* typeName, std::uint32_t id)
{
    std::lock_guard lock(m_scene.mutex());
    m_building = m_scene.brushNodes().begin(typeName, id) ? Building::Node : Building::Nothing;
}

void* SceneApi::end_node()
{
    std::lock_guard lock(m_scene.mutex());
    if (std::exchange(m_building, Building::Nothing) != Building::Node)
        return nullptr;
    return m_scene.brushNodes().end();
}

bool SceneApi::set_attribute(const char* name, int kind, const void* value)
{
    constexpr int StringAttribute = 10;
    std::lock_guard lock(m_scene.mutex());
    if (m_building == Building::Node)
        return m_scene.brushNodes().set(name, kind, value);
    if (m_building == Building::Nothing || !name || !value || kind != StringAttribute
        || std::strcmp(name, "display_name") != 0)
        return false;
    m_name = static_cast<const char*>(value);
    return true;
}

} // namespace orbmem
