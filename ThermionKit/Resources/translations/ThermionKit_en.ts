<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>ThermionKit</name>
    <message>
        <source>THERMAL</source>
        <translation>Thermal</translation>
    </message>
    <message>
        <source>VOLTAGE</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>CURRENT</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>POWER</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>FAN</source>
        <translation>Fan</translation>
    </message>
    <message>
        <source>TEMPERATURE</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>AIR</source>
        <translation>Air</translation>
    </message>
</context>
</TS>
