#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbTypes.h>
#include <zsg/scenegraph/SceneGraphPars.h>

#include <memory>

namespace zsg {

class IEventQueue;
class IMaterialHandler;
class ICMFManager;
class IPainterManager;
class IColorDB;
class IColorController;
class ILightLayerController;

/// The single object through which a host reaches the library. Create one per
/// renderer runtime with ISceneGraph::create and keep it while the scene lives;
/// it owns every component and destroys them in reverse order of creation.
class ZSG_EXPORT ISceneGraph {
public:
    virtual ~ISceneGraph();

    // Codes 5006 (colours synchronised: one ColorSyncedEvent per colour, in
    // array order) and 5007 (colorway activated) give true; any other false.
    virtual bool handleNotification(const orb::SceneNotification& notification) = 0;

    // Accessors return the stored pointer and never create anything.
    virtual orbRT_api* rtApi() const = 0;
    virtual IMaterialHandler* materialHandler() const = 0;
    virtual IEventQueue* eventQueue() const = 0;
    virtual ICMFManager* cmfManager() const = 0;
    virtual IPainterManager* painterManager() const = 0;
    virtual IColorDB* colorDB() const = 0;
    virtual IColorController* colorController() const = 0;
    virtual ILightLayerController* lightLayerController() const = 0;

    // Never returns null: a component that fails to build makes it throw,
    // after destroying what was already built.
    static std::unique_ptr<ISceneGraph> create(const SceneGraphPars& pars);
};

} // namespace zsg
