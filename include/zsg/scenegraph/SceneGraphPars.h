#pragma once

class orbRT_api;

namespace zsg {

class IMaterialDelegate;
class ISceneMaterialManager;
class ZTaskQueue;
class ZUndoStack;

/// The host services handed to ISceneGraph::create. None is owned by the
/// scene graph: the host keeps them alive longer than the scene graph.
struct SceneGraphPars {
    orbRT_api* rtApi = nullptr;
    IMaterialDelegate* materialDelegate = nullptr;  // forwarded to the material handler
    ISceneMaterialManager* sceneMaterialManager = nullptr;
    ZTaskQueue* taskQueue = nullptr;
    ZUndoStack* undoStack = nullptr;
};

} // namespace zsg
