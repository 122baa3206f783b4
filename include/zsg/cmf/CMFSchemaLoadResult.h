#pragma once

#include <zsg/cmf/CMFLoadStatus.h>
#include <zsg/cmf/ZCMFSchema.h>

#include <QList>
#include <QString>

#include <memory>

namespace zsg {

/// What ZCMFSchema::load returns.
struct CMFSchemaLoadResult {
    // Null whenever status is Failed.
    std::unique_ptr<ZCMFSchema> schema;
    CMFLoadStatus status = CMFLoadStatus::Ok;
    // The translated error text when status is Failed, else empty.
    QString message;
    // In the order they arose; kept when the load fails later.
    QList<QString> warnings;
};

} // namespace zsg
