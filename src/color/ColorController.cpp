#include <zsg/color/ColorController.h>

#include <zsg/color/ColorDB.h>
#include <zsg/color/ColorModels.h>
#include <zsg/color/ISceneMaterial.h>
#include <zsg/color/ISceneMaterialManager.h>
#include <zsg/color/ZActivateColorwayCommand.h>
#include <zsg/color/ZCreateColorwayCommand.h>
#include <zsg/color/ZEditColorCommand.h>
#include <zsg/color/ZEditColorWayCommand.h>
#include <zsg/color/ZToggleMultiColorCommand.h>
#include <zsg/platform/ZUndoStack.h>

#include <QCoreApplication>

#include <algorithm>
#include <iterator>
#include <optional>

namespace zsg {

namespace {

template <typename T>
std::vector<T> toVector(orb::Span<const T> span)
{
    return {span.begin(), span.end()};
}

// The edit pattern shared by every colour operation: snapshot the live view,
// change it, snapshot again and push a command holding both snapshots. Does
// nothing without a view, without a stack, or for a plain colour where
// `needMulti` asks for a multi colour. `change` may refuse by returning false
// before it touches the view.
template <typename Change>
void editColor(ColorDB* db, ZUndoStack* stack, orb::ColorId id, bool needMulti, std::uint32_t kind, Change change,
               std::vector<orb::ColorId> extraColors = {}, std::uint32_t mergeFlag = 0)
{
    ZColorExtEdit* view = stack && id != orb::InvalidId ? db->getColorParameters(id) : nullptr;
    if (!view || (needMulti && !view->hasFlag(IColorExtEdit::MultiColorFlag)))
        return;
    std::unique_ptr<ZColorExtEdit> before = view->copy(view->id());
    if (!before || !change(*view))
        return;
    std::unique_ptr<ZColorExtEdit> after = view->copy(view->id());
    if (!after) {
        db->setColorEdit(before.get());  // leave no uncommitted change behind
        return;
    }
    stack->push(new ZEditColorCommand(kind, db, std::move(before), std::move(after),
                                        std::move(extraColors), mergeFlag));
}

template <typename Change>
void editColorway(ColorDB* db, ZUndoStack* stack, orb::ColorwayId id, std::uint32_t kind, Change change)
{
    ZColorwayEdit* view = stack && id != orb::InvalidId ? db->getColorwayParameters(id) : nullptr;
    if (!view)
        return;
    std::unique_ptr<ZColorwayEdit> before = view->copy();
    if (!before)
        return;
    change(*view);
    std::unique_ptr<ZColorwayEdit> after = view->copy();
    if (!after) {
        db->setColorwayEdit(before.get());
        return;
    }
    stack->push(new ZEditColorWayCommand(kind, db, std::move(before), std::move(after)));
}

// The ids other than `multi`, in order: a multi colour never lists itself
// (its value would be defined by itself).
std::vector<orb::ColorId> withoutSelf(orb::ColorId multi, orb::Span<const orb::ColorId> ids)
{
    std::vector<orb::ColorId> kept;
    std::copy_if(ids.begin(), ids.end(), std::back_inserter(kept), [multi](orb::ColorId id) { return id != multi; });
    return kept;
}

// A new plain colour, named after the value (unique in the renderer) and holding it.
orb::ColorId createPlainColor(ColorDB* db, const ZColor& color)
{
    const orb::ColorId id = db->createColor(color.name(), orbColor_extended::Plain);
    if (id == orb::InvalidId)
        return id;
    ZColorExt value = db->colorFromId(id);
    value.setColor(0, color, ZColorExt::KeepName);
    db->pushColor(value);
    return id;
}

} // namespace

ColorController::ColorController(ColorDB* colorDB, ISceneMaterialManager* sceneMaterialManager,
                                 ZUndoStack* undoStack)
    : m_colorDB(colorDB), m_sceneMaterialManager(sceneMaterialManager), m_undoStack(undoStack)
{
}

ColorController::~ColorController() = default;

ColorDB* ColorController::colorDB() const
{
    return m_colorDB;
}

std::unique_ptr<ScopedUndoMacro> ColorController::getScopedMacro(QString text)
{
    if (m_undoStack)
        m_undoStack->beginMacro(text);
    return std::make_unique<ScopedUndoMacro>(m_undoStack);
}

orb::ColorId ColorController::addSubColor(orb::ColorId multi, const ZColor& color, int index)
{
    // Checked first, so that no colour is created for a multi colour that cannot take it.
    const ZColorExtEdit* view = m_undoStack && multi != orb::InvalidId ? m_colorDB->getColorParameters(multi) : nullptr;
    if (!view || !view->hasFlag(IColorExtEdit::MultiColorFlag))
        return orb::InvalidId;
    const orb::ColorId id = createPlainColor(m_colorDB, color);
    if (id == orb::InvalidId)
        return id;
    if (index < 0)
        index = static_cast<int>(m_colorDB->getColorParameters(multi)->subColors().size());
    const orb::ColorId ids[] = {id};
    addSubColors(multi, {ids, 1}, index, id);
    return id;
}

void ColorController::addSubKColors(orb::ColorId multi, const orb::Span<const ZColor>& colors)
{
    const ZColorExtEdit* view = m_undoStack && multi != orb::InvalidId ? m_colorDB->getColorParameters(multi) : nullptr;
    if (colors.empty() || !view || !view->hasFlag(IColorExtEdit::MultiColorFlag))
        return;
    std::vector<orb::ColorId> ids;
    for (const ZColor& color : colors) {
        const orb::ColorId id = createPlainColor(m_colorDB, color);
        if (id != orb::InvalidId)
            ids.push_back(id);
    }
    if (ids.empty())
        return;
    const int count = static_cast<int>(m_colorDB->getColorParameters(multi)->subColors().size());
    addSubColors(multi, {ids.data(), ids.size()}, count, ids.front());
}

orb::ColorId ColorController::addOrSwitchSubColor(orb::ColorId multi, orb::ColorId sub, bool link)
{
    // A multi colour cannot choose itself as its own sub colour.
    if (!m_undoStack || multi == orb::InvalidId || sub == orb::InvalidId || (link && sub == multi))
        return orb::InvalidId;
    const ZColorExt multiColor = m_colorDB->colorFromId(multi);
    if (multiColor.getId() == orb::InvalidId || !multiColor.isMultiColor())
        return orb::InvalidId;

    orb::ColorId result = sub;
    if (!link) {
        // A new, independent sub colour with the value of `sub`.
        result = addSubColor(multi, m_colorDB->colorFromId(sub).getActive(), -1);
        if (result == orb::InvalidId)
            return result;
    } else if (!m_colorDB->getColorParameters(multi)->hasSubColor(sub)) {
        const orb::ColorId ids[] = {sub};
        const int count = static_cast<int>(m_colorDB->getColorParameters(multi)->subColors().size());
        addSubColors(multi, {ids, 1}, count, sub);
    }
    setActiveSubColor(multi, result);
    return result;
}

void ColorController::linkColor(orb::ColorId from, orb::ColorId to)
{
    if (from == orb::InvalidId || to == orb::InvalidId)
        return;
    const ZColorExt fromColor = m_colorDB->colorFromId(from);
    const ZColorExt toColor = m_colorDB->colorFromId(to);
    if (fromColor.getId() == orb::InvalidId || toColor.getId() == orb::InvalidId)
        return;
    const QString text = QCoreApplication::translate("QObject", "Link Color (%1) To (%2)")
                             .arg(QString::fromStdString(fromColor.getColorName()),
                                  QString::fromStdString(toColor.getColorName()));
    auto macro = getScopedMacro(text);
    linkMaterialColors(from, to);
}

orb::ColorId ColorController::toggleMultiColor(orb::ColorId id)
{
    if (id == orb::InvalidId)
        return id;
    const ZColorExt color = m_colorDB->colorFromId(id);
    const ZColorExtEdit* view = m_colorDB->getColorParameters(id);
    if (!m_undoStack || color.getId() == orb::InvalidId || !view)
        return orb::InvalidId;

    if (color.isMultiColor()) {
        auto macro = getScopedMacro(QCoreApplication::translate("QObject", "Disable Multi Color (%1)")
                                        .arg(QString::fromStdString(color.getColorName())));
        const orb::ColorId active = color.getSubColorId(color.activeIndex());
        std::vector<orb::ColorId> announced = toVector(view->subColors());
        announced.push_back(id);
        m_undoStack->push(new ZToggleMultiColorCommand(m_colorDB, std::move(announced)));
        linkMaterialColors(id, active);
        const std::vector<orb::ColorwayId> colorways = toVector(m_colorDB->colorways());
        for (orb::ColorwayId colorway : colorways) {
            const ZColorwayEdit* colorwayView = m_colorDB->getColorwayParameters(colorway);
            if (colorwayView && colorwayView->hasMultiColor(id)) {
                const orb::ColorId ids[] = {id};
                removeMultiColors(colorway, {ids, 1});
            }
        }
        return active;
    }

    std::string name = color.getColorName();
    const bool unnamed = name.empty();
    if (unnamed) {
        const std::string base = QCoreApplication::translate("QObject", "Multi-Color").toStdString();
        const std::optional<std::string> unique = m_colorDB->findUniqueColorName(base, {}, orbColor_extended::Multi);
        // Without a name there is no text for the step: refuse before anything is pushed.
        if (!unique)
            return orb::InvalidId;
        name = *unique;
    }
    auto macro = getScopedMacro(
        QCoreApplication::translate("QObject", "Enable Multi Color (%1)").arg(QString::fromStdString(name)));
    if (unnamed)
        setDisplayName(id, name);
    const orb::ColorId newId = m_colorDB->multiColorFromColor(id);
    if (newId == orb::InvalidId)
        return newId;
    if (m_colorDB->colorFromId(newId).getColorName().empty())
        setDisplayName(newId, name);
    m_undoStack->push(new ZToggleMultiColorCommand(m_colorDB, {newId}));
    linkMaterialColors(id, newId);
    return newId;
}

void ColorController::setColor(orb::ColorId id, const ZColor& color, AllowForwardUndoMerge allowMerge)
{
    editColor(
        m_colorDB, m_undoStack, id, false, ZEditColorCommand::Value,
        [&](ZColorExtEdit& view) {
            view.setColor(toRgba(color));
            if (!color.name().empty())
                view.setDisplayName(color.name());
            return true;
        },
        {}, allowMerge);
}

void ColorController::setDisplayName(orb::ColorId id, const std::string& name) const
{
    editColor(m_colorDB, m_undoStack, id, false, ZEditColorCommand::Name, [&](ZColorExtEdit& view) {
        view.setDisplayName(name);
        return true;
    });
}

bool ColorController::removeSubColors(orb::ColorId multi, orb::Span<const orb::ColorId> ids) const
{
    ZColorExtEdit* view = m_undoStack && multi != orb::InvalidId ? m_colorDB->getColorParameters(multi) : nullptr;
    if (!view || !view->hasFlag(IColorExtEdit::MultiColorFlag))
        return false;
    std::unique_ptr<ZColorExtEdit> before = view->copy(multi);
    if (!before || !view->removeSubColors(ids))
        return false;
    std::unique_ptr<ZColorExtEdit> after = view->copy(multi);
    if (!after) {
        m_colorDB->setColorEdit(before.get());
        return false;
    }
    const std::vector<orb::ColorId> removed = toVector(ids);
    m_undoStack->beginMacro(QString());
    const ScopedUndoMacro macro(m_undoStack);
    const bool pushed = m_undoStack->push(
        new ZEditColorCommand(ZEditColorCommand::RemoveSub, m_colorDB, std::move(before), std::move(after), removed));
    if (pushed) {
        // Colorways that chose a removed sub colour no longer hold this multi colour.
        const std::vector<orb::ColorwayId> colorways = toVector(m_colorDB->colorways());
        for (orb::ColorwayId colorway : colorways) {
            const ZColorwayEdit* colorwayView = m_colorDB->getColorwayParameters(colorway);
            if (!colorwayView || !colorwayView->hasMultiColor(multi))
                continue;
            if (std::find(removed.begin(), removed.end(), colorwayView->activeSubOf(multi)) != removed.end()) {
                const orb::ColorId multiIds[] = {multi};
                removeMultiColors(colorway, {multiIds, 1});
            }
        }
    }
    return pushed;
}

void ColorController::addSubColors(orb::ColorId multi, orb::Span<const orb::ColorId> ids, int position,
                                   orb::ColorId activeAfter) const
{
    const std::vector<orb::ColorId> added = withoutSelf(multi, ids);
    editColor(
        m_colorDB, m_undoStack, multi, true, ZEditColorCommand::AddSub,
        [&](ZColorExtEdit& view) {
            if (added.empty())
                return false;
            view.insertSubColors({added.data(), added.size()}, position);
            if (activeAfter != orb::InvalidId)
                view.setActiveSub(activeAfter);
            return true;
        },
        added);
}

void ColorController::moveSubColors(orb::ColorId multi, orb::Span<const orb::ColorId> ids, int position,
                                    orb::ColorId activeAfter) const
{
    editColor(m_colorDB, m_undoStack, multi, true, ZEditColorCommand::MoveSub, [&](ZColorExtEdit& view) {
        std::vector<orb::ColorId> moved;
        for (orb::ColorId id : ids)
            if (view.hasSubColor(id) && std::find(moved.begin(), moved.end(), id) == moved.end())
                moved.push_back(id);
        // Without activeAfter the removal's rule stands: an active sub colour
        // that moves hands the mark to the first one that stays.
        if (!view.removeSubColors({moved.data(), moved.size()}))
            return false;
        view.insertSubColors({moved.data(), moved.size()}, position);
        if (activeAfter != orb::InvalidId)
            view.setActiveSub(activeAfter);
        return true;
    });
}

void ColorController::setSubColors(orb::ColorId multi, orb::Span<const orb::ColorId> ids) const
{
    const std::vector<orb::ColorId> kept = withoutSelf(multi, ids);
    editColor(m_colorDB, m_undoStack, multi, true, ZEditColorCommand::AddSub, [&](ZColorExtEdit& view) {
        view.setSubColors({kept.data(), kept.size()});
        return true;
    });
}

void ColorController::setActiveSubColor(orb::ColorId multi, orb::ColorId sub) const
{
    editColor(m_colorDB, m_undoStack, multi, true, ZEditColorCommand::SwitchSub, [&](ZColorExtEdit& view) {
        view.setActiveSub(sub);
        return true;
    });
}

void ColorController::changeSubColor(orb::ColorId multi, orb::ColorId oldSub, orb::ColorId newSub)
{
    editColor(m_colorDB, m_undoStack, multi, true, ZEditColorCommand::Value, [&](ZColorExtEdit& view) {
        if (newSub == oldSub || newSub == multi || view.hasSubColor(newSub))
            return false;
        view.replaceSubColor(oldSub, newSub);
        return true;
    });
}

void ColorController::setFlags(orb::ColorId id, int flags, bool set) const
{
    editColor(m_colorDB, m_undoStack, id, false, ZEditColorCommand::ModifyFlags, [&](ZColorExtEdit& view) {
        if (view.hasFlag(IColorExtEdit::MultiColorFlag))
            return false;
        if (set)
            view.setFlag(static_cast<std::uint32_t>(flags));
        else
            view.clearFlag(static_cast<std::uint32_t>(flags));
        return true;
    });
}

void ColorController::unlinkSubColor(orb::ColorId multi, unsigned index) const
{
    const ZColorExtEdit* view = m_undoStack && multi != orb::InvalidId ? m_colorDB->getColorParameters(multi) : nullptr;
    if (!view || !view->hasFlag(IColorExtEdit::MultiColorFlag) || index >= view->subColors().size())
        return;
    std::vector<orb::ColorId> subs = toVector(view->subColors());
    // The clone stays when the step is undone: it is a colour of its own.
    const orb::ColorId clone = m_colorDB->clone(subs[index]);
    if (clone == orb::InvalidId)
        return;
    subs[index] = clone;
    editColor(m_colorDB, m_undoStack, multi, true, ZEditColorCommand::UnlinkSub, [&](ZColorExtEdit& live) {
        live.setSubColors({subs.data(), subs.size()});
        live.setActiveSub(clone);
        return true;
    });
}

std::uint32_t ColorController::activeReferenceCount(orb::ColorId id) const
{
    if (!m_sceneMaterialManager)
        return 0;
    const std::vector<orb::MaterialId> materials = m_colorDB->getMaterialsUsingColor(id, 3, false);
    return static_cast<std::uint32_t>(std::count_if(materials.begin(), materials.end(), [&](orb::MaterialId material) {
        return m_sceneMaterialManager->isMaterialActive(material);
    }));
}

bool ColorController::anyMultiColorInUse() const
{
    const std::vector<orb::ColorId> multis = toVector(m_colorDB->multiColors());
    return std::any_of(multis.begin(), multis.end(), [&](orb::ColorId id) { return activeReferenceCount(id) != 0; });
}

std::vector<ColorConflict> ColorController::checkForConflict(ZColorExt color) const
{
    std::vector<ColorConflict> conflicts;
    const std::unique_ptr<ScopedRTApiLock> lock = m_colorDB->createRtApiLock();
    for (int i = 0; i < color.nColors(); ++i) {
        const orb::ColorId existing = m_colorDB->colorFromName(*lock, color.getName(i));
        if (existing == orb::InvalidId || activeReferenceCount(existing) == 0)
            continue;
        const ZColorExtEdit* view = m_colorDB->getColorParameters(existing);
        const bool same = view && nearlyEqual(color.color(i), ZColor(view->color()), 0.001f);
        conflicts.push_back({i, existing, true, same});
    }
    return conflicts;
}

orb::ColorwayId ColorController::createColorway(const std::string& name, orb::Span<const MultiColorPair> pairs) const
{
    if (name.empty() || !m_undoStack)
        return orb::InvalidId;
    const orb::ColorwayId id = m_colorDB->createColorway();
    ZColorwayEdit* view = id != orb::InvalidId ? m_colorDB->getColorwayParameters(id) : nullptr;
    if (!view)
        return orb::InvalidId;
    view->setDisplayName(name);
    view->setMultiColors(pairs);
    m_undoStack->push(new ZCreateColorwayCommand(m_colorDB, id));
    return id;
}

void ColorController::applyColorway(orb::ColorwayId id) const
{
    if (m_undoStack && id != orb::InvalidId && m_colorDB->getColorwayParameters(id))
        m_undoStack->push(new ZActivateColorwayCommand(m_colorDB, id));
}

void ColorController::setColorwayDisplayName(orb::ColorwayId id, const std::string& name) const
{
    editColorway(m_colorDB, m_undoStack, id, ZEditColorWayCommand::Name,
                 [&](ZColorwayEdit& view) { view.setDisplayName(name); });
}

void ColorController::setColors(orb::ColorwayId id, orb::Span<const MultiColorPair> pairs) const
{
    editColorway(m_colorDB, m_undoStack, id, ZEditColorWayCommand::Edit,
                 [&](ZColorwayEdit& view) { view.setMultiColors(pairs); });
}

void ColorController::addColors(orb::ColorwayId id, orb::Span<const MultiColorPair> pairs, int position,
                                bool activate) const
{
    if (!m_undoStack || id == orb::InvalidId || !m_colorDB->getColorwayParameters(id))
        return;
    std::optional<ScopedUndoMacro> macro;
    if (activate) {
        m_undoStack->beginMacro(QString());
        macro.emplace(m_undoStack);
    }
    editColorway(m_colorDB, m_undoStack, id, ZEditColorWayCommand::Edit,
                 [&](ZColorwayEdit& view) { view.insertMultiColors(pairs, position); });
    if (activate)
        applyColorway(id);
}

void ColorController::removeMultiColors(orb::ColorwayId id, orb::Span<const orb::ColorId> ids) const
{
    editColorway(m_colorDB, m_undoStack, id, ZEditColorWayCommand::Edit, [&](ZColorwayEdit& view) {
        view.removeMultiColors(ids);
        if (view.multiColors().empty())
            view.setDeleted(true);
    });
}

void ColorController::setDeleted(orb::ColorwayId id, bool deleted) const
{
    editColorway(m_colorDB, m_undoStack, id, ZEditColorWayCommand::Delete,
                 [&](ZColorwayEdit& view) { view.setDeleted(deleted); });
}

void ColorController::linkMaterialColors(orb::ColorId from, orb::ColorId to)
{
    if (from == orb::InvalidId || to == orb::InvalidId || !m_sceneMaterialManager)
        return;
    for (orb::MaterialId material : m_colorDB->getMaterialsUsingColor(from, 1, true)) {
        ISceneMaterial* sceneMaterial = m_sceneMaterialManager->findSceneMaterial(material);
        if (!sceneMaterial)
            sceneMaterial = m_sceneMaterialManager->sceneMaterial(material, orb::InvalidId);
        if (!sceneMaterial)
            continue;
        const std::vector<std::uint32_t> parameters = sceneMaterial->colorParameters(from);
        if (parameters.empty())
            continue;
        sceneMaterial->beginColorChange();
        for (std::uint32_t parameter : parameters)
            sceneMaterial->setColorParameter(parameter, to);
        sceneMaterial->updateMaterial(true, true);
    }
}

} // namespace zsg
