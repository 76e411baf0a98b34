<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>ViewKit</name>
    <message>
        <source>DEFAULT</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>SHADOWS</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>LINE</source>
        <translation>Linie</translation>
    </message>
</context>
</TS>
