#include <zsg/color/ZColorLinker.h>

#include <zsg/color/ColorDB.h>
#include <zsg/color/IColorController.h>
#include <zsg/color/IColorLinkHandler.h>
#include <zsg/color/ScopedRTApiLock.h>

#include <algorithm>
#include <optional>
#include <vector>

namespace zsg {

ZColorLinker::ZColorLinker(IColorController* controller, IColorLinkHandler* handler)
    : m_controller(controller), m_colorDB(controller ? controller->colorDB() : nullptr), m_handler(handler)
{
}

ZColorLinker::~ZColorLinker() = default;

ZColorExt ZColorLinker::addLinkedColor(const ZColorExt& target, ZColorExt& color)
{
    color = resolveConflicts(color, true, true);
    ZColorExt multi = target;
    addSubColorsFrom(multi, color, true);
    return color;
}

void ZColorLinker::addSubColorsFrom(ZColorExt& target, const ZColorExt& source, bool skipExisting)
{
    if (!m_colorDB)
        return;
    // Taken before the toggle: a plain target is then its own only sub colour.
    std::vector<orb::ColorId> existing;
    for (const ZColorExt::ZColorWithId& entry : target.colors())
        existing.push_back(entry.id);
    const auto isExisting = [&existing](orb::ColorId id) {
        return std::find(existing.begin(), existing.end(), id) != existing.end();
    };

    if (!target.isMultiColor())
        target = m_colorDB->colorFromId(m_controller->toggleMultiColor(target.getId()));

    std::vector<orb::ColorId> ids;
    if (source.isMultiColor()) {
        // Entries without a renderer colour cannot become sub colours.
        for (const ZColorExt::ZColorWithId& entry : source.colors())
            if (entry.id != orb::InvalidId && (!skipExisting || !isExisting(entry.id)))
                ids.push_back(entry.id);
    } else {
        if (source.getId() == orb::InvalidId || (skipExisting && source.getId() == target.getId()) ||
            isExisting(source.getId()))
            return;
        ids.push_back(source.getId());
    }
    m_controller->addSubColors(target.getId(), {ids.data(), ids.size()}, -1,
                               target.getSubColorId(target.activeIndex()));
    m_colorDB->pushColor(target.getId());
}

ZColorExt ZColorLinker::resolveConflicts(ZColorExt color, bool applyValue, bool push)
{
    if (!m_colorDB)
        return color;
    // One answer for all conflicts; without a handler nothing is linked, so
    // incoming colours are renamed rather than lost.
    std::optional<bool> link;
    for (const ColorConflict& conflict : m_controller->checkForConflict(color)) {
        if (!link)
            link = m_handler && m_handler->shouldLinkToExisting();
        const int index = conflict.index;
        ZColorExt entry(color.color(index));
        if (*link) {
            orb::ColorId existing;
            {
                const auto lock = m_colorDB->createRtApiLock();
                existing = m_colorDB->colorFromName(*lock, entry.getColorName());
            }
            // Without applyValue the scene's value wins simply by re-reading it.
            if (applyValue)
                m_controller->setColor(existing, entry.color(0), FinishMerge);
            entry = m_colorDB->colorFromId(existing);
            color.setSubColorId(index, existing);
        } else {
            entry = makeNamesUnique(entry);
        }
        // Takes the entry's name too: the scene's name, or the new unique one.
        color.setColor(index, entry.color(0), ZColorExt::TakeName);
    }
    if (push)
        m_colorDB->pushColor(color);
    return color;
}

ZColorExt ZColorLinker::makeNamesUnique(ZColorExt color)
{
    if (!m_colorDB)
        return color;
    const auto lock = m_colorDB->createRtApiLock();
    if (color.isMultiColor()) {
        for (int i = 0; i < color.nColors(); ++i)
            if (m_colorDB->colorFromName(*lock, color.getName(i)) != orb::InvalidId)
                color.setName(i, uniqueName(color.getName(i)));
    }
    if (m_colorDB->colorFromName(*lock, color.getColorName()) != orb::InvalidId)
        color.setColorName(uniqueName(color.getColorName()));
    return color;
}

std::string ZColorLinker::uniqueName(std::string name)
{
    if (!m_colorDB)
        return {};
    return m_colorDB->findUniqueColorName(name, {}, orbColor_extended::Plain).value_or(std::string());
}

} // namespace zsg
