#include <zsg/valuetypes/FloatArray.h>

#include <algorithm>
#include <utility>

namespace zsg {

FloatArray::FloatArray(QList<float> values)
    : m_values(std::move(values))
{
}

bool FloatArray::operator==(const FloatArray& other) const
{
    // QList's own == compares floats bytewise (NaN == NaN, 0 != -0).
    return m_values.size() == other.m_values.size()
        && (m_values.constData() == other.m_values.constData()
            || std::equal(m_values.cbegin(), m_values.cend(), other.m_values.cbegin()));
}

} // namespace zsg
