#include <zsg/color/ZEditColorCommand.h>

#include <zsg/color/ColorDB.h>

#include <QCoreApplication>

#include <algorithm>

namespace zsg {

namespace {

// Literal context and source in every call, so that lupdate finds each text.
QString editText(std::uint32_t kind, const std::string& name)
{
    const QString arg = name.empty() ? QString() : QStringLiteral("(%1)").arg(QString::fromStdString(name));
    switch (kind) {
    case ZEditColorCommand::Name:
        if (arg.isEmpty())
            return QCoreApplication::translate("ZEditColorCommand", "Clear Color name");
        return QCoreApplication::translate("ZEditColorCommand", "Set Color name %1").arg(arg);
    case ZEditColorCommand::Value:
        return QCoreApplication::translate("ZEditColorCommand", "Set Color");
    case ZEditColorCommand::RemoveSub:
        return QCoreApplication::translate("ZEditColorCommand", "Remove Sub Color %1").arg(arg);
    case ZEditColorCommand::SwitchSub:
        return QCoreApplication::translate("ZEditColorCommand", "Switch Sub Color %1").arg(arg);
    case ZEditColorCommand::AddSub:
        return QCoreApplication::translate("ZEditColorCommand", "Add Sub Color %1").arg(arg);
    case ZEditColorCommand::UnlinkSub:
        return QCoreApplication::translate("ZEditColorCommand", "Unlink Sub Color %1").arg(arg);
    case ZEditColorCommand::MoveSub:
        return QCoreApplication::translate("ZEditColorCommand", "Move Sub Color %1").arg(arg);
    case ZEditColorCommand::ModifyFlags:
        return QCoreApplication::translate("ZEditColorCommand", "Modify Color %1").arg(arg);
    default:
        return {};
    }
}

template <typename T>
void appendMissing(std::vector<T>& to, const std::vector<T>& from)
{
    for (const T& value : from)
        if (std::find(to.begin(), to.end(), value) == to.end())
            to.push_back(value);
}

} // namespace

ZEditColorCommand::ZEditColorCommand(std::uint32_t kind, ColorDB* colorDB, std::unique_ptr<ZColorExtEdit> before,
                                     std::unique_ptr<ZColorExtEdit> after, std::vector<orb::ColorId> extraColors,
                                     std::uint32_t mergeFlag)
    : ZUndoCommand(Id)
    , m_kind(kind)
    , m_colorDB(colorDB)
    , m_before(std::move(before))
    , m_after(std::move(after))
    , m_extraColors(std::move(extraColors))
    , m_mergeFlag(mergeFlag)
{
    setText(editText(kind, m_after->displayName()));
    if (!m_after->hasFlag(IColorExtEdit::MultiColorFlag))
        return;
    // Switching a sub colour by hand makes the active colorways that chose
    // another one for this colour inactive.
    const orb::Span<const orb::ColorwayId> colorways = m_colorDB->colorways();
    const std::vector<orb::ColorwayId> ids(colorways.begin(), colorways.end());
    for (orb::ColorwayId colorway : ids) {
        const ZColorwayEdit* view = m_colorDB->getColorwayParameters(colorway);
        if (!view || !view->isActive() || !view->hasMultiColor(m_after->id()))
            continue;
        if (view->activeSubOf(m_after->id()) != m_after->activeSub())
            m_deactivate.push_back(colorway);
    }
}

ZEditColorCommand::~ZEditColorCommand() = default;

bool ZEditColorCommand::undo()
{
    apply(*m_before, true);
    return true;
}

bool ZEditColorCommand::redo()
{
    apply(*m_after, false);
    return true;
}

void ZEditColorCommand::apply(ZColorExtEdit& state, bool colorwaysActive)
{
    m_colorDB->setColorEdit(&state);
    for (orb::ColorwayId colorway : m_deactivate) {
        if (ZColorwayEdit* view = m_colorDB->getColorwayParameters(colorway)) {
            view->setActive(colorwaysActive);
            m_colorDB->pushColorway(colorway);
        }
    }
    for (orb::ColorId id : m_extraColors)
        m_colorDB->postColorUpdateSyncEvent(id);
}

bool ZEditColorCommand::mergeWith(const ZUndoCommand* other)
{
    if (other->id() != id())
        return false;
    const auto* newer = dynamic_cast<const ZEditColorCommand*>(other);
    if (!newer || m_mergeFlag != 0 || m_kind != Value || newer->m_kind != Value)
        return false;
    std::unique_ptr<ZColorExtEdit> after = newer->m_after->copy(newer->m_after->id());
    if (!after)
        return false;
    m_after = std::move(after);
    m_mergeFlag = newer->m_mergeFlag;
    // The newer command's colorways and announcements join ours, so that the
    // merged command undoes and redoes what the two did.
    appendMissing(m_deactivate, newer->m_deactivate);
    appendMissing(m_extraColors, newer->m_extraColors);
    return true;
}

} // namespace zsg
