#include <zsg/valuetypes/FilePath.h>

#include <QDir>

namespace zsg {

FilePath::FilePath(const QString& path)
    : m_path(QDir::toNativeSeparators(path))
{
}

} // namespace zsg
