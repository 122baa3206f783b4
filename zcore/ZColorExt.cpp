#include <zsg/platform/ZColorExt.h>

#include <zsg/color/ColorModels.h>

#include <utility>

namespace zsg {

class ZColorExtData : public QSharedData
{
public:
    orb::ColorId id = orb::InvalidId;
    std::uint32_t revision = 0;
    std::string colorName;
    bool multi = false;
    QList<ZColorExt::ZColorWithId> colors;
    int active = 0;
};

namespace {

// Take the pointer by const reference so that checks never detach the data.
bool inRange(const QSharedDataPointer<ZColorExtData>& d, int index)
{
    return index >= 0 && index < d->colors.size();
}

// Whether the entry at `index` carries the colour name of a plain colour.
bool sharesColorName(const QSharedDataPointer<ZColorExtData>& d, int index)
{
    return !d->multi && index == d->active;
}

} // namespace

ZColorExt::ZColorExt() : ZColorExt(ZColor()) {}

ZColorExt::ZColorExt(float r, float g, float b) : ZColorExt(ZColor(ZColor::RGB, r, g, b)) {}

ZColorExt::ZColorExt(const ZColor& color) : d(new ZColorExtData)
{
    d->colorName = color.name();
    d->colors.append({color, orb::InvalidId});
}

ZColorExt::ZColorExt(const ZColorExt& other) = default;
ZColorExt& ZColorExt::operator=(const ZColorExt& other) = default;
ZColorExt::~ZColorExt() = default;

orb::ColorId ZColorExt::getId() const
{
    return d->id;
}

void ZColorExt::setId(orb::ColorId id)
{
    d->id = id;
}

std::uint32_t ZColorExt::revision() const
{
    return d->revision;
}

void ZColorExt::setRevision(std::uint32_t revision)
{
    d->revision = revision;
}

std::string ZColorExt::getColorName() const
{
    return d->colorName;
}

void ZColorExt::setColorName(const std::string& name)
{
    d->colorName = name;
    if (!d->multi && inRange(d, d->active))
        d->colors[d->active].color.setName(name);
}

bool ZColorExt::isMultiColor() const
{
    return d->multi;
}

void ZColorExt::setMultiColor(bool multi)
{
    d->multi = multi;
}

int ZColorExt::nColors() const
{
    return static_cast<int>(d->colors.size());
}

const QList<ZColorExt::ZColorWithId>& ZColorExt::colors() const
{
    return d->colors;
}

void ZColorExt::setColors(const QList<ZColorWithId>& colors)
{
    d->colors = colors;
    if (!inRange(d, d->active))
        d->active = 0;
}

ZColor ZColorExt::color(int index) const
{
    return inRange(d, index) ? d->colors[index].color : ZColor();
}

void ZColorExt::setColor(int index, const ZColor& color, NameOperation op)
{
    if (!inRange(d, index))
        return;
    ZColor& entry = d->colors[index].color;
    if (op == KeepName) {
        std::string name = entry.name();
        entry = color;
        entry.setName(std::move(name));
        return;
    }
    entry = color;
    if (sharesColorName(d, index))
        d->colorName = color.name();
}

orb::ColorId ZColorExt::getSubColorId(int index) const
{
    return inRange(d, index) ? d->colors[index].id : orb::InvalidId;
}

void ZColorExt::setSubColorId(int index, orb::ColorId id)
{
    if (inRange(d, index))
        d->colors[index].id = id;
}

std::string ZColorExt::getName(int index) const
{
    return inRange(d, index) ? d->colors[index].color.name() : std::string();
}

void ZColorExt::setName(int index, const std::string& name)
{
    if (!inRange(d, index))
        return;
    d->colors[index].color.setName(name);
    if (sharesColorName(d, index))
        d->colorName = name;
}

int ZColorExt::getIndexOfSubColor(orb::ColorId id) const
{
    if (id == orb::InvalidId)
        return -1;
    for (int i = 0; i < d->colors.size(); ++i) {
        if (d->colors[i].id == id)
            return i;
    }
    return -1;
}

int ZColorExt::activeIndex() const
{
    return d->active;
}

void ZColorExt::setActiveIndex(int index)
{
    if (inRange(d, index))
        d->active = index;
}

ZColor ZColorExt::getActive() const
{
    return color(d->active);
}

orbColor_rgba ZColorExt::rgba() const
{
    return toRgba(getActive());
}

orbColor_rgba ZColorExt::subRgba(int index) const
{
    return toRgba(color(index));
}

ZColorExt ZColorExt::detachedClone() const
{
    ZColorExt clone(*this);
    clone.d.detach();
    return clone;
}

void ZColorExt::copyDataFrom(const ZColorExt& other)
{
    d = other.d;
}

bool ZColorExt::operator==(const ZColorExt& other) const
{
    if (d == other.d)
        return true;
    return d->id == other.d->id && d->multi == other.d->multi && d->colorName == other.d->colorName
        && d->active == other.d->active && d->colors == other.d->colors;
}

ZColorExtAlpha::ZColorExtAlpha(float r, float g, float b, float a)
    : ZColorExt(ZColor(ZColor::RGB, r, g, b, 0, a))
{
}

} // namespace zsg
