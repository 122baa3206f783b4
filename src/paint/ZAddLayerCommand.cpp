#include <zsg/paint/ZAddLayerCommand.h>

#include <zsg/paint/ZPaintSurface.h>

#include <zsg/platform/SplitTrailingNumber.h>

#include <QCoreApplication>

#include <algorithm>

namespace zsg {

ZAddLayerCommand::ZAddLayerCommand(ZPaintSurface* surface, std::uint32_t index)
    : ZUndoCommand(Id, QCoreApplication::translate("ZAddLayerCommand", "3D Paint add layer"))
    , m_surface(surface->handle())
{
    // One above the highest number of a layer called "Layer <number>", deleted
    // layers included. Counted in 64 bits, so the int maximum gives a name past
    // it rather than an overflow (such a name then no longer reads as numbered).
    const QString base = QCoreApplication::translate("QObject", "Layer");
    qint64 highest = 0;
    for (const orbLayerInfo& layer : surface->layers()) {
        const SplitName split = splitTrailingNumber(QString::fromUtf8(layer.name ? layer.name : ""));
        if (split.text == base && split.number)
            highest = std::max<qint64>(highest, *split.number);
    }
    // Joined, not arg()'d: a "%1" in a translation must stay as it is.
    const QString name = base + QLatin1Char(' ') + QString::number(highest + 1);
    m_layerId = surface->addLayerInternal(index, name.toStdString());
}

bool ZAddLayerCommand::undo()
{
    ZPaintSurface* surface = *m_surface;
    if (!surface)
        return false;
    surface->setLayerDeletedInternal(m_layerId, true);
    return true;
}

bool ZAddLayerCommand::redo()
{
    ZPaintSurface* surface = *m_surface;
    if (!surface)
        return false;
    surface->setLayerDeletedInternal(m_layerId, false);
    return true;
}

} // namespace zsg
