#include <zsg/valuetypes/ColorGradient.h>

#include <algorithm>
#include <cmath>

namespace zsg {

void ColorGradient::clearStops()
{
    // QList::clear keeps the capacity, in place when unshared and in a new
    // allocation when shared.
    m_stops.clear();
}

void ColorGradient::resizeStops(unsigned int count)
{
    m_stops.resize(count);
}

void ColorGradient::addColorStop(const orbColor_rgba& color, float position, float auxiliary1, float auxiliary2)
{
    m_stops.append(ColorGradientStop(color, position, auxiliary1, auxiliary2));
    sortStops();
}

bool ColorGradient::addColorStopAt(unsigned int index, const orbColor_rgba& color, float position, float auxiliary1,
                                   float auxiliary2, bool sort)
{
    if (index >= std::size_t(m_stops.size()))
        return false;
    m_stops[index] = ColorGradientStop(color, position, auxiliary1, auxiliary2);
    if (sort)
        sortStops();
    return true;
}

void ColorGradient::reset(const ColorGradient& other)
{
    m_stops = other.m_stops;
    m_flag = other.m_flag;
}

void ColorGradient::sortStops()
{
    // NaN positions sort after every number, in their order, so that the
    // ordering stays strict and weak.
    std::stable_sort(m_stops.begin(), m_stops.end(), [](const ColorGradientStop& a, const ColorGradientStop& b) {
        return a.position < b.position || (!std::isnan(a.position) && std::isnan(b.position));
    });
}

bool ColorGradient::operator==(const ColorGradient& other) const
{
    // Not QList's ==, which calls lists sharing one storage equal even when
    // they hold a NaN.
    return m_flag == other.m_flag
        && std::equal(m_stops.begin(), m_stops.end(), other.m_stops.begin(), other.m_stops.end());
}

} // namespace zsg
