#include "scenegraph/ZSceneGraph.h"

#include <zsg/scenegraph/Event.h>

namespace zsg {

namespace {
constexpr std::uint32_t ColorsSynced = 5006;
constexpr std::uint32_t ColorwayActivated = 5007;
} // namespace

ZSceneGraph::ZSceneGraph(const SceneGraphPars& pars) : m_rtApi(pars.rtApi)
{
    // The handler asks this scene graph for the event queue when it posts,
    // so it may be built before the queue.
    m_materialApi = std::make_unique<ZMaterialApi>(m_rtApi);
    m_materialHandler = std::make_unique<ZMaterialHandler>(m_materialApi.get(), pars.materialDelegate, this);
    m_eventQueue = std::make_unique<ZEventQueue>();
    m_cmfManager = std::make_unique<ZCMFManager>(this);
    m_painterManager =
        std::make_unique<ZPainterManager>(m_rtApi, pars.taskQueue, m_eventQueue.get(), pars.undoStack);
    m_colorDB = std::make_unique<ColorDB>(m_eventQueue.get(), m_rtApi);
    m_colorController =
        std::make_unique<ColorController>(m_colorDB.get(), pars.sceneMaterialManager, pars.undoStack);
    // The API is stored only once its controller exists; until then the local
    // owner destroys it if the controller fails to build.
    auto lightLayerApi = std::make_unique<ZLightLayerApi>(m_eventQueue.get(), m_rtApi);
    m_lightLayerController = std::make_unique<ZLightLayerController>(lightLayerApi.get(), pars.undoStack);
    m_lightLayerApi = std::move(lightLayerApi);
}

ZSceneGraph::~ZSceneGraph() = default;

bool ZSceneGraph::handleNotification(const orb::SceneNotification& notification)
{
    switch (notification.code) {
    case ColorsSynced:
        if (m_eventQueue && notification.colors) {
            for (std::uint64_t i = 0; i < notification.colorCount; ++i)
                m_eventQueue->postEvent(new ColorSyncedEvent(notification.colors[i]));
        }
        return true;
    case ColorwayActivated:
        if (IColorDB* db = colorDB())
            db->handleColorwayActivated(notification.colorway);
        return true;
    default:
        return false;
    }
}

} // namespace zsg
