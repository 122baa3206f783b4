#pragma once

#include <zsg/Export.h>

#include <QList>

namespace zsg {

/// A list of floats, implicitly shared: copies are cheap until one changes.
class ZSG_EXPORT FloatArray
{
public:
    FloatArray() = default;
    explicit FloatArray(QList<float> values);

    const QList<float>& values() const { return m_values; }
    QList<float>& values() { return m_values; }

    // Equal when sharing one storage, or element by element with float ==
    // (so a NaN makes separate arrays unequal, and 0 equals -0).
    bool operator==(const FloatArray& other) const;

private:
    QList<float> m_values;
};

} // namespace zsg
