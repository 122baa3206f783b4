#pragma once

#include <zsg/Export.h>

#include <zsg/material/IMaterialDescriptor.h>

#include <QString>

#include <memory>

namespace zsg {

/// Reads the renderer's material records into descriptors and writes edited
/// descriptors back.
class ZSG_EXPORT IMaterialApi {
public:
    virtual ~IMaterialApi() = default;

    // Null when the scene has no such material.
    virtual std::unique_ptr<IMaterialDescriptor> descriptor(MaterialId id) const = 0;
    // Empty when the scene has no such material or it has no name.
    virtual QString materialName(MaterialId id) const = 0;
    // Rewrites the material's metadata and properties (never its name or id
    // list); false when the scene has no material with the descriptor's id.
    virtual bool applyDescriptor(const IMaterialDescriptor& descriptor) = 0;
};

} // namespace zsg
