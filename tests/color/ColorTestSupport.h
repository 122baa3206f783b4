#pragma once
// Shared by the colour tests: a leak check, colour values, and readable
// failure messages for the event lists, and the events' texts.

#include <zsg/platform/OrbRuntime.h>
#include <zsg/platform/ZColorExt.h>

#include <orbmem/MemoryRuntime.h>

#include "support/QtPrinters.h"

#include <QString>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace zsg::test {

using Ids = std::vector<orb::ColorId>;
constexpr orb::ColorId None = orb::InvalidId;

// Colour events as the event recorder writes them.
inline QString updated(orb::ColorId id) { return QStringLiteral("ColorUpdated color=%1").arg(id); }
inline QString colorwayUpdated(orb::ColorwayId id) { return QStringLiteral("ColorwayUpdated colorway=%1").arg(id); }

// Declared first in a fixture, so it checks once everything after it is gone.
struct LeakCheck {
    const orb::MemoryStats start = orb::memoryStats();
    ~LeakCheck() { EXPECT_EQ(orb::memoryStats(), start); }
};

inline ZColor rgb(float r, float g, float b, const std::string& name = {})
{
    return ZColor(ZColor::RGB, r, g, b, 0, 1, name);
}

// A multi colour over new sub colours of these values, not yet pushed.
inline ZColorExt newMulti(const std::string& name, const QList<ZColor>& subs)
{
    ZColorExt color;
    color.setMultiColor(true);
    QList<ZColorExt::ZColorWithId> entries;
    for (const ZColor& sub : subs)
        entries.append({sub, orb::InvalidId});
    color.setColors(entries);
    color.setColorName(name);
    return color;
}

inline std::vector<std::uint32_t> toVector(orb::Span<const std::uint32_t> ids)
{
    return {ids.begin(), ids.end()};
}

} // namespace zsg::test
