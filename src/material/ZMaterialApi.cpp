#include <zsg/material/ZMaterialApi.h>

#include <zsg/material/ZMaterialDescriptor.h>

#include <cstring>
#include <memory>
#include <new>
#include <utility>

namespace zsg {

namespace {

struct OrbFree {
    void operator()(void* block) const { orb_free(block); }
};
using OrbText = std::unique_ptr<char, OrbFree>;

// The renderer frees list texts with orb_free, so they come from orb_malloc.
OrbText duplicate(const std::string& text)
{
    OrbText copy(static_cast<char*>(orb_malloc(text.size() + 1)));
    if (!copy)
        throw std::bad_alloc();
    std::memcpy(copy.get(), text.c_str(), text.size() + 1);
    return copy;
}

void freeList(orb::KeyValue* cell)
{
    while (cell) {
        orb::KeyValue* next = cell->next;
        orb_free(cell->key);
        orb_free(cell->value);
        orb_free(cell);
        cell = next;
    }
}

} // namespace

ZMaterialApi::ZMaterialApi(orbRT_api* rtApi) : m_rtApi(rtApi) {}

orbMaterial* ZMaterialApi::material(MaterialId id) const
{
    return m_rtApi ? orb_material_from_id(m_rtApi->scene(), id) : nullptr;
}

std::unique_ptr<IMaterialDescriptor> ZMaterialApi::descriptor(MaterialId id) const
{
    const orbMaterial* record = material(id);
    if (!record)
        return nullptr;
    auto result = std::make_unique<ZMaterialDescriptor>(
        record->id, std::vector<MaterialId>(record->materialIds.begin(), record->materialIds.end()));
    MaterialMetaData& metaData = result->metaData();
    for (const orb::KeyValue* cell = record->keyValues; cell; cell = cell->next) {
        if (!cell->key)
            continue;
        // Inserting at the end costs constant time when the list is sorted, as
        // applyDescriptor leaves it; a later duplicate still overwrites.
        metaData.insert(metaData.cend(), cell->key, cell->value ? cell->value : "");
    }
    result->setProperties(record->get_meta_data());
    return result;
}

QString ZMaterialApi::materialName(MaterialId id) const
{
    const orbMaterial* record = material(id);
    return record ? QString::fromUtf8(record->name) : QString();
}

bool ZMaterialApi::applyDescriptor(const IMaterialDescriptor& descriptor)
{
    orbMaterial* record = material(descriptor.materialId());
    if (!record)
        return false;
    // Built aside and swapped in, so that a failed allocation leaves the
    // record's list as it was.
    orb::KeyValue* built = nullptr;
    orb::KeyValue** tail = &built;
    try {
        const MaterialMetaData& metaData = descriptor.metaData();
        for (auto it = metaData.cbegin(); it != metaData.cend(); ++it) {
            OrbText key = duplicate(it.key());
            OrbText value = duplicate(it.value());
            auto* cell = static_cast<orb::KeyValue*>(orb_malloc(sizeof(orb::KeyValue)));
            if (!cell)
                throw std::bad_alloc();
            *cell = {nullptr, key.release(), value.release()};
            *tail = cell;
            tail = &cell->next;
        }
    } catch (...) {
        freeList(built);
        throw;
    }
    freeList(std::exchange(record->keyValues, built));
    m_rtApi->setMaterialMetaData(record->id, descriptor.properties());
    return true;
}

} // namespace zsg
