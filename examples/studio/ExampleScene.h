#pragma once
// The studio's scene: the in-memory renderer with a few colours, a multi
// colour, two colorways, two materials, lights under a group, a paint surface
// and a brush, and the scene graph over them. Members are declared so that
// everything the scene graph uses outlives it.

#include <zsg/zsg.h>
#include <orbmem/MemoryRuntime.h>
#include <orbmem/MemorySceneMaterialManager.h>

#include <memory>
#include <vector>

namespace studio {

struct ExampleScene {
    ExampleScene();
    // Empties the stack first: its commands refer to the scene graph's parts.
    ~ExampleScene();

    orb::MemoryRuntime runtime;
    zsg::ZUndoStack undoStack;
    orb::MemorySceneMaterialManager materials{runtime, &undoStack};
    zsg::ZTaskQueue tasks;
    std::unique_ptr<zsg::ISceneGraph> graph;
    std::unique_ptr<zsg::IPainterBrush> brush;

    std::vector<orb::MaterialId> materialIds;
    std::vector<orb::ObjectId> lights;
    orb::SurfaceId surface = orb::InvalidId;
};

} // namespace studio
