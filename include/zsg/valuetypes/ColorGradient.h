#pragma once

#include <zsg/Export.h>
#include <zsg/valuetypes/ColorGradientStop.h>

#include <QList>

namespace zsg {

/// The stops of a colour gradient, kept sorted by position by the editing
/// operations that say so. Copies share the stop list until one of them changes.
class ZSG_EXPORT ColorGradient
{
public:
    const QList<ColorGradientStop>& stops() const { return m_stops; }
    // Carried with the gradient for the host; copied by reset and compared, not hashed.
    bool flag() const { return m_flag; }
    void setFlag(bool flag) { m_flag = flag; }

    // A shared list is replaced by an empty one, so the other holders keep their stops.
    void clearStops();
    // Cuts the list, or appends default stops (opaque black at 0).
    void resizeStops(unsigned int count);
    // Appends, then sorts; a stop at an existing position lands after the stops there.
    void addColorStop(const orbColor_rgba& color, float position, float auxiliary1, float auxiliary2);
    // Replaces the stop at index; false, changing nothing, when there is none.
    bool addColorStopAt(unsigned int index, const orbColor_rgba& color, float position, float auxiliary1,
                        float auxiliary2, bool sort);
    // Takes the other gradient's stops (sharing its list) and its flag.
    void reset(const ColorGradient& other);
    // Stable, ascending by position; NaN positions go last.
    void sortStops();

    // Stop by stop with float ==, and the flag.
    bool operator==(const ColorGradient& other) const;

private:
    QList<ColorGradientStop> m_stops;
    bool m_flag = false;
};

} // namespace zsg
