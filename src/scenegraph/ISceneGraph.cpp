#include "scenegraph/ZSceneGraph.h"

namespace zsg {

ISceneGraph::~ISceneGraph() = default;

std::unique_ptr<ISceneGraph> ISceneGraph::create(const SceneGraphPars& pars)
{
    return std::make_unique<ZSceneGraph>(pars);
}

} // namespace zsg
