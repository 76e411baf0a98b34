<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>ThermionKit</name>
    <message>
        <source>THERMAL</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>VOLTAGE</source>
        <translation>Spannung</translation>
    </message>
    <message>
        <source>CURRENT</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>POWER</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>FAN</source>
        <translation>Lüfter</translation>
    </message>
    <message>
        <source>TEMPERATURE</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>AIR</source>
        <translation>Luft</translation>
    </message>
</context>
</TS>
