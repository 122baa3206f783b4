#pragma once

#include <zsg/Export.h>

#include <zsg/material/MaterialId.h>

#include <QString>

namespace zsg {

/// Implemented by the host: the object given as SceneGraphPars::materialDelegate,
/// to which the material handler forwards delegatedOperation unchanged.
class ZSG_EXPORT IMaterialDelegate {
public:
    virtual ~IMaterialDelegate() = default;

    // Asks the host for a material matching `request` (what the request means
    // is the host's, e.g. a library path or a material name); returns the id
    // of the material the host found or made, or an invalid id when it has none.
    virtual MaterialId requestMaterial(const QString& request) = 0;
};

} // namespace zsg
