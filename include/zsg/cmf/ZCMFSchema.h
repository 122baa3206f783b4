#pragma once

#include <zsg/Export.h>
#include <zsg/cmf/CMFAttribute.h>

#include <QString>

#include <vector>

QT_FORWARD_DECLARE_CLASS(QTextStream)

namespace zsg {

struct CMFSchemaLoadResult;

/// The schema of material-information attributes and its JSON file.
class ZSG_EXPORT ZCMFSchema {
public:
    // Reads the rest of the stream as a schema file. Never throws for bad
    // content: the first fault ends the load with status Failed, a null schema
    // and a translated message; attributes of an unknown kind are dropped with
    // a warning instead.
    static CMFSchemaLoadResult load(QTextStream& stream);
    // Writes the schema as the indented JSON document that load reads back.
    void save(QTextStream& stream) const;

    // Whether an attribute other than the one at `ignoredIndex` is called
    // exactly `name`; pass -1 to count every attribute.
    bool hasAttributeWithName(const QString& name, int ignoredIndex) const;

    bool operator==(const ZCMFSchema&) const = default;

    // Stored as "schemaName".
    QString name;
    // In display order, which is file order.
    std::vector<CMFAttribute> attributes;
};

} // namespace zsg

// The result type of load owns a schema, so it can only follow the class.
#include <zsg/cmf/CMFSchemaLoadResult.h>
