#include <zsg/color/ZActivateColorwayCommand.h>

#include <zsg/color/ColorDB.h>

#include <QCoreApplication>

namespace zsg {

ZActivateColorwayCommand::ZActivateColorwayCommand(ColorDB* colorDB, orb::ColorwayId id)
    : ZUndoCommand(Id), m_colorDB(colorDB), m_id(id)
{
    const ZColorwayEdit* view = m_colorDB->getColorwayParameters(id);
    if (!view)
        return;
    m_wasActive = view->isActive();
    setText(QCoreApplication::translate("ZActivateColorwayCommand", "Switch Colorway (%1)")
                .arg(QString::fromStdString(view->displayName())));
    const orb::Span<const orb::ColorId> multis = view->multiColors();
    const orb::Span<const orb::ColorId> subs = view->activeSubs();
    // A colorway whose lists disagree switches only the active flags.
    if (multis.size() == subs.size()) {
        for (std::size_t i = 0; i < multis.size(); ++i) {
            const ZColorExtEdit* multi = m_colorDB->getColorParameters(multis[i]);
            m_before.push_back({multis[i], multi ? multi->activeSub() : orb::InvalidId});
            m_after.push_back({multis[i], subs[i]});
        }
    }
    const orb::Span<const orb::ColorwayId> colorways = m_colorDB->colorways();
    const std::vector<orb::ColorwayId> others(colorways.begin(), colorways.end());
    for (orb::ColorwayId other : others) {
        if (other == id)
            continue;
        const ZColorwayEdit* otherView = m_colorDB->getColorwayParameters(other);
        if (otherView && otherView->isActive())
            m_previouslyActive.push_back(other);
    }
}

ZActivateColorwayCommand::~ZActivateColorwayCommand() = default;

bool ZActivateColorwayCommand::undo()
{
    return apply(m_before, m_wasActive, true);
}

bool ZActivateColorwayCommand::redo()
{
    return apply(m_after, true, false);
}

bool ZActivateColorwayCommand::apply(const std::vector<MultiColorPair>& pairs, bool active, bool othersActive)
{
    for (const MultiColorPair& pair : pairs) {
        ZColorExtEdit* multi = m_colorDB->getColorParameters(pair.multiColor);
        if (!multi)
            return false;
        multi->setActiveSub(pair.subColor);
        m_colorDB->pushColor(pair.multiColor);
    }
    if (ZColorwayEdit* view = m_colorDB->getColorwayParameters(m_id)) {
        view->setActive(active);
        m_colorDB->pushColorway(m_id);
    }
    for (orb::ColorwayId other : m_previouslyActive) {
        if (ZColorwayEdit* otherView = m_colorDB->getColorwayParameters(other)) {
            otherView->setActive(othersActive);
            m_colorDB->pushColorway(other);
        }
    }
    return true;
}

} // namespace zsg
