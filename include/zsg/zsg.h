#pragma once
// Umbrella header: every public header of libzscenegraph, the platform
// boundary included.

#include <zsg/Export.h>

#include <zsg/platform/OrbTypes.h>
#include <zsg/platform/OrbValueTypes.h>
#include <zsg/platform/OrbRuntime.h>
#include <zsg/platform/OrbBrush.h>
#include <zsg/platform/OrbPainter.h>
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

#include <zsg/values/Enumerable.h>
#include <zsg/values/Hash.h>
#include <zsg/values/Parameter.h>
#include <zsg/values/ParameterData.h>
#include <zsg/values/Quantity.h>
#include <zsg/values/TextStream.h>
#include <zsg/values/Type.h>
#include <zsg/values/Variant.h>

#include <zsg/valuetypes/AnimationCurve.h>
#include <zsg/valuetypes/CoatingColor.h>
#include <zsg/valuetypes/ColorGradient.h>
#include <zsg/valuetypes/ColorGradientStop.h>
#include <zsg/valuetypes/FilePath.h>
#include <zsg/valuetypes/FloatArray.h>
#include <zsg/valuetypes/IORFile.h>
#include <zsg/valuetypes/WeavePattern.h>

#include <zsg/material/IMaterialApi.h>
#include <zsg/material/IMaterialDelegate.h>
#include <zsg/material/IMaterialDescriptor.h>
#include <zsg/material/IMaterialHandler.h>
#include <zsg/material/MaterialId.h>
#include <zsg/material/ZMaterialApi.h>
#include <zsg/material/ZMaterialDescriptor.h>
#include <zsg/material/ZMaterialHandler.h>

#include <zsg/cmf/CMFAttribute.h>
#include <zsg/cmf/CMFAttributeKind.h>
#include <zsg/cmf/CMFKey.h>
#include <zsg/cmf/CMFLoadStatus.h>
#include <zsg/cmf/CMFSchemaLoadResult.h>
#include <zsg/cmf/ICMFManager.h>
#include <zsg/cmf/ZCMFManager.h>
#include <zsg/cmf/ZCMFSchema.h>

#include <zsg/color/ColorConflict.h>
#include <zsg/color/ColorController.h>
#include <zsg/color/ColorDB.h>
#include <zsg/color/ColorModels.h>
#include <zsg/color/IColorController.h>
#include <zsg/color/IColorDB.h>
#include <zsg/color/IColorExtEdit.h>
#include <zsg/color/IColorLinker.h>
#include <zsg/color/IColorLinkHandler.h>
#include <zsg/color/IColorSettingsEdit.h>
#include <zsg/color/IColorwayEdit.h>
#include <zsg/color/ISceneMaterial.h>
#include <zsg/color/ISceneMaterialManager.h>
#include <zsg/color/MultiColorPair.h>
#include <zsg/color/ScopedRTApiLock.h>
#include <zsg/color/ScopedUndoMacro.h>
#include <zsg/color/ZActivateColorwayCommand.h>
#include <zsg/color/ZColorExtEdit.h>
#include <zsg/color/ZColorLinker.h>
#include <zsg/color/ZColorSettingsEdit.h>
#include <zsg/color/ZColorwayEdit.h>
#include <zsg/color/ZCreateColorwayCommand.h>
#include <zsg/color/ZEditColorCommand.h>
#include <zsg/color/ZEditColorWayCommand.h>
#include <zsg/color/ZLinkColorCommand.h>
#include <zsg/color/ZToggleMultiColorCommand.h>

#include <zsg/paint/IPainter.h>
#include <zsg/paint/IPainterBrush.h>
#include <zsg/paint/IPainterManager.h>
#include <zsg/paint/IPainterSurface.h>
#include <zsg/paint/ZAddLayerCommand.h>
#include <zsg/paint/ZAddLayerTask.h>
#include <zsg/paint/ZBackgroundTask.h>
#include <zsg/paint/ZBlendModeTask.h>
#include <zsg/paint/ZDeleteLayerCommand.h>
#include <zsg/paint/ZDeleteLayerTask.h>
#include <zsg/paint/ZEditLayerTask.h>
#include <zsg/paint/ZLayerBackgroundCommand.h>
#include <zsg/paint/ZLayerBlendCommand.h>
#include <zsg/paint/ZLayerNameCommand.h>
#include <zsg/paint/ZLayerVisibilityCommand.h>
#include <zsg/paint/ZMoveLayerCommand.h>
#include <zsg/paint/ZMoveLayerTask.h>
#include <zsg/paint/ZPaintSurface.h>
#include <zsg/paint/ZPainter.h>
#include <zsg/paint/ZPainterBrush.h>
#include <zsg/paint/ZPainterManager.h>
#include <zsg/paint/ZVisibilityLayerTask.h>
