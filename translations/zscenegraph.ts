<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>File does not contain a valid json. Error: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File does not contain a json object at the root</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File format version is too old or unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schema attributes are incorrectly formatted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schema has no saved name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The display name of an attribute is absent or is not a string.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two attributes have identical names: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kind of an attribute is absent or is not encoded as a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The visibility of an attribute is absent or is not a boolean.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link Color (%1) To (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable Multi Color (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multi-Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Multi Color (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZActivateColorwayCommand</name>
    <message>
        <source>Switch Colorway (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZAddLayerCommand</name>
    <message>
        <source>3D Paint add layer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZCreateColorwayCommand</name>
    <message>
        <source>Create Colorway</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZDeleteLayerCommand</name>
    <message>
        <source>3D Paint delete layer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZEditColorCommand</name>
    <message>
        <source>Clear Color name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Color name %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Sub Color %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch Sub Color %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Sub Color %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlink Sub Color %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Sub Color %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Color %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZEditColorWayCommand</name>
    <message>
        <source>Clear Colorway name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Colorway name %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Colorway %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Colorway %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link color</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZLayerBackgroundCommand</name>
    <message>
        <source>3D Paint change layer background</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZLayerBlendCommand</name>
    <message>
        <source>3D Paint change layer blend mode</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZLayerNameCommand</name>
    <message>
        <source>3D Paint change layer name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZLayerVisibilityCommand</name>
    <message>
        <source>3D Paint change layer visibility</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZMoveLayerCommand</name>
    <message>
        <source>3D Paint move layer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZPainterBrush</name>
    <message>
        <source>Adjust the size of the brush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size Jitter can be used to create variance in the brush stroke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust the spacing of the brush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust the flow of the brush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust the opacity of the brush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust the hardness of the brush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brush Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate the brush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle Jitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle Jitter can be used to create variance in the brush stroke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use pen pressure to control size.
Requires a pressure sensitive tablet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size Jitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use pen pressure to control flow.
Requires a pressure sensitive tablet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flow Jitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flow Jitter can be used to create variance in the brush stroke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use pen pressure to control opacity.
Requires a pressure sensitive tablet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate the brush with the direction of the stroke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brush Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use alpha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Camera Projection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projects the brush from the camera instead of normal to the object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only Draw on Plane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picks a plane from the starting point, to paint in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale with size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scene Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solid Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paint Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZUndoCommand</name>
    <message>
        <source>Update light layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create light layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Light Layer (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete light layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Light Layer (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>studio</name>
    <message>
        <source>Write PNGs of the window and each dock to &lt;dir&gt;, then quit.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>studio::MaterialInfoCommand</name>
    <message>
        <source>Edit Material Information</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>studio::StudioWindow</name>
    <message>
        <source>Colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Multi Colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multi colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Plain Colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multi Colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colorways</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply Colorway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Material</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Material Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light layers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scene lights:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scene lights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding lights to a reversed layer removes them, and removing adds them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Lights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Lights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Layers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paint layers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blend mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blend mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paint Layers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layer Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scene Graph Studio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The in-memory renderer draws nothing: its records change as you edit in the docks. Ctrl+Z undoes, Ctrl+Shift+Z redoes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zsg::ColorListModel</name>
    <message>
        <source>%1
RGB %2, %3, %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zsg::ColorPanelBinding</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zsg::LightLayerTreeModel</name>
    <message>
        <source>Light %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zsg::PaintLayerListModel</name>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown blend mode %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unnamed layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blend mode: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zsg::ParameterPanel</name>
    <message>
        <source>units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This parameter is invalid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value type %1 is unknown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The minimum %1 is greater than the maximum %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset to default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset %1 to default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This parameter has no value to edit.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zsg::UndoHistoryModel</name>
    <message>
        <source>&lt;empty&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zsg::UndoHistoryView</name>
    <message>
        <source>Undo history</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zsg::ZBrushParameterCommand</name>
    <message>
        <source>3D Paint change brush %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zsg::ZRenameLightLayerCommand</name>
    <message>
        <source>Rename Light Layer (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
