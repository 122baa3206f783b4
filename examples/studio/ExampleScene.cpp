#include "ExampleScene.h"

namespace studio {

ExampleScene::ExampleScene()
{
    // Renderer-side content, as a loaded file would bring it.
    const orb::ColorId red = runtime.createColor("Signal Red", {0.80f, 0.10f, 0.10f, 1});
    const orb::ColorId blue = runtime.createColor("Ocean Blue", {0.10f, 0.30f, 0.75f, 1});
    const orb::ColorId sand = runtime.createColor("Sand", {0.85f, 0.75f, 0.55f, 1});
    const orb::ColorId graphite = runtime.createColor("Graphite", {0.20f, 0.20f, 0.22f, 1});
    const orb::ColorId body = runtime.createMultiColor("Body", {red, blue}, red);
    const orb::ColorId trim = runtime.createMultiColor("Trim", {sand, graphite}, graphite);
    runtime.createColorway("Summer", {body, trim}, {red, sand});
    runtime.createColorway("Winter", {body, trim}, {blue, graphite});
    materialIds.push_back(runtime.createMaterial("Car Paint", {body}));
    materialIds.push_back(runtime.createMaterial("Seat Leather", {trim, sand}));

    const orb::GroupItemId root = runtime.hierarchyRoot();
    const orb::GroupItemId rig = runtime.addGroup(root);
    for (int i = 0; i < 4; ++i)
        lights.push_back(runtime.addLight(rig));
    runtime.addObject(root);

    orb::PaintSurfaceContent content;
    content.name = "Door panel";
    content.layers = {{1, std::string("Base"), false, true, orb::ColorBlendMode::Normal, {1, 1, 1, 1}},
                      {2, std::string("Scratches"), false, true, orb::ColorBlendMode::Normal, {0, 0, 0, 0}}};
    surface = runtime.createPaintSurface(content);

    graph = zsg::ISceneGraph::create({&runtime, nullptr, &materials, &tasks, &undoStack});
    graph->lightLayerController()->lightLayerApi()->sync();
    const orb::LightLayerId key = graph->lightLayerController()->createLayer("Key lights");
    graph->lightLayerController()->addLights(key, orb::Span<const orb::ObjectId>(lights.data(), 2));
    brush = graph->painterManager()->createBrush(1.0f, materialIds.front());
    // The scene opens with nothing to undo.
    undoStack.clear();
}

ExampleScene::~ExampleScene()
{
    tasks.waitForIdle();
    undoStack.clear();
}

} // namespace studio
