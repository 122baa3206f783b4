#pragma once

#include <zsg/Export.h>

#include <zsg/material/IMaterialApi.h>


namespace zsg {

/// The material API over a renderer runtime's current scene. It takes no lock:
/// the caller keeps the render side off the records it reads and writes.
class ZSG_EXPORT ZMaterialApi : public IMaterialApi {
public:
    explicit ZMaterialApi(orbRT_api* rtApi);

    std::unique_ptr<IMaterialDescriptor> descriptor(MaterialId id) const override;
    QString materialName(MaterialId id) const override;
    bool applyDescriptor(const IMaterialDescriptor& descriptor) override;

private:
    orbMaterial* material(MaterialId id) const;

    orbRT_api* m_rtApi;
};

} // namespace zsg
