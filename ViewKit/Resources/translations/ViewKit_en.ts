<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>ViewKit</name>
    <message>
        <source>DEFAULT</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>SHADOWS</source>
        <translation>Shadows</translation>
    </message>
    <message>
        <source>LINE</source>
        <translation>Line</translation>
    </message>
</context>
</TS>
