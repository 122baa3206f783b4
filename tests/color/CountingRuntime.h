#pragma once
// A runtime that forwards to another and counts record fetches, and can hide
// its scene as a runtime without a loaded scene would.

#include <zsg/platform/OrbRuntime.h>

namespace zsg::test {

class CountingRuntime : public orbRT_api {
public:
    explicit CountingRuntime(orbRT_api& target) : m_target(target) {}

    int colorFetches = 0;
    int colorwayFetches = 0;
    bool hideScene = false;

    orbScene* scene() override { return hideScene ? nullptr : m_target.scene(); }
    void lock() override { m_target.lock(); }
    void unlock() override { m_target.unlock(); }
    void sceneChanged(int what) override { m_target.sceneChanged(what); }
    void refreshRender(int what) override { m_target.refreshRender(what); }
    orb::Record* colorRecord(orb::ColorId id) override
    {
        ++colorFetches;
        return m_target.colorRecord(id);
    }
    orb::Record* colorwayRecord(orb::ColorwayId id) override
    {
        ++colorwayFetches;
        return m_target.colorwayRecord(id);
    }
    orb::Record* colorSettingsRecord() override { return m_target.colorSettingsRecord(); }
    bool commitColor(orb::Record* record) override { return m_target.commitColor(record); }
    bool commitColorway(orb::Record* record) override { return m_target.commitColorway(record); }
    bool commitColorSettings(orb::Record* record) override { return m_target.commitColorSettings(record); }
    void releaseColor(orb::Record* record) override { m_target.releaseColor(record); }
    void releaseColorway(orb::Record* record) override { m_target.releaseColorway(record); }
    void releaseColorSettings(orb::Record* record) override { m_target.releaseColorSettings(record); }
    orb::Record* copyRecord(const orb::Record* record, int flags) override
    {
        return m_target.copyRecord(record, flags);
    }
    bool setMaterialMetaData(orb::MaterialId id, const orb::MetaData& value) override
    {
        return m_target.setMaterialMetaData(id, value);
    }
    void setLightLayerMembership(orb::LightLayerId layer, orb::Span<const orb::ObjectId> lights, bool remove) override
    {
        m_target.setLightLayerMembership(layer, lights, remove);
    }
    void assignItemsToLightLayer(orb::LightLayerId layer, orb::Span<const orb::ObjectId> items) override
    {
        m_target.assignItemsToLightLayer(layer, items);
    }
    void setLightLayerFlags(orb::LightLayerId layer, std::uint32_t flags) override
    {
        m_target.setLightLayerFlags(layer, flags);
    }
    void* brushNodeRecord(orb::painter::orbBrush_node* node) override { return m_target.brushNodeRecord(node); }
    void brushNodeChanged(orb::painter::orbBrush_node* node) override { m_target.brushNodeChanged(node); }

private:
    orbRT_api& m_target;
};

} // namespace zsg::test
