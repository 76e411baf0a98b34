<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>InternalBatteryKit</name>
    <message>
        <source>TIME_TO_FULL</source>
        <translation>Time to full</translation>
    </message>
    <message>
        <source>TIME_UNTIL_EMPTY</source>
        <translation>Time until empty</translation>
    </message>
    <message>
        <source>AVG_TIME_TO_EMPTY</source>
        <translation>Average time to empty</translation>
    </message>
    <message>
        <source>CELL_VOLTAGES</source>
        <translation>Cell voltages</translation>
    </message>
    <message>
        <source>MANUFACTURER</source>
        <translation>Manufacturer</translation>
    </message>
    <message>
        <source>MANUFACTURE_DATE</source>
        <translation>Manufacture date</translation>
    </message>
    <message>
        <source>DESIGN_CAPACITY</source>
        <translation>Design capacity</translation>
    </message>
    <message>
        <source>MAX_CAPACITY</source>
        <translation>Full charge capacity</translation>
    </message>
    <message>
        <source>CURRENT_CAPACITY</source>
        <translation>Current capacity</translation>
    </message>
    <message>
        <source>CYCLE_COUNT</source>
        <translation>Cycle count</translation>
    </message>
    <message>
        <source>DESIGN_CYCLE_COUNT</source>
        <translation>Design cycle count</translation>
    </message>
    <message>
        <source>AC_POWERED</source>
        <translation>Power adapter</translation>
    </message>
    <message>
        <source>IS_CHARGING</source>
        <translation>Charging</translation>
    </message>
    <message>
        <source>IS_CHARGED</source>
        <translation>Charged</translation>
    </message>
    <message>
        <source>AMPERAGE</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>VOLTAGE</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>HEALTH</source>
        <translation>Health</translation>
    </message>
    <message>
        <source>POWER_SUPPLY_WATTAGE</source>
        <translation>Power adapter wattage</translation>
    </message>
    <message>
        <source>CHARGING_VOLTAGE</source>
        <translation>Charging voltage</translation>
    </message>
    <message>
        <source>VAC_VOLTAGE_LIMIT</source>
        <translation>Input voltage limit</translation>
    </message>
    <message>
        <source>CHARGING_CURRENT</source>
        <translation>Charging current</translation>
    </message>
    <message>
        <source>ADAPTER</source>
        <translation>Adapter</translation>
    </message>
    <message>
        <source>SERIAL_NUMBER</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>IS_WIRELESS</source>
        <translation>Wireless</translation>
    </message>
    <message>
        <source>HARDWARE_VERSION</source>
        <translation>Hardware version</translation>
    </message>
    <message>
        <source>FULLY_CHARGED</source>
        <translation>Fully charged</translation>
    </message>
    <message>
        <source>CELL</source>
        <translation>Cell %1</translation>
    </message>
    <message>
        <source>CHARGING_WITH</source>
        <translation>Charging with</translation>
    </message>
    <message>
        <source>POWER_USAGE</source>
        <translation>Power usage</translation>
    </message>
</context>
</TS>
