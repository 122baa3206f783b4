#pragma once

#include <zsg/Export.h>

#include <zsg/cmf/ICMFManager.h>

#include <memory>

namespace zsg {

class ISceneGraph;

/// The scene graph's CMF manager. It starts with the built-in schema "default"
/// and posts on whatever event queue the scene graph has at the time (nothing
/// when there is none).
class ZSG_EXPORT ZCMFManager : public ICMFManager {
public:
    explicit ZCMFManager(ISceneGraph* sceneGraph);
    ~ZCMFManager() override;

    ZCMFManager(const ZCMFManager&) = delete;
    ZCMFManager& operator=(const ZCMFManager&) = delete;

    const ZCMFSchema& schema() const override;
    void setSchema(const ZCMFSchema& schema) override;

    // The built-in schema, never changed; a way back after setSchema.
    const ZCMFSchema& defaultSchema() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace zsg
