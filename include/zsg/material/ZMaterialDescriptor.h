#pragma once

#include <zsg/Export.h>

#include <zsg/material/IMaterialDescriptor.h>

#include <memory>

namespace zsg {

/// The descriptor the material API makes: a snapshot owned by whoever asked for it,
/// not copyable; nothing reaches the renderer until it is applied.
class ZSG_EXPORT ZMaterialDescriptor : public IMaterialDescriptor {
public:
    ZMaterialDescriptor(MaterialId id, const std::vector<MaterialId>& materialIds);
    ~ZMaterialDescriptor() override;

    ZMaterialDescriptor(const ZMaterialDescriptor&) = delete;
    ZMaterialDescriptor& operator=(const ZMaterialDescriptor&) = delete;

    MaterialId materialId() const override;

    bool hasMetaData(const std::string& key) const override;
    MaterialMetaData& metaData() override;
    const MaterialMetaData& metaData() const override;
    void setMetaData(CMFKey key, const std::string& value) override;
    void setMetaData(const std::string& key, const std::string& value) override;
    std::string metaData(CMFKey key) const override;
    std::string metaData(const std::string& key) const override;
    void removeMetaData(CMFKey key) override;
    void removeMetaData(const std::string& key) override;

    void removeProperty(const std::string& key) override;
    void setProperty(const std::string& key, const orb::MetaData& value) override;
    orb::MetaData property(const std::string& key) override;
    orb::MetaData properties() const override;
    void setProperties(const orb::MetaData& properties) override;

    void touch() override;

    bool hasMaterialIds() const override;
    const std::vector<MaterialId>& materialIds() const override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace zsg
