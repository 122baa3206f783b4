#pragma once
// Umbrella header: every public header of libzscenegraph, the platform
// boundary included.

#include <zsg/Export.h>

#include <zsg/platform/OrbTypes.h>
#include <zsg/platform/OrbValueTypes.h>
#include <zsg/platform/OrbRuntime.h>
#include <zsg/platform/SplitTrailingNumber.h>
#include <zsg/platform/ZColor.h>
#include <zsg/platform/ZColorExt.h>
#include <zsg/platform/ZMainThreadCallback.h>
#include <zsg/platform/ZTask.h>
#include <zsg/platform/ZTaskQueue.h>
#include <zsg/platform/ZUndoCommand.h>
#include <zsg/platform/ZUndoStack.h>

#include <zsg/scenegraph/Event.h>
#include <zsg/scenegraph/EventType.h>
#include <zsg/scenegraph/IEventListener.h>
#include <zsg/scenegraph/IEventQueue.h>
#include <zsg/scenegraph/ISceneGraph.h>
#include <zsg/scenegraph/SceneGraphPars.h>
#include <zsg/scenegraph/ZEventQueue.h>

#include <zsg/material/MaterialId.h>

#include <zsg/color/ColorModels.h>
