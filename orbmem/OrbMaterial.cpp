// Material records of the in-memory renderer and the material lookup.

#include "OrbScene.h"

#include <cstring>
#include <mutex>
#include <new>

namespace {

char* copyText(const std::string& text)
{
    auto* copy = static_cast<char*>(orb_malloc(text.size() + 1));
    if (!copy)
        throw std::bad_alloc();
    std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

void freeKeyValues(orb::KeyValue* cell)
{
    while (cell) {
        orb::KeyValue* next = cell->next;
        orb_free(cell->key);
        orb_free(cell->value);
        orb_free(cell);
        cell = next;
    }
}

orb::KeyValue* buildKeyValues(const std::vector<std::pair<std::string, std::string>>& entries)
{
    orb::KeyValue* head = nullptr;
    orb::KeyValue** tail = &head;
    try {
        for (const auto& [key, value] : entries) {
            auto* cell = static_cast<orb::KeyValue*>(orb_malloc(sizeof(orb::KeyValue)));
            if (!cell)
                throw std::bad_alloc();
            *cell = {nullptr, nullptr, nullptr};
            *tail = cell;
            tail = &cell->next;
            cell->key = copyText(key);
            cell->value = copyText(value);
        }
    } catch (...) {
        freeKeyValues(head);
        throw;
    }
    return head;
}

} // namespace

namespace orbmem {

Material::Material(orb::MaterialId materialId, orb::MaterialContent content)
    : nameText(std::move(content.name)), colors(std::move(content.colors)), ids(std::move(content.materialIds))
{
    id = materialId;
    name = nameText.empty() ? nullptr : nameText.c_str();
    materialIds = {ids.data(), ids.size()};
    m_metaData = std::move(content.metaData);
    keyValues = buildKeyValues(content.keyValues);  // last, so that nothing after it throws
}

// The list is the library's to rewrite, so the cells may be others than those
// built above; they all come from orb_malloc.
Material::~Material()
{
    freeKeyValues(keyValues);
}

orb::MaterialContent Material::content() const
{
    orb::MaterialContent content;
    content.name = nameText;
    content.colors = colors;
    content.materialIds = ids;
    content.metaData = m_metaData;
    for (const orb::KeyValue* cell = keyValues; cell; cell = cell->next)
        content.keyValues.emplace_back(cell->key ? cell->key : "", cell->value ? cell->value : "");
    return content;
}

} // namespace orbmem

orbMaterial* orb_material_from_id(orbScene* scene, orb::MaterialId id)
{
    if (!scene)
        return nullptr;
    std::lock_guard lock(scene->mutex());
    return scene->material(id);
}
