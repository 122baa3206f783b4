#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbTypes.h>
#include <zsg/platform/ZColor.h>

#include <QList>
#include <QSharedDataPointer>

#include <cstdint>
#include <string>

namespace zsg {

class ZColorExtData;

/// ZColorExt: a colour as the application handles it, either plain (one colour)
/// or a multi colour (a list of sub colours with one active). It may carry the
/// renderer id of the colour it stands for, the ids of its sub colours and the
/// revision of the record it was read from. Copies share their data until one of
/// them changes (implicit sharing), so passing values around is cheap.
class ZCORE_EXPORT ZColorExt
{
public:
    /// One colour of the list together with the renderer id of the colour it stands for.
    struct ZColorWithId {
        ZColor color;
        orb::ColorId id = orb::InvalidId;
        bool operator==(const ZColorWithId& other) const = default;
    };

    /// What setColor does with the name of the entry it overwrites.
    enum NameOperation : int {
        KeepName = 0,  // only model, components and alpha change
        TakeName = 1,  // the entry becomes the given colour, name included
    };

    // A plain opaque black colour without id: the same as ZColorExt(0, 0, 0).
    ZColorExt();
    // A plain colour with one RGB entry and alpha 1.
    ZColorExt(float r, float g, float b);
    // A plain colour with `color` as its one entry; the colour name is the colour's name.
    explicit ZColorExt(const ZColor& color);
    // No move operations on purpose: a moved-from value stays a valid value.
    ZColorExt(const ZColorExt& other);
    ZColorExt& operator=(const ZColorExt& other);
    ~ZColorExt();

    // 0xFFFFFFFF (the default) when the value is not a renderer colour.
    orb::ColorId getId() const;
    void setId(orb::ColorId id);
    // Change counter of the renderer record the value was read from or pushed to.
    std::uint32_t revision() const;
    void setRevision(std::uint32_t revision);

    // For a plain colour the colour name and the name of its active entry are
    // one name: setting either sets both. A multi colour keeps them apart.
    std::string getColorName() const;
    void setColorName(const std::string& name);

    bool isMultiColor() const;
    void setMultiColor(bool multi);

    // Entries. Reads at an index outside 0 to nColors() - 1 give the defaults
    // (ZColor(), 0xFFFFFFFF, an empty name); writes there do nothing.
    int nColors() const;
    const QList<ZColorWithId>& colors() const;
    // Replaces the whole list; the active index falls back to 0 when it no longer points into it.
    void setColors(const QList<ZColorWithId>& colors);
    ZColor color(int index) const;
    void setColor(int index, const ZColor& color, NameOperation op = KeepName);
    orb::ColorId getSubColorId(int index) const;
    void setSubColorId(int index, orb::ColorId id);
    std::string getName(int index) const;
    void setName(int index, const std::string& name);
    // The first index whose sub colour id is `id`, or -1. An invalid id is never found.
    int getIndexOfSubColor(orb::ColorId id) const;

    // An index outside the list is ignored.
    int activeIndex() const;
    void setActiveIndex(int index);
    // The active entry's colour; ZColor() when the list is empty.
    ZColor getActive() const;

    // toRgba (ColorModels.h) of the active colour and of the colour at `index`.
    orbColor_rgba rgba() const;
    orbColor_rgba subRgba(int index) const;

    // A copy that shares nothing with this value.
    ZColorExt detachedClone() const;
    // Makes this value equal to `other` in everything, id and revision included;
    // unlike assignment it also takes a ZColorExt into a ZColorExtAlpha.
    void copyDataFrom(const ZColorExt& other);

    // Values are equal when id, multi flag, colour name, the entries (colours
    // with their names and sub colour ids) and the active index are. The
    // revision is bookkeeping and takes no part, so re-reading an unchanged
    // colour never counts as a change.
    bool operator==(const ZColorExt& other) const;

private:
    QSharedDataPointer<ZColorExtData> d;
};

/// A ZColorExt whose alpha is meant to be edited. The alpha lives in the entries'
/// ZColors, so rgba() carries it; the distinct type lets parameters tell the two apart.
class ZCORE_EXPORT ZColorExtAlpha : public ZColorExt
{
public:
    // Opaque black: the same value as ZColorExtAlpha(0, 0, 0, 1).
    ZColorExtAlpha() = default;
    // A plain colour with one RGB entry.
    ZColorExtAlpha(float r, float g, float b, float a);
};

} // namespace zsg
