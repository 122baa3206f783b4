#pragma once

#include <zsg/cmf/CMFAttributeKind.h>

#include <QString>

namespace zsg {

/// One attribute of a material-information schema.
struct CMFAttribute {
    // Shown to the user; unique within a schema (case-sensitive). Names read
    // from a file never contain '|'.
    QString name;
    bool visible = true;
    CMFAttributeKind kind = CMFAttributeKind::Text;
    // Free for the host application: copied with the attribute, but never
    // set, saved or loaded by the library.
    QString hostData;

    bool operator==(const CMFAttribute&) const = default;
};

} // namespace zsg
