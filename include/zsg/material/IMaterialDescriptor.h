#pragma once

#include <zsg/Export.h>
#include <zsg/cmf/CMFKey.h>
#include <zsg/material/MaterialId.h>
#include <zsg/platform/OrbRuntime.h>

#include <QMap>

#include <string>
#include <vector>

namespace zsg {

// A material's text metadata, ordered by key. Implicitly shared: copies share
// one body (with an atomic count) until one of them is written.
using MaterialMetaData = QMap<std::string, std::string>;

/// A detached, editable snapshot of a material: its text metadata (the material
/// information among it addressed by CMFKey), its renderer properties and its
/// list of material ids. Changes reach the renderer only when the snapshot is
/// applied (IMaterialApi::applyDescriptor).
class ZSG_EXPORT IMaterialDescriptor {
public:
    virtual ~IMaterialDescriptor();

    virtual MaterialId materialId() const = 0;

    virtual bool hasMetaData(const std::string& key) const = 0;
    virtual MaterialMetaData& metaData() = 0;
    virtual const MaterialMetaData& metaData() const = 0;
    // The CMFKey overloads throw std::out_of_range for a key outside the enumeration.
    virtual void setMetaData(CMFKey key, const std::string& value) = 0;
    // An empty key is ignored.
    virtual void setMetaData(const std::string& key, const std::string& value) = 0;
    virtual std::string metaData(CMFKey key) const = 0;
    // Empty for a missing key.
    virtual std::string metaData(const std::string& key) const = 0;
    virtual void removeMetaData(CMFKey key) = 0;
    virtual void removeMetaData(const std::string& key) = 0;

    // Properties form a JSON object: null properties become an empty object on
    // the first keyed access; keyed access leaves any other non-object alone.
    virtual void removeProperty(const std::string& key) = 0;
    virtual void setProperty(const std::string& key, const orb::MetaData& value) = 0;
    // A copy of the entry, created null when it is missing.
    virtual orb::MetaData property(const std::string& key) = 0;
    virtual orb::MetaData properties() const = 0;
    virtual void setProperties(const orb::MetaData& properties) = 0;

    virtual void touch() = 0;

    virtual bool hasMaterialIds() const = 0;
    virtual const std::vector<MaterialId>& materialIds() const = 0;
};

} // namespace zsg
