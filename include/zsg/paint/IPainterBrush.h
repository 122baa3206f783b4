#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbTypes.h>
#include <zsg/values/Parameter.h>

#include <QString>

namespace orb::painter {
class orbBrush_node;
}

namespace zsg {

/// A paint brush: the renderer's brush node graph seen as described, typed
/// parameters. Graph-bound parameters edit the renderer's nodes in place and
/// member-bound ones the brush, so drop every Parameter before the brush and the
/// brush before its nodes. Member values reach the graph only through writeToNode.
class ZSG_EXPORT IPainterBrush
{
public:
    virtual ~IPainterBrush();

    // The parameter of that name, or a null Parameter.
    virtual Parameter parameter(const QString& name) const = 0;
    // Graph values into the brush's own settings (colour, percentages, pen
    // pressure, choices, file paths).
    virtual void readFromNode() = 0;
    // The brush's own settings into the graph; every node is reported changed.
    virtual void writeToNode() = 0;
    virtual orb::painter::orbBrush_node* brushNode() const = 0;
    virtual QString stencilFilePath() const = 0;
    // Degrees; 0 when the graph has no rotation.
    virtual float rotation() const = 0;
    // Multiplies scene-unit lengths by `factor` (and divides per-length
    // values); true when any value changed.
    virtual bool scale(float factor) = 0;
    virtual orb::MaterialId materialId() const = 0;
};

} // namespace zsg
