#include <zsg/material/ZMaterialDescriptor.h>

namespace zsg {

struct ZMaterialDescriptor::Private {
    MaterialId id;
    MaterialMetaData metaData;  // no body until the first write
    std::vector<MaterialId> materialIds;
    orb::MetaData properties;

    // The properties as an object for keyed access; null when they hold
    // something else, which keyed access leaves alone.
    orb::MetaData* object()
    {
        if (properties.is_null() || properties.is_discarded())
            properties = orb::MetaData::object();
        return properties.is_object() ? &properties : nullptr;
    }
};

ZMaterialDescriptor::ZMaterialDescriptor(MaterialId id, const std::vector<MaterialId>& materialIds)
    : d(new Private{id, {}, materialIds, {}})
{
}

ZMaterialDescriptor::~ZMaterialDescriptor() = default;

MaterialId ZMaterialDescriptor::materialId() const
{
    return d->id;
}

bool ZMaterialDescriptor::hasMetaData(const std::string& key) const
{
    return d->metaData.contains(key);
}

MaterialMetaData& ZMaterialDescriptor::metaData()
{
    return d->metaData;
}

const MaterialMetaData& ZMaterialDescriptor::metaData() const
{
    return d->metaData;
}

void ZMaterialDescriptor::setMetaData(CMFKey key, const std::string& value)
{
    setMetaData(cmfKeyString.at(key), value);
}

void ZMaterialDescriptor::setMetaData(const std::string& key, const std::string& value)
{
    if (!key.empty())
        d->metaData.insert(key, value);
}

std::string ZMaterialDescriptor::metaData(CMFKey key) const
{
    return metaData(cmfKeyString.at(key));
}

std::string ZMaterialDescriptor::metaData(const std::string& key) const
{
    return d->metaData.value(key);
}

void ZMaterialDescriptor::removeMetaData(CMFKey key)
{
    removeMetaData(cmfKeyString.at(key));
}

void ZMaterialDescriptor::removeMetaData(const std::string& key)
{
    // QMap::remove copies a shared body even when the key is absent.
    if (d->metaData.contains(key))
        d->metaData.remove(key);
}

void ZMaterialDescriptor::removeProperty(const std::string& key)
{
    if (orb::MetaData* object = d->object())
        object->erase(key);
}

void ZMaterialDescriptor::setProperty(const std::string& key, const orb::MetaData& value)
{
    if (orb::MetaData* object = d->object())
        (*object)[key] = value;
}

orb::MetaData ZMaterialDescriptor::property(const std::string& key)
{
    orb::MetaData* object = d->object();
    return object ? (*object)[key] : orb::MetaData();
}

orb::MetaData ZMaterialDescriptor::properties() const
{
    return d->properties;
}

void ZMaterialDescriptor::setProperties(const orb::MetaData& properties)
{
    d->properties = properties;
}

void ZMaterialDescriptor::touch() {}

bool ZMaterialDescriptor::hasMaterialIds() const
{
    return !d->materialIds.empty();
}

const std::vector<MaterialId>& ZMaterialDescriptor::materialIds() const
{
    return d->materialIds;
}

} // namespace zsg
