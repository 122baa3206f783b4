#pragma once

#include <zsg/paint/IPainterBrush.h>
#include <zsg/platform/OrbBrush.h>
#include <zsg/platform/ZColorExt.h>
#include <zsg/values/Enumerable.h>

#include <QHash>
#include <QStringList>

#include <string>
#include <unordered_map>
#include <vector>

class orbRT_api;

namespace zsg {

/// The brush over a renderer brush node graph. Construction collects every
/// parameter of the graph under a flat key ("basic_size_px_value": the "value"
/// of the node linked as "size_px" from the node linked as "basic") and builds
/// the brush's fixed parameter list over those records and its own members.
class ZSG_EXPORT ZPainterBrush : public IPainterBrush
{
public:
    // `node` may be null or unknown to the renderer: the brush then has only
    // its member-bound parameters.
    ZPainterBrush(orb::painter::orbBrush_node* node, orbRT_api* rtApi, orb::MaterialId materialId);
    ~ZPainterBrush() override;
    ZPainterBrush(const ZPainterBrush&) = delete;
    ZPainterBrush& operator=(const ZPainterBrush&) = delete;

    Parameter parameter(const QString& name) const override;
    void readFromNode() override;
    void writeToNode() override;
    orb::painter::orbBrush_node* brushNode() const override { return m_brushNode; }
    QString stencilFilePath() const override;
    float rotation() const override;
    // Takes the runtime lock, as writeToNode: it writes records the render thread reads.
    bool scale(float factor) override;
    orb::MaterialId materialId() const override { return m_materialId; }

    // Builds the default nine-node graph through the scene API of the current
    // scene: under the top "brush" node a "color" node (white, linking a colour
    // image) and a "basic" node linking alpha, flow, pixel size, scene size
    // (size / 20 in the scene's length unit) and stencil nodes, spacing size / 100.
    // The top node; null without a scene API or when the scene refuses it.
    static orb::painter::orbBrush_node* createDefaultGraph(orbRT_api* rtApi, float size);
    // The names of the brush's parameters in the order they are built; a
    // brush lacks those whose graph record is missing.
    static QStringList parameterNames();

private:
    void collect(orb::painter::orbBrush_node* node, const std::string& prefix,
                 std::vector<orb::painter::orbBrush_node*>& path);
    // The record of `key` when its type code is `type`, else null.
    orb::painter::orbBrush_parameter* record(const char* key, int type) const;
    // Builds the parameter of entry `row` of the parameter table (in the source).
    void addParameter(std::size_t row);
    Variant* memberHolder(std::size_t row);
    void writeFilePath(const char* key, const QString& path);
    // The value of the named parameter; false, `value` untouched, when the brush lacks it.
    template <typename T>
    bool readParameter(const char* name, T& value) const;
    template <typename T>
    void writeParameter(const char* name, const T& value);

    orb::painter::orbBrush_node* m_brushNode;
    orbRT_api* m_rtApi;
    std::vector<orb::painter::orbBrush_node_record*> m_nodes;
    std::unordered_map<std::string, orb::painter::orbBrush_parameter*> m_nodeParameters;
    QHash<QString, Parameter> m_parameters;
    ZColorExt m_brushColor;
    Enumerable m_spaceUnit;
    Enumerable m_colorSelection;
    Enumerable m_paintMode;
    QString m_textureFilePath;
    QString m_stencilFilePath;
    float m_hardnessPercent = 60.0f;
    float m_opacityPercent = 100.0f;
    float m_flowPercent = 100.0f;
    bool m_flowPenPressure = false;
    bool m_sizePenPressure = false;
    bool m_opacityPenPressure = false;
    orb::MaterialId m_materialId;
};

} // namespace zsg
