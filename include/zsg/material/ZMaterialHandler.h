#pragma once

#include <zsg/Export.h>

#include <zsg/material/IMaterialHandler.h>

namespace zsg {

class IMaterialApi;
class IMaterialDelegate;
class ISceneGraph;

/// Forwards to the material API and posts on the scene graph's event queue,
/// which it asks for at each post: the handler is built before the queue.
/// Owns none of the three pointers; the delegate and the scene graph may be
/// null (then nothing is delegated, nothing posted).
class ZSG_EXPORT ZMaterialHandler : public IMaterialHandler {
public:
    ZMaterialHandler(IMaterialApi* api, IMaterialDelegate* delegate, ISceneGraph* sceneGraph);

    std::unique_ptr<IMaterialDescriptor> descriptor(MaterialId id) const override;
    void applyDescriptor(const IMaterialDescriptor& descriptor) override;
    // An invalid id when there is no delegate.
    MaterialId delegatedOperation(const QString& request) override;
    QString materialName(MaterialId id) const override;

private:
    IMaterialApi* m_api;
    IMaterialDelegate* m_delegate;
    ISceneGraph* m_sceneGraph;
};

} // namespace zsg
