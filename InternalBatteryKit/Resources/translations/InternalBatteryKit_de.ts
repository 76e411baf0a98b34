<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>InternalBatteryKit</name>
    <message>
        <source>TIME_TO_FULL</source>
        <translation>Zeit bis voll</translation>
    </message>
    <message>
        <source>TIME_UNTIL_EMPTY</source>
        <translation>Zeit bis leer</translation>
    </message>
    <message>
        <source>AVG_TIME_TO_EMPTY</source>
        <translation>Durchschnittliche Zeit bis leer</translation>
    </message>
    <message>
        <source>CELL_VOLTAGES</source>
        <translation>Zellspannungen</translation>
    </message>
    <message>
        <source>MANUFACTURER</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>MANUFACTURE_DATE</source>
        <translation>Herstellungsdatum</translation>
    </message>
    <message>
        <source>DESIGN_CAPACITY</source>
        <translation>Nennkapazität</translation>
    </message>
    <message>
        <source>MAX_CAPACITY</source>
        <translation>Kapazität bei voller Ladung</translation>
    </message>
    <message>
        <source>CURRENT_CAPACITY</source>
        <translation>Aktuelle Kapazität</translation>
    </message>
    <message>
        <source>CYCLE_COUNT</source>
        <translation>Ladezyklen</translation>
    </message>
    <message>
        <source>DESIGN_CYCLE_COUNT</source>
        <translation>Ausgelegte Ladezyklen</translation>
    </message>
    <message>
        <source>AC_POWERED</source>
        <translation>Netzbetrieb</translation>
    </message>
    <message>
        <source>IS_CHARGING</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <source>IS_CHARGED</source>
        <translation>Geladen</translation>
    </message>
    <message>
        <source>AMPERAGE</source>
        <translation>Stromstärke</translation>
    </message>
    <message>
        <source>VOLTAGE</source>
        <translation>Spannung</translation>
    </message>
    <message>
        <source>HEALTH</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>POWER_SUPPLY_WATTAGE</source>
        <translation>Leistung des Netzteils</translation>
    </message>
    <message>
        <source>CHARGING_VOLTAGE</source>
        <translation>Ladespannung</translation>
    </message>
    <message>
        <source>VAC_VOLTAGE_LIMIT</source>
        <translation>Grenze der Eingangsspannung</translation>
    </message>
    <message>
        <source>CHARGING_CURRENT</source>
        <translation>Ladestrom</translation>
    </message>
    <message>
        <source>ADAPTER</source>
        <translation>Netzteil</translation>
    </message>
    <message>
        <source>SERIAL_NUMBER</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>IS_WIRELESS</source>
        <translation>Kabellos</translation>
    </message>
    <message>
        <source>HARDWARE_VERSION</source>
        <translation>Hardwareversion</translation>
    </message>
    <message>
        <source>FULLY_CHARGED</source>
        <translation>Vollständig geladen</translation>
    </message>
    <message>
        <source>CELL</source>
        <translation>Zelle %1</translation>
    </message>
    <message>
        <source>CHARGING_WITH</source>
        <translation>Laden mit</translation>
    </message>
    <message>
        <source>POWER_USAGE</source>
        <translation>Leistungsaufnahme</translation>
    </message>
</context>
</TS>
