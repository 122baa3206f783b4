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
</context>
<context>
    <name>ZActivateColorwayCommand</name>
    <message>
        <source>Switch Colorway (%1)</source>
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
</TS>
