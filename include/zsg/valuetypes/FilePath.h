#pragma once

#include <zsg/Export.h>

#include <QString>

namespace zsg {

/// A file path held with the platform's native separators.
class ZSG_EXPORT FilePath
{
public:
    FilePath() = default;
    explicit FilePath(const QString& path);

    QString toString() const { return m_path; }

    bool operator==(const FilePath& other) const { return m_path == other.m_path; }

private:
    QString m_path;
};

} // namespace zsg
