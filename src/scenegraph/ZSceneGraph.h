#pragma once

#include <zsg/cmf/ZCMFManager.h>
#include <zsg/color/ColorController.h>
#include <zsg/color/ColorDB.h>
#include <zsg/lightlayer/ZLightLayerApi.h>
#include <zsg/lightlayer/ZLightLayerController.h>
#include <zsg/material/ZMaterialApi.h>
#include <zsg/material/ZMaterialHandler.h>
#include <zsg/paint/ZPainterManager.h>
#include <zsg/scenegraph/ISceneGraph.h>
#include <zsg/scenegraph/ZEventQueue.h>

#include <memory>

namespace zsg {

// Components are members in creation order, so that both the destructor and
// a constructor that throws halfway destroy them in reverse order.
class ZSceneGraph final : public ISceneGraph {
public:
    explicit ZSceneGraph(const SceneGraphPars& pars);
    ~ZSceneGraph() override;

    bool handleNotification(const orb::SceneNotification& notification) override;

    orbRT_api* rtApi() const override { return m_rtApi; }
    IMaterialHandler* materialHandler() const override { return m_materialHandler.get(); }
    IEventQueue* eventQueue() const override { return m_eventQueue.get(); }
    ICMFManager* cmfManager() const override { return m_cmfManager.get(); }
    IPainterManager* painterManager() const override { return m_painterManager.get(); }
    IColorDB* colorDB() const override { return m_colorDB.get(); }
    IColorController* colorController() const override { return m_colorController.get(); }
    ILightLayerController* lightLayerController() const override { return m_lightLayerController.get(); }

private:
    std::unique_ptr<ZMaterialApi> m_materialApi;
    std::unique_ptr<ZMaterialHandler> m_materialHandler;
    std::unique_ptr<ZEventQueue> m_eventQueue;
    std::unique_ptr<ZCMFManager> m_cmfManager;
    std::unique_ptr<IPainterManager> m_painterManager;
    // Concrete, because the colour controller is built on a ColorDB.
    std::unique_ptr<ColorDB> m_colorDB;
    std::unique_ptr<IColorController> m_colorController;
    std::unique_ptr<ILightLayerApi> m_lightLayerApi;
    std::unique_ptr<ILightLayerController> m_lightLayerController;
    orbRT_api* m_rtApi = nullptr;
};

} // namespace zsg
