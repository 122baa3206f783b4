#include <zsg/material/ZMaterialHandler.h>

#include <zsg/material/IMaterialApi.h>
#include <zsg/material/IMaterialDelegate.h>
#include <zsg/scenegraph/Event.h>
#include <zsg/scenegraph/IEventQueue.h>
#include <zsg/scenegraph/ISceneGraph.h>

namespace zsg {

ZMaterialHandler::ZMaterialHandler(IMaterialApi* api, IMaterialDelegate* delegate, ISceneGraph* sceneGraph)
    : m_api(api), m_delegate(delegate), m_sceneGraph(sceneGraph)
{
}

std::unique_ptr<IMaterialDescriptor> ZMaterialHandler::descriptor(MaterialId id) const
{
    return m_api->descriptor(id);
}

void ZMaterialHandler::applyDescriptor(const IMaterialDescriptor& descriptor)
{
    // Announced whether or not the material was found: listeners re-read it.
    m_api->applyDescriptor(descriptor);
    if (IEventQueue* queue = m_sceneGraph ? m_sceneGraph->eventQueue() : nullptr)
        queue->postEvent(new MaterialDescriptionChangedEvent(descriptor.materialId()));
}

MaterialId ZMaterialHandler::delegatedOperation(const QString& request)
{
    return m_delegate ? m_delegate->requestMaterial(request) : MaterialId();
}

QString ZMaterialHandler::materialName(MaterialId id) const
{
    return m_api->materialName(id);
}

} // namespace zsg
