#pragma once

#include <zsg/Export.h>
#include <zsg/material/IMaterialDescriptor.h>

#include <QString>

#include <memory>

namespace zsg {

/// The host's entry point to materials. Every write of a description is
/// announced with a MaterialDescriptionChangedEvent.
class ZSG_EXPORT IMaterialHandler {
public:
    virtual ~IMaterialHandler();

    // Null when the scene has no such material.
    virtual std::unique_ptr<IMaterialDescriptor> descriptor(MaterialId id) const = 0;
    // Writes the description and announces it, also when the scene has no
    // such material and nothing was written.
    virtual void applyDescriptor(const IMaterialDescriptor& descriptor) = 0;
    // Forwarded to the host's IMaterialDelegate::requestMaterial.
    virtual MaterialId delegatedOperation(const QString& request) = 0;
    // Empty when the scene has no such material or it has no name.
    virtual QString materialName(MaterialId id) const = 0;
};

} // namespace zsg
